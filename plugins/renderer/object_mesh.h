#pragma once
// One object (or one trail copy of it) ready to draw: its grid in world
// space, picture coordinates and looks.

#include <vector>

#include "surface_look.h"
#include "vec3.h"

namespace rnd {

struct ObjectMesh {
  int columns = 0, rows = 0;
  std::vector<Vec3> world;  // columns x rows, row by row from the top left
  std::vector<float> u, v;  // picture coordinates per point
  SurfaceLook front, back;
  bool doubleSided = false;
  bool backMirrored = false;  // back shows its own picture, upright from behind
  float shine = 0;            // 0 to 1
  float luminosity = 0;       // 0 to 1
  float distance = 0;         // from the camera to the grid's centre, for sorting

  int index(int column, int row) const { return row * columns + column; }
};

}  // namespace rnd
