#pragma once
// Neighbouring samples of one canvas row at once, L::n of them (lane_set.h
// says which widths there are and why the code has internal linkage).
#if defined(__SSE2__)
#include "edge_line.h"
#include "lane_set.h"
#include "vec3.h"

namespace rnd {
namespace {

constexpr int kLanes = Lanes4::n;

// The centres of samples px to px + L::n - 1 of a row.
template <typename L = Lanes4>
typename L::F laneCentres(int px) {
  return L::add(L::toFloat(L::counting(px)), L::set(0.5f));
}

// Bit k set where sample k lies inside the face (RowEdges::inside).
template <typename L = Lanes4>
int insideLanes(const RowEdges& row, typename L::F x) {
  const typename L::F zero = L::zero();
  typename L::F inside = L::allSet();
  for (int i = 0; i < 3; ++i) {
    const EdgeLine& e = row.edges[i];
    const typename L::F w = L::add(L::add(L::mul(L::set(e.a), x), L::set(row.by[i])), L::set(e.c));
    typename L::F in = L::greater(w, zero);
    if (e.ownsBoundary) in = L::either(in, L::equal(w, zero));
    inside = L::both(inside, in);
  }
  return L::mask(inside);
}

// start + perX * (x - originX) in each lane.
template <typename L = Lanes4>
typename L::F laneLine(float start, float perX, typename L::F x, float originX) {
  return L::add(L::set(start), L::mul(L::set(perX), L::sub(x, L::set(originX))));
}

// dot(row, v) of vectors v (their coordinates in lanes), in dot()'s order.
template <typename L = Lanes4>
typename L::F dotLanes(const Vec3& row, typename L::F x, typename L::F y, typename L::F z) {
  const typename L::F xy = L::add(L::mul(L::set(row.x), x), L::mul(L::set(row.y), y));
  return L::add(xy, L::mul(L::set(row.z), z));
}

}  // namespace
}  // namespace rnd
#endif
