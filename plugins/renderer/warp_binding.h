#pragma once
// A warp component's plug-in, set up for one frame.

#include "model/components/warp.h"
#include "vantaro/warp.h"

namespace rnd {

struct WarpBinding {
  VtaWarpState state{};
  VtaWarpCallbackFunction map = nullptr;
  VtaWarpFunction warpPicture = nullptr;

  // Calls VTA_Warp_Set with the component's current amount and values; the
  // binding stays inactive when the plug-in is missing or declines.
  void setUp(const vta::WarpComponent& warp);
  bool active() const { return active_; }

 private:
  bool active_ = false;
};

}  // namespace rnd
