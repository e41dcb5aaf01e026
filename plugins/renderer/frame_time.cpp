#include "frame_time.h"

#include "filter_mode.h"
#include "vantaro/vantaro.h"
#include "vec3.h"

namespace rnd {

FrameTime frameTime(const float* globals, double t) {
  FrameTime time;
  if (filterMode(globals).on) {
    time.u = clamp01(static_cast<float>(t));
    return time;
  }
  float period = globals[VTA_TRANSITION_PERIOD] / 100.0f;
  if (!(period > 0.0f) || period > 1.0f) period = 1.0f;
  float s = clamp01((static_cast<float>(t) - (1.0f - period) / 2.0f) / period);
  time.exchange = globals[VTA_FLY_MODE] == 1.0f;
  time.u = time.exchange ? 1.0f - s : s;
  return time;
}

}  // namespace rnd
