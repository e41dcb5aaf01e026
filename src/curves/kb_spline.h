#pragma once
// Kochanek-Bartels (tension, continuity, bias) curve evaluation, the one copy
// shared by envelopes, paths, their editors and tools.
//
// A curve is an array of keys in time order; each key has time, tension,
// continuity, bias and linear fields plus one or more values. Between keys A
// and B the curve is a Hermite cubic (or a straight line when B is linear)
// whose tangents come from the neighbours P (before A) and N (after B),
// scaled for unequal key spacing. Where a neighbour is missing, or A is at
// time 0.0, or B at time 1.0, the tangent continues the segment's own slope.
//
// Precision: the Hermite weights, the tangent factors, the timing scales and
// every value difference are rounded to 32-bit floats before use; the
// segment position and the tangents are carried as doubles.

#include <cstdint>

namespace vta {

// Key time for a whole percentage n: n times the 32-bit float 0.01, rounded
// to a 32-bit float. Every producer of key times uses it, because key lookup
// compares times exactly.
float keyTimeFromPercent(int n);

// Rounds to the nearest 32-bit float, also where the compiler would carry
// floats at higher precision.
float roundToFloat(double value);

// The parts of a segment that do not depend on the value being blended.
struct KbSegment {
  bool linear;           // B.linear: blend straight by u
  double u;              // position in the segment, 0 at A and 1 at B
  float h1, h2, h3, h4;  // Hermite weights of A, B, TA and TB
  float a, b, c, d;      // tangent factors from A's and B's weights
  float scaleA, scaleB;  // timing scales of the tangents at A and B
  bool slopeA, slopeB;   // tangent at A (B) continues the segment's slope
};

// Position of t in the segment from timeA to timeB; 1 for a segment of no
// length (its end key wins).
double segmentPosition(float timeA, float timeB, float t);

// Time and weights of one key.
struct KbKnot {
  float time, tension, continuity, bias;
};

// The segment from a to b at position u; previous and next are the
// neighbours, null where there is none.
KbSegment makeKbSegment(const KbKnot* previous, const KbKnot& a, const KbKnot& b,
                        const KbKnot* next, bool linear, double u);

// One value on the segment, from the values at a and b and at the
// neighbours (ignored where the segment's slope stands in for them).
float blendKbSegment(const KbSegment& s, float previous, float a, float b, float next);

// Index i of the segment keys[i] to keys[i+1] for time t: the first whose end
// time is at or after t, else the last. count must be at least 2.
template <class Key>
uint32_t findSegment(const Key* keys, uint32_t count, float t) {
  uint32_t i = 0;
  while (i < count - 2 && !(t <= keys[i + 1].time)) ++i;
  return i;
}

template <class Key>
KbKnot knotOf(const Key& key) {
  return {key.time, key.tension, key.continuity, key.bias};
}

// Segment i of keys (count at least 2) at position u, reading only the keys
// i-1 to i+2 that exist.
template <class Key>
KbSegment makeSegment(const Key* keys, uint32_t count, uint32_t i, double u) {
  bool hasPrevious = i > 0, hasNext = i + 2 < count;
  KbKnot previous = hasPrevious ? knotOf(keys[i - 1]) : KbKnot{};
  KbKnot next = hasNext ? knotOf(keys[i + 2]) : KbKnot{};
  return makeKbSegment(hasPrevious ? &previous : nullptr, knotOf(keys[i]), knotOf(keys[i + 1]),
                       hasNext ? &next : nullptr, keys[i + 1].linear != 0, u);
}

// One field of the keys on segment i made by makeSegment.
template <class Key>
float blendField(const KbSegment& s, const Key* keys, uint32_t count, uint32_t i,
                 float Key::*field) {
  float previous = i > 0 ? keys[i - 1].*field : 0.0f;
  float next = i + 2 < count ? keys[i + 2].*field : 0.0f;
  return blendKbSegment(s, previous, keys[i].*field, keys[i + 1].*field, next);
}

}  // namespace vta
