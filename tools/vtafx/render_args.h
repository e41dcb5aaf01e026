#pragma once
// The arguments of `vtafx render`.

#include <cstdint>
#include <map>
#include <string>

#include "commands.h"

namespace vtafx {

struct RenderArgs {
  std::string effect;  // EFFECT, or the effect the record names
  std::string record;  // --record FILE
  std::string install, out = ".", from, to, renderer;
  uint32_t width = 0, height = 0, frames = 0;  // 0 until parsed: the mode's default
  uint32_t threads = 0;                        // --threads N; 0: one per core
  std::map<int, float> options;                // record reals by parameter index
};

// Either EFFECT or --record FILE, and --install. Without --size and
// --frames: 128 x 128 and 20 frames for EFFECT (as the preview at high
// quality), 640 x 360 and 50 frames for a record (as the demo host's
// Render dialog). False for a usage error.
bool parseRenderArgs(const Args& args, RenderArgs& r);

}  // namespace vtafx
