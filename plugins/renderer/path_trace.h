#pragma once
// Where the edited object's path takes it: the world points a path-editor
// view draws as the path's line and its key marks.

#include <vector>

#include "filter_mode.h"
#include "model/effect_settings.h"
#include "vec3.h"

namespace rnd {

struct PathTrace {
  std::vector<Vec3> line;  // the path at scene times 0 to 1, evenly spread
  std::vector<Vec3> keys;  // the path at each key's time
  int currentKey = -1;     // index of the key within 0.005 of the job's time, or -1
};

// The trace of the path that moves objectId (the record's, else the
// effect's). Each point is where the object's pivot stands at that time,
// placed as the scene places it (path rotation, parents, x times aspect,
// filter mode's turn); without such an object, the path's own positions.
// Empty when no path with keys moves the object.
PathTrace tracePath(vta::EffectDescription& effect, const vta::EffectSettings& record,
                    unsigned objectId, float aspect, const SceneTurn& turn, double t);

}  // namespace rnd
