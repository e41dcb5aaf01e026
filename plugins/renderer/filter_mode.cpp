#include "filter_mode.h"

#include "frame_time.h"

namespace rnd {

FilterMode filterMode(const float* globals) {
  FilterMode mode;
  mode.on = globals[kFilterOn] == 1.0f;
  float index = globals[kFilterSource];
  if (index >= 0 && index < 20) mode.source = static_cast<unsigned>(index) + 1;
  return mode;
}

SceneTurn filterTurn(const float* globals, Vec3 forward, float cameraDistance) {
  SceneTurn turn;
  if (!filterMode(globals).on) return turn;
  turn.active = true;
  turn.rotation = rotationXYZ(globals[kFilterRotateX], globals[kFilterRotateY],
                              globals[kFilterRotateZ]);
  float distance = globals[kFilterDistance] > 0 ? globals[kFilterDistance] / 100 : 0;
  turn.shift = forward * (distance * cameraDistance);
  return turn;
}

}  // namespace rnd
