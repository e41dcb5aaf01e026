// Envelope curve values. Expected numbers are worked out by hand from the
// Hermite weights at u = 0.5 (h1 = h2 = 0.5, h3 = 0.125, h4 = -0.125) and the
// tangent rules, so most are exact in binary.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "curve_test_support.h"

namespace vta {
namespace {

struct ShapeCase {
  const char* name;
  std::vector<EnvelopeKey> keys;
  std::vector<std::pair<float, float>> timeAndValue;
};

TEST(EnvelopeEvaluate, EachShapeGivesItsWorkedValues) {
  const ShapeCase cases[] = {
      // Both tangents continue the slope 10, so the cubic is the straight line.
      {"two plain keys",
       {envKey(0.0f, 10), envKey(1.0f, 20)},
       {{0.5f, 15}, {0.0f, 10}, {1.0f, 20}, {0.25f, 12.5f}}},
      {"linear flag of the end key makes the segment straight",
       {envKey(0.0f, 10), envKey(1.0f, 20, 1, 1.0f, 0.5f, -0.5f)},
       {{0.25f, 12.5f}, {0.75f, 17.5f}}},
      // Tangents 0: 10 + 10 * h2(0.25) = 10 + 10 * 0.15625.
      {"tension one on both keys flattens the ends",
       {envKey(0.0f, 10, 0, 1.0f), envKey(1.0f, 20, 0, 1.0f)},
       {{0.25f, 11.5625f}, {0.5f, 15}}},
      // Second segment: TA = (10 + 10) * 0.75 / 1 = 15, TB = 10 (end rule).
      // First segment: TA = 10 (end rule), TB = (10 + 10) * 0.25 / 1 = 5.
      {"tangents scaled for unequal key spacing",
       {envKey(0.0f, 0), envKey(0.25f, 10), envKey(1.0f, 20)},
       {{0.625f, 15.625f}, {0.125f, 5.625f}}},
      // A key at 0.0 uses the end rule although a key lies before it:
      // TA = 10, TB = 10 gives 5; the neighbour (-1, 100) would give -1.875.
      {"end rules follow times zero and one, not key positions",
       {envKey(-1.0f, 100), envKey(0.0f, 0), envKey(1.0f, 10)},
       {{0.5f, 5}}},
      {"no key gives zero", {}, {{0.5f, 0}}},
      {"one key gives its value", {envKey(0.3f, 42)}, {{0.0f, 42}, {0.9f, 42}}},
      // Neither end key at 0.0 or 1.0: missing neighbours use the slope rule,
      // so the one segment is straight, and times outside it hold its ends.
      {"hand-made shape clamps to its segment's ends",
       {envKey(0.25f, 4), envKey(0.75f, 8)},
       {{0.5f, 6}, {0.0f, 4}, {-3.0f, 4}, {1.0f, 8}, {7.0f, 8}}},
      {"normal shape clamps outside 0 to 1",
       {envKey(0.0f, 0), envKey(1.0f, 10)},
       {{-0.5f, 0}, {1.5f, 10}}},
      {"keys of equal time give the later key's value",
       {envKey(0.0f, 1), envKey(0.0f, 3), envKey(1.0f, 3)},
       {{0.0f, 3}, {0.5f, 3}}},
  };
  for (const ShapeCase& c : cases) {
    auto envelope = envelopeWith(c.keys);
    for (const auto& [time, value] : c.timeAndValue) {
      EXPECT_EQ(envelope->evaluate(time), value) << c.name << " at " << time;
    }
  }
}

TEST(EnvelopeEvaluate, ThreeKeyPeakIsExactAtTheMiddleKeyAndSymmetric) {
  auto envelope = envelopeWith({envKey(0.0f, 0), envKey(0.5f, 10), envKey(1.0f, 0)});
  EXPECT_EQ(envelope->evaluate(0.5f), 10.0f);
  // Middle tangents are 0, end tangents +-10: 0.5*10 + 0.125*10 = 6.25.
  EXPECT_EQ(envelope->evaluate(0.25f), 6.25f);
  EXPECT_EQ(envelope->evaluate(0.75f), 6.25f);
  float previous = envelope->evaluate(0.0f);
  for (int n = 1; n <= 50; ++n) {
    float rising = envelope->evaluate(n / 100.0f);
    EXPECT_GT(rising, previous) << n;
    EXPECT_LE(rising, 10.0f) << n;
    EXPECT_NEAR(envelope->evaluate(1.0f - n / 100.0f), rising, 1e-5) << n;
    previous = rising;
  }
}

// Keys (0, 0), (0.5, 10), (1, 40), the middle one weighted.
// Leaving it, at t = 0.75 on the second segment, the value is
// 21.25 + 0.125 * TA with TA = (a * 10 + b * 30) * 0.5 / 1 and the end
// tangent TB = 30.
// Arriving at it, at t = 0.25 on the first segment, TA = 10 by the end rule
// and TB = (c * 10 + d * 30) * 0.5 / 1, so the value is 6.25 - 0.125 * TB.
TEST(EnvelopeEvaluate, KeyWeightsShapeTheTangentsLeavingAndArrivingAtTheKey) {
  const struct {
    const char* name;
    float tension, continuity, bias;
    float leaving, arriving;
  } cases[] = {
      {"plain", 0, 0, 0, 23.75f, 3.75f},    // a = b = 1; c = d = 1
      {"tension", 1, 0, 0, 21.25f, 6.25f},  // a = b = 0; c = d = 0
      {"biasUp", 0, 0, 1, 22.5f, 5.0f},     // a = 2, b = 0; c = 2, d = 0
      {"biasDown", 0, 0, -1, 25.0f, 2.5f},  // a = 0, b = 2; c = 0, d = 2
      {"contUp", 0, 1, 0, 22.5f, 2.5f},     // a = 2, b = 0; c = 0, d = 2
      {"contDown", 0, -1, 0, 25.0f, 5.0f},  // a = 0, b = 2; c = 2, d = 0
  };
  for (const auto& c : cases) {
    auto envelope = envelopeWith(
        {envKey(0.0f, 0), envKey(0.5f, 10, 0, c.tension, c.continuity, c.bias), envKey(1.0f, 40)});
    EXPECT_EQ(envelope->evaluate(0.75f), c.leaving) << c.name;
    EXPECT_EQ(envelope->evaluate(0.25f), c.arriving) << c.name;
  }
}

TEST(EnvelopeEvaluate, AnInnerKeyUsesItsNeighbourEvenWhenLastButOne) {
  // Keys (0, 0), (0.5, 10), (0.75, 20), (1, 20); the second segment has
  // TA = (10 + 10) * 0.25 / 0.75 and TB = (10 + 0) * 0.25 / 0.5 = 5.
  auto inner =
      envelopeWith({envKey(0.0f, 0), envKey(0.5f, 10), envKey(0.75f, 20), envKey(1.0f, 20)});
  double tangentA = 20.0 * 0.25 / 0.75;
  double expected = 15.0 + 0.125 * tangentA - 0.125 * 5.0;
  EXPECT_FLOAT_EQ(inner->evaluate(0.625f), static_cast<float>(expected));
}

}  // namespace
}  // namespace vta
