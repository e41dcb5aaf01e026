#pragma once
// Triangle filling and edge drawing into a canvas. Vertices are in canvas
// pixels (x right, y down) with their nearness (1 / camera distance) and the
// values interpolated across the face: picture u, v, the diffuse light
// (r, g, b) and the specular light (r, g, b); with shadows also the parts of
// both that come from shadow-casting lights and the world position.

#include "abort_poll.h"
#include "canvas.h"
#include "shadow_map.h"
#include "surface_look.h"

namespace rnd {

constexpr int kShadedVaryings = 8;  // what a face without shadows uses
constexpr int kVaryings = 17;
enum Varying {
  kU = 0,
  kV = 1,
  kDiffuse = 2,
  kSpecular = 5,
  kCastDiffuse = 8,
  kCastSpecular = 11,
  kWorld = 14
};

struct RasterVertex {
  float x, y, nearness;
  float value[kVaryings];
};

// Fills the triangle's samples that are nearer than the canvas's, blending
// by look.alpha; writeDepth records their nearness. With active shadows a
// sample loses the shadowed share of the shadow-casting lights. Asks abort
// every few rows and gives up once it says stop.
void fillTriangle(Canvas& canvas, const RasterVertex* v, const SurfaceLook& look, bool writeDepth,
                  const Shadows& shadows, AbortPoll& abort);

// How many samples fillTriangle() takes at once: 8 where the processor
// has AVX2, else 4 (SSE2; 1 without it). Every width draws the same bits.
int fillLanes();
// Lets tests compare the widths: 4, or 0 for the widest the processor has
// (also what a width it lacks gives; the environment's VTA_FILL_LANES is
// read the same way at the start). Returns the width now used, for every
// thread.
int useFillLanes(int lanes);

// Draws a one-sample-wide line in the picture's colour (unlit) over the canvas.
void drawEdge(Canvas& canvas, const RasterVertex& a, const RasterVertex& b,
              const SurfaceLook& look);

}  // namespace rnd
