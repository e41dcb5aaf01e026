#pragma once
// The edge function of a triangle side, shared by the rasterisers: positive
// inside a counter-clockwise triangle (in pixel space, y down), with the
// top-left rule deciding who owns samples exactly on a shared edge.

namespace rnd {

struct EdgeLine {
  float a, b, c;
  bool ownsBoundary;

  template <typename Point>
  EdgeLine(const Point& p, const Point& q) : a(p.y - q.y), b(q.x - p.x), c(p.x * q.y - p.y * q.x) {
    float dy = q.y - p.y, dx = q.x - p.x;
    ownsBoundary = dy > 0 || (dy == 0 && dx < 0);
  }
  float at(float x, float y) const { return a * x + b * y + c; }
  bool inside(float w) const { return w > 0 || (w == 0 && ownsBoundary); }
};

}  // namespace rnd
