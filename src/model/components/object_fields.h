#pragma once
// What an object's stored fields mean in the scene (docs/scene.md,
// "Object"): the named field table and the typed setup read and written
// through it. The setup holds the fields stored under neutral names;
// morphFrames, morphPosition, fade and surfaceNumber say what they are and
// are used directly.

#include <cstdint>

#include "curves/path_key.h"
#include "model/components/object.h"
#include "model/components/scene_field.h"

namespace vta {

struct ObjectSetup {
  uint16_t columns;   // the grid of points, row by row
  uint16_t rows;      // as many as the points fill
  PathKey placement;  // the rest placement, used when no path moves the object
  ObjectPoint pivot;  // frame units; the object is scaled and rotated about it
  bool doubleSided;   // the back faces are drawn too
  // What the back shows: 0 the front picture seen through, n video source n.
  uint16_t backSource;
};

ObjectSetup objectSetup(const ObjectFields& fields);
// Writes every value of setup but rows, which the points give; the reserved
// settings stay as they are.
void storeObjectSetup(ObjectFields& fields, const ObjectSetup& setup);

// columns, pathLocked, morphFrames, placement, morphPosition, doubleSided,
// backSource, reserved, pivot, fade and surface by name.
FieldTable objectFieldTable();

}  // namespace vta
