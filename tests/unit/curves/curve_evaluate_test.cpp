// Envelope and path curve values: the nine placement values of a path,
// extrapolation and the 32-bit rounding rules. Expected numbers are worked
// out by hand from the Hermite weights at u = 0.5 (h1 = h2 = 0.5, h3 = 0.125,
// h4 = -0.125) and the tangent rules, so most are exact in binary.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "curve_test_support.h"
#include "curves/kb_spline.h"

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

std::vector<float> placement(const PathKey& key) {
  return {key.positionX, key.positionY, key.positionZ, key.rotationX, key.rotationY,
          key.rotationZ, key.scaleX,    key.scaleY,    key.scaleZ};
}

std::vector<float> shifted(float x) {
  std::vector<float> values;
  for (int i = 0; i < 9; ++i) values.push_back(x + i);
  return values;
}

TEST(PathEvaluate, PlainKeysPassThroughTheirValuesAndTimesOutsideThemExtrapolate) {
  auto path = pathWith({pathKey(0.0f, 0), pathKey(0.5f, 10), pathKey(1.0f, 0)});
  PathKey out{};
  path->evaluate(0.5f, out);
  EXPECT_EQ(placement(out), shifted(10));
  path->evaluate(0.0f, out);
  EXPECT_EQ(placement(out), shifted(0));
  path->evaluate(1.0f, out);
  EXPECT_EQ(placement(out), shifted(0));
  // Same shape as the three-key envelope peak, on every value.
  path->evaluate(0.25f, out);
  EXPECT_EQ(placement(out), shifted(6.25f));

  // Times outside the keys extrapolate the end segments.
  path = pathWith({pathKey(0.0f, 0), pathKey(1.0f, 10)});
  // u = 1.5: h1 = 1, h2 = 0, h3 = 0.375, h4 = 1.125, both tangents 10.
  path->evaluate(1.5f, out);
  EXPECT_EQ(out.positionX, 15.0f);
  // u = -0.5: h1 = 0, h2 = 1, h3 = -1.125, h4 = -0.375.
  path->evaluate(-0.5f, out);
  EXPECT_EQ(out.positionX, -5.0f);
  // A first key away from zero uses the slope rule without reading before it.
  path = pathWith({pathKey(0.25f, 4), pathKey(0.75f, 8)});
  path->evaluate(0.5f, out);
  EXPECT_EQ(out.positionX, 6.0f);
  path->evaluate(0.0f, out);  // u = -0.5 on a straight segment
  EXPECT_EQ(out.positionX, 2.0f);
}

TEST(PathEvaluate, OneKeyIsCopiedWholeAndOtherwiseOnlyPlacementIsWritten) {
  auto one = pathWith({pathKey(0.4f, 3, 1, 0.5f, 0.25f, 0.125f)});
  PathKey out{};
  one->evaluate(0.9f, out);
  EXPECT_EQ(std::memcmp(&out, &one->keys[0], sizeof out), 0);
  auto two = pathWith({pathKey(0.0f, 0), pathKey(1.0f, 10)});
  PathKey marked = pathKey(0.77f, -1, 5, 0.1f, 0.2f, 0.3f);
  two->evaluate(0.5f, marked);
  EXPECT_EQ(marked.time, 0.77f);
  EXPECT_EQ(marked.tension, 0.1f);
  EXPECT_EQ(marked.continuity, 0.2f);
  EXPECT_EQ(marked.bias, 0.3f);
  EXPECT_EQ(marked.linear, 5);
  EXPECT_EQ(placement(marked), shifted(5));
  PathKey untouched = marked;
  newPath()->evaluate(0.5f, untouched);
  EXPECT_EQ(std::memcmp(&untouched, &marked, sizeof marked), 0);
}

// The evaluation rules written out on their own: weights, factors, timing
// scales and differences rounded to float; u and tangents in double.
float expectedValue(const PathKey& p, const PathKey& a, const PathKey& b, const PathKey& n, float t,
                    float PathKey::*field) {
  auto f = [](double v) {
    volatile float r = static_cast<float>(v);
    return static_cast<double>(r);
  };
  double u = (static_cast<double>(t) - a.time) / (static_cast<double>(b.time) - a.time);
  double h2 = f(3 * u * u - 2 * u * u * u), h1 = f(1 - (3 * u * u - 2 * u * u * u));
  double h3 = f(u * u * u - 2 * u * u + u), h4 = f(u * u * u - u * u);
  double fa = f((1.0 - a.tension) * (1.0 + a.continuity) * (1.0 + a.bias));
  double fb = f((1.0 - a.tension) * (1.0 - a.continuity) * (1.0 - a.bias));
  double fc = f((1.0 - b.tension) * (1.0 - b.continuity) * (1.0 + b.bias));
  double fd = f((1.0 - b.tension) * (1.0 + b.continuity) * (1.0 - b.bias));
  double sA = f((static_cast<double>(b.time) - a.time) / (static_cast<double>(b.time) - p.time));
  double sB = f((static_cast<double>(b.time) - a.time) / (static_cast<double>(n.time) - a.time));
  double dv = f(static_cast<double>(b.*field) - a.*field);
  double ta = (fa * f(static_cast<double>(a.*field) - p.*field) + fb * dv) * sA;
  double tb = (fc * dv + fd * f(static_cast<double>(n.*field) - b.*field)) * sB;
  return static_cast<float>(h1 * (a.*field) + h2 * (b.*field) + h3 * ta + h4 * tb);
}

TEST(PathEvaluate, InnerSegmentFollowsTheRoundingRulesOnEveryValue) {
  PathKey p = pathKey(keyTimeFromPercent(0), 1.1f);
  PathKey a = pathKey(keyTimeFromPercent(30), -7.3f, 0, 0.3f, -0.2f, 0.6f);
  PathKey b = pathKey(keyTimeFromPercent(70), 12.9f, 0, -0.4f, 0.5f, -0.7f);
  PathKey n = pathKey(keyTimeFromPercent(100), 0.37f);
  a.rotationY = 245.0f;
  b.scaleX = -3.5f;
  auto path = pathWith({p, a, b, n});
  for (int percent : {31, 45, 50, 69}) {
    float t = keyTimeFromPercent(percent);
    PathKey out{};
    path->evaluate(t, out);
    for (float PathKey::*field : kPlacementFields) {
      EXPECT_EQ(out.*field, expectedValue(p, a, b, n, t, field)) << percent;
    }
  }
}

}  // namespace
}  // namespace vta
