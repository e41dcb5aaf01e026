#pragma once
// Small vector and rotation helpers for scene evaluation.

#include <cmath>

namespace rnd {

constexpr float kPi = 3.14159265358979f;

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vec3 mul(Vec3 a, Vec3 b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }
inline float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline Vec3 normalized(Vec3 a) {
  float length = std::sqrt(dot(a, a));
  return length > 1e-12f ? a * (1.0f / length) : Vec3{0, 0, 1};
}
inline float radians(float degrees) { return degrees * (kPi / 180.0f); }

// A 3 x 3 matrix by rows.
struct Mat3 {
  Vec3 row[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

  Vec3 apply(Vec3 v) const { return {dot(row[0], v), dot(row[1], v), dot(row[2], v)}; }
  // The transpose applied: the inverse of a rotation.
  Vec3 applyInverse(Vec3 v) const { return row[0] * v.x + row[1] * v.y + row[2] * v.z; }
};

// R = Rz Ry Rx from angles in degrees: about x first, then y, then z.
inline Mat3 rotationXYZ(float degX, float degY, float degZ) {
  float cx = std::cos(radians(degX)), sx = std::sin(radians(degX));
  float cy = std::cos(radians(degY)), sy = std::sin(radians(degY));
  float cz = std::cos(radians(degZ)), sz = std::sin(radians(degZ));
  Mat3 m;
  m.row[0] = {cz * cy, cz * sy * sx - sz * cx, cz * sy * cx + sz * sx};
  m.row[1] = {sz * cy, sz * sy * sx + cz * cx, sz * sy * cx - cz * sx};
  m.row[2] = {-sy, cy * sx, cy * cx};
  return m;
}

inline float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

}  // namespace rnd
