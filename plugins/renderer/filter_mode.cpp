#include "filter_mode.h"

#include "frame_time.h"
#include "vantaro/vantaro.h"

namespace rnd {

FilterMode filterMode(const float* globals) {
  FilterMode mode;
  mode.on = globals[VTA_FILTER_ON] == 1.0f;
  float index = globals[VTA_FILTER_SOURCE];
  if (index >= 0 && index < 20) mode.source = static_cast<unsigned>(index) + 1;
  return mode;
}

SceneTurn filterTurn(const float* globals, Vec3 forward, float cameraDistance) {
  SceneTurn turn;
  if (!filterMode(globals).on) return turn;
  turn.active = true;
  turn.rotation = rotationXYZ(globals[VTA_FILTER_ROTATE_X], globals[VTA_FILTER_ROTATE_Y],
                              globals[VTA_FILTER_ROTATE_Z]);
  float distance = globals[VTA_FILTER_DISTANCE] > 0 ? globals[VTA_FILTER_DISTANCE] / 100 : 0;
  turn.shift = forward * (distance * cameraDistance);
  return turn;
}

}  // namespace rnd
