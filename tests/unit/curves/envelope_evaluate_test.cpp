// Envelope curve values. Expected numbers are worked out by hand from the
// Hermite weights at u = 0.5 (h1 = h2 = 0.5, h3 = 0.125, h4 = -0.125) and the
// tangent rules, so most are exact in binary.
#include <gtest/gtest.h>

#include "curve_test_support.h"

namespace vta {
namespace {

TEST(EnvelopeEvaluate, TwoPlainKeysFollowTheWorkedValues) {
  auto envelope = envelopeWith({envKey(0.0f, 10), envKey(1.0f, 20)});
  EXPECT_EQ(envelope->evaluate(0.5f), 15.0f);
  EXPECT_EQ(envelope->evaluate(0.0f), 10.0f);
  EXPECT_EQ(envelope->evaluate(1.0f), 20.0f);
  // Both tangents continue the slope 10, so the cubic is the straight line.
  EXPECT_EQ(envelope->evaluate(0.25f), 12.5f);
}

TEST(EnvelopeEvaluate, LinearFlagOfTheEndKeyMakesTheSegmentStraight) {
  auto envelope = envelopeWith({envKey(0.0f, 10), envKey(1.0f, 20, 1, 1.0f, 0.5f, -0.5f)});
  EXPECT_EQ(envelope->evaluate(0.25f), 12.5f);
  EXPECT_EQ(envelope->evaluate(0.75f), 17.5f);
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

TEST(EnvelopeEvaluate, TensionOneOnBothKeysFlattensTheEnds) {
  auto envelope = envelopeWith({envKey(0.0f, 10, 0, 1.0f), envKey(1.0f, 20, 0, 1.0f)});
  // Tangents 0: 10 + 10 * h2(0.25) = 10 + 10 * 0.15625.
  EXPECT_EQ(envelope->evaluate(0.25f), 11.5625f);
  EXPECT_EQ(envelope->evaluate(0.5f), 15.0f);
}

// Keys (0, 0), (0.5, 10), (1, 40). On the second segment at t = 0.75 the
// value is 21.25 + 0.125 * TA with TA = (a * 10 + b * 30) * 0.5 / 1 and the
// end tangent TB = 30.
struct WeightCase {
  const char* name;
  float tension, continuity, bias;
  float expected;
};

class EnvelopeOutgoingWeights : public ::testing::TestWithParam<WeightCase> {};

TEST_P(EnvelopeOutgoingWeights, ShapeTheTangentLeavingTheKey) {
  const WeightCase& c = GetParam();
  auto envelope = envelopeWith(
      {envKey(0.0f, 0), envKey(0.5f, 10, 0, c.tension, c.continuity, c.bias), envKey(1.0f, 40)});
  EXPECT_EQ(envelope->evaluate(0.75f), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Extremes, EnvelopeOutgoingWeights,
    ::testing::Values(WeightCase{"plain", 0, 0, 0, 23.75f},      // a = b = 1
                      WeightCase{"tension", 1, 0, 0, 21.25f},    // a = b = 0
                      WeightCase{"biasUp", 0, 0, 1, 22.5f},      // a = 2, b = 0
                      WeightCase{"biasDown", 0, 0, -1, 25.0f},   // a = 0, b = 2
                      WeightCase{"contUp", 0, 1, 0, 22.5f},      // a = 2, b = 0
                      WeightCase{"contDown", 0, -1, 0, 25.0f}),  // a = 0, b = 2
    [](const ::testing::TestParamInfo<WeightCase>& info) { return info.param.name; });

// Same keys, first segment at t = 0.25: TA = 10 by the end rule and
// TB = (c * 10 + d * 30) * 0.5 / 1, so the value is 6.25 - 0.125 * TB.
class EnvelopeIncomingWeights : public ::testing::TestWithParam<WeightCase> {};

TEST_P(EnvelopeIncomingWeights, ShapeTheTangentArrivingAtTheKey) {
  const WeightCase& c = GetParam();
  auto envelope = envelopeWith(
      {envKey(0.0f, 0), envKey(0.5f, 10, 0, c.tension, c.continuity, c.bias), envKey(1.0f, 40)});
  EXPECT_EQ(envelope->evaluate(0.25f), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Extremes, EnvelopeIncomingWeights,
                         ::testing::Values(WeightCase{"plain", 0, 0, 0, 3.75f},      // c = d = 1
                                           WeightCase{"tension", 1, 0, 0, 6.25f},    // c = d = 0
                                           WeightCase{"biasUp", 0, 0, 1, 5.0f},      // c = 2, d = 0
                                           WeightCase{"biasDown", 0, 0, -1, 2.5f},   // c = 0, d = 2
                                           WeightCase{"contUp", 0, 1, 0, 2.5f},      // c = 0, d = 2
                                           WeightCase{"contDown", 0, -1, 0, 5.0f}),  // c = 2, d = 0
                         [](const ::testing::TestParamInfo<WeightCase>& info) {
                           return info.param.name;
                         });

TEST(EnvelopeEvaluate, TangentsAreScaledForUnequalKeySpacing) {
  auto envelope = envelopeWith({envKey(0.0f, 0), envKey(0.25f, 10), envKey(1.0f, 20)});
  // Second segment: TA = (10 + 10) * 0.75 / 1 = 15, TB = 10 (end rule).
  EXPECT_EQ(envelope->evaluate(0.625f), 15.625f);
  // First segment: TA = 10 (end rule), TB = (10 + 10) * 0.25 / 1 = 5.
  EXPECT_EQ(envelope->evaluate(0.125f), 5.625f);
}

TEST(EnvelopeEvaluate, EndRulesFollowTimesZeroAndOneNotKeyPositions) {
  // A key at 0.0 uses the end rule although a key lies before it:
  // TA = 10, TB = 10 gives 5; the neighbour (-1, 100) would give -1.875.
  auto envelope = envelopeWith({envKey(-1.0f, 100), envKey(0.0f, 0), envKey(1.0f, 10)});
  EXPECT_EQ(envelope->evaluate(0.5f), 5.0f);
  // A key inside the range uses its neighbour even when it is the last but
  // one: keys (0, 0), (0.5, 10), (0.75, 20), (1, 20); second segment has
  // TA = (10 + 10) * 0.25 / 0.75 and TB = (10 + 0) * 0.25 / 0.5 = 5.
  auto inner =
      envelopeWith({envKey(0.0f, 0), envKey(0.5f, 10), envKey(0.75f, 20), envKey(1.0f, 20)});
  double tangentA = 20.0 * 0.25 / 0.75;
  double expected = 15.0 + 0.125 * tangentA - 0.125 * 5.0;
  EXPECT_FLOAT_EQ(inner->evaluate(0.625f), static_cast<float>(expected));
}

TEST(EnvelopeEvaluate, FewerThanTwoKeysGiveTheOnlyValueOrZero) {
  auto none = newEnvelope();
  EXPECT_EQ(none->evaluate(0.5f), 0.0f);
  auto one = envelopeWith({envKey(0.3f, 42)});
  EXPECT_EQ(one->evaluate(0.0f), 42.0f);
  EXPECT_EQ(one->evaluate(0.9f), 42.0f);
}

TEST(EnvelopeEvaluate, HandMadeShapesClampToTheNearestSegmentEnds) {
  // Neither end key at 0.0 or 1.0: missing neighbours use the slope rule,
  // so the one segment is straight, and times outside it hold its ends.
  auto envelope = envelopeWith({envKey(0.25f, 4), envKey(0.75f, 8)});
  EXPECT_EQ(envelope->evaluate(0.5f), 6.0f);
  EXPECT_EQ(envelope->evaluate(0.0f), 4.0f);
  EXPECT_EQ(envelope->evaluate(-3.0f), 4.0f);
  EXPECT_EQ(envelope->evaluate(1.0f), 8.0f);
  EXPECT_EQ(envelope->evaluate(7.0f), 8.0f);
  // A normal shape also clamps outside 0.0 to 1.0.
  auto normal = envelopeWith({envKey(0.0f, 0), envKey(1.0f, 10)});
  EXPECT_EQ(normal->evaluate(-0.5f), 0.0f);
  EXPECT_EQ(normal->evaluate(1.5f), 10.0f);
}

TEST(EnvelopeEvaluate, KeysOfEqualTimeGiveTheLaterKeysValue) {
  auto envelope = envelopeWith({envKey(0.0f, 1), envKey(0.0f, 3), envKey(1.0f, 3)});
  EXPECT_EQ(envelope->evaluate(0.0f), 3.0f);
  EXPECT_EQ(envelope->evaluate(0.5f), 3.0f);
}

}  // namespace
}  // namespace vta
