#pragma once
// Picture::bilinear for L::n samples at once: the same operations per
// sample in the same order, each channel of the samples in one register,
// so the colours are the bits of single lookups (lane_set.h says why the
// code has internal linkage).
#if defined(__SSE2__)
#include "lane_set.h"
#include "picture.h"

namespace rnd {
namespace {

template <typename L = Lanes4>
struct ColourLanes {
  typename L::F r, g, b;
};

namespace lanes {

// i < 0 ? 0 : (i >= size ? size - 1 : i), per lane (Picture::clampIndex).
template <typename L = Lanes4>
typename L::I clampIndex(typename L::I i, int size) {
  const typename L::I last = L::seti(size - 1);
  i = L::notFirsti(L::greateri(L::zeroi(), i), i);
  const typename L::I beyond = L::greateri(i, last);
  return L::eitheri(L::bothi(beyond, last), L::notFirsti(beyond, i));
}

// Picture::floorToInt per lane: truncation, one less where that rounded up.
template <typename L = Lanes4>
typename L::I floorToInt(typename L::F f) {
  const typename L::I i = L::truncate(f);
  return L::addi(i, L::bits(L::less(f, L::toFloat(i))));
}

template <typename L>
typename L::F mix(typename L::F p, typename L::F q, typename L::F t) {
  return L::add(L::mul(p, L::sub(L::set(1), t)), L::mul(q, t));
}

}  // namespace lanes

// False, leaving out unset, where a lane's coordinates lie beyond the range
// that Picture::bilinear samples (it then takes one pixel instead), and for
// pictures one pixel wide, which the lanes' reads do not take.
template <typename L>
bool bilinearLanes(const Picture& picture, typename L::F u, typename L::F v, ColourLanes<L>& out) {
  using F = typename L::F;
  const F half = L::set(0.5f);
  const F fx = L::sub(L::mul(u, L::set(float(picture.width()))), half);
  const F fy = L::sub(L::mul(v, L::set(float(picture.height()))), half);
  const F low = L::set(-1e6f), high = L::set(1e6f);
  const F inRange = L::both(L::both(L::greater(fx, low), L::less(fx, high)),
                            L::both(L::greater(fy, low), L::less(fy, high)));
  if (L::mask(inRange) != L::all || picture.width() < 2) return false;
  using I = typename L::I;
  const I x0 = lanes::floorToInt<L>(fx), y0 = lanes::floorToInt<L>(fy);
  const F ax = L::sub(fx, L::toFloat(x0)), ay = L::sub(fy, L::toFloat(y0));
  const I xa = lanes::clampIndex<L>(x0, picture.width());
  const I xb = lanes::clampIndex<L>(L::addi(x0, L::seti(1)), picture.width());
  const I ya = lanes::clampIndex<L>(y0, picture.height());
  const I yb = lanes::clampIndex<L>(L::addi(y0, L::seti(1)), picture.height());
  const auto read = [&](I x, I y, F(&bgr)[3]) {
    L::pixels(picture.bytesAt(0, 0), picture.rowStep(), picture.width(), x, y, bgr);
  };
  F a[3], b[3], c[3], d[3];
  read(xa, ya, a), read(xb, ya, b), read(xa, yb, c), read(xb, yb, d);
  const F scale = L::set(1.0f / 255.0f);
  F bgr[3];
  for (int k = 0; k < 3; ++k) {
    const F upper = lanes::mix<L>(a[k], b[k], ax);
    const F lower = lanes::mix<L>(c[k], d[k], ax);
    bgr[k] = L::mul(lanes::mix<L>(upper, lower, ay), scale);
  }
  out = {bgr[2], bgr[1], bgr[0]};
  return true;
}

}  // namespace
}  // namespace rnd
#endif
