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

// A triangle's three edge functions along one sample row: the part that depends on y
// is taken once per row, summed in the order of EdgeLine::at, so that
// neighbouring faces still agree exactly on who owns a shared edge.
struct RowEdges {
  const EdgeLine* edges = nullptr;
  float by[3] = {};

  void setRow(const EdgeLine* e, float y) {
    edges = e;
    for (int i = 0; i < 3; ++i) by[i] = e[i].b * y;
  }
  bool inside(float x) const {
    for (int i = 0; i < 3; ++i)
      if (!edges[i].inside(edges[i].a * x + by[i] + edges[i].c)) return false;
    return true;
  }
};

}  // namespace rnd
