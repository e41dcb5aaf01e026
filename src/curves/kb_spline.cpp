#include "curves/kb_spline.h"

namespace vta {

float keyTimeFromPercent(int n) {
  // The store rounds the product once, as a 32-bit float multiply does.
  volatile float time = static_cast<float>(n) * 0.01f;
  return time;
}

float roundToFloat(double value) {
  volatile float rounded = static_cast<float>(value);
  return rounded;
}

double segmentPosition(float timeA, float timeB, float t) {
  double length = static_cast<double>(timeB) - timeA;
  if (length == 0.0) return 1.0;
  return (static_cast<double>(t) - timeA) / length;
}

namespace {

// Share of the segment's length in the span from one key to another, used
// to adjust a tangent for unequal key spacing; 0 when the span is empty.
float timingScale(const KbKnot& a, const KbKnot& b, float spanStart, float spanEnd) {
  double span = static_cast<double>(spanEnd) - spanStart;
  if (span == 0.0) return 0.0f;
  return roundToFloat((static_cast<double>(b.time) - a.time) / span);
}

// to - from, rounded to a 32-bit float.
double difference(float to, float from) { return roundToFloat(static_cast<double>(to) - from); }

void setHermiteWeights(KbSegment& s) {
  double u = s.u, u2 = u * u, u3 = u2 * u;
  double h2 = 3.0 * u2 - 2.0 * u3;
  s.h1 = roundToFloat(1.0 - h2);
  s.h2 = roundToFloat(h2);
  s.h3 = roundToFloat(u3 - 2.0 * u2 + u);
  s.h4 = roundToFloat(u3 - u2);
}

float factor(float tension, float continuity, float bias) {
  return roundToFloat((1.0 - tension) * (1.0 + static_cast<double>(continuity)) *
                      (1.0 + static_cast<double>(bias)));
}

void setTangentFactors(KbSegment& s, const KbKnot& a, const KbKnot& b) {
  s.a = factor(a.tension, a.continuity, a.bias);
  s.b = factor(a.tension, -a.continuity, -a.bias);
  s.c = factor(b.tension, -b.continuity, b.bias);
  s.d = factor(b.tension, b.continuity, -b.bias);
}

}  // namespace

KbSegment makeKbSegment(const KbKnot* previous, const KbKnot& a, const KbKnot& b,
                        const KbKnot* next, bool linear, double u) {
  KbSegment s{};
  s.linear = linear;
  s.u = u;
  setHermiteWeights(s);
  setTangentFactors(s, a, b);
  s.slopeA = !previous || a.time == 0.0f;
  s.slopeB = !next || b.time == 1.0f;
  if (!s.slopeA) s.scaleA = timingScale(a, b, previous->time, b.time);
  if (!s.slopeB) s.scaleB = timingScale(a, b, a.time, next->time);
  return s;
}

float blendKbSegment(const KbSegment& s, float previous, float a, float b, float next) {
  double dv = difference(b, a);
  if (s.linear) return roundToFloat(a + dv * s.u);
  double tangentA = s.slopeA ? (static_cast<double>(s.a) + s.b) * dv * 0.5
                             : (s.a * difference(a, previous) + s.b * dv) * s.scaleA;
  double tangentB = s.slopeB ? (static_cast<double>(s.c) + s.d) * dv * 0.5
                             : (s.c * dv + s.d * difference(next, b)) * s.scaleB;
  return roundToFloat(s.h1 * static_cast<double>(a) + s.h2 * static_cast<double>(b) +
                      s.h3 * tangentA + s.h4 * tangentB);
}

}  // namespace vta
