// Path curve values: the nine placement values, extrapolation and the
// 32-bit rounding rules.
#include <gtest/gtest.h>

#include "curve_test_support.h"
#include "curves/kb_spline.h"

namespace vta {
namespace {

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
