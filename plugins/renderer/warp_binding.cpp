#include "warp_binding.h"

namespace rnd {

void WarpBinding::setUp(const vta::WarpComponent& warp) {
  auto set = reinterpret_cast<VtaWarpSetFunction>(warp.warpSetEntry);
  map = reinterpret_cast<VtaWarpCallbackFunction>(warp.warpCallbackEntry);
  warpPicture = reinterpret_cast<VtaWarpFunction>(warp.warpEntry);
  active_ = set && set(&state, warp.warpAmount, warp.valueCount, warp.values) != 0;
}

}  // namespace rnd
