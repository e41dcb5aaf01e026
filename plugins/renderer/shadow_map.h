#pragma once
// Shadows of one frame (docs/scene.md, "Shadows"): a depth map seen from
// every light that casts shadows, holding the nearest object and its
// opacity, and the test of a point against them.

#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "light_rig.h"
#include "object_mesh.h"
#include "vec3.h"

namespace rnd {

class ShadowMap {
 public:
  ShadowMap() = default;
  ShadowMap(const Light& light, const std::vector<ObjectMesh>& meshes) { draw(light, meshes); }

  // Draws the map of the meshes seen from light (directional, point or
  // spot), in place of what the map held before.
  void draw(const Light& light, const std::vector<ObjectMesh>& meshes);

  // How much of the light the nearest object between the light and point
  // holds back: 0 (nothing in the way) to 1 (an opaque object).
  float occlusion(Vec3 point) const;
#if defined(__SSE2__)
  // occlusion() of four points (their coordinates in lanes), the same bits.
  __m128 occlusionLanes(__m128 x, __m128 y, __m128 z) const;
#endif

 private:
  struct MapPoint {
    float x, y;       // map texels
    float closeness;  // larger is nearer the light
    float depth;      // distance along the light's direction
    bool valid;
  };
  struct Lookup {
    float x, y;        // map texels
    float nearerThan;  // closeness of objects that hold the light back
    bool valid;
  };
  MapPoint toMap(Vec3 world) const;
  Lookup lookupOf(Vec3 point) const;
  void frame(const std::vector<ObjectMesh>& meshes);
  void drawMesh(const ObjectMesh& mesh);
  void drawTriangle(const MapPoint* corner, float opacity);
  // Opacity of texel x, y where its object's closeness exceeds nearerThan.
  float heldBack(int x, int y, float nearerThan) const;

  struct Texel {
    float closeness;  // of the nearest object drawn there
    float opacity;    // of that object; 0 where none
  };
  // Empties the texels drawn since the last clearing.
  void clear();

  Vec3 origin_;
  Mat3 basis_;  // rows: right, up, toward where the light travels
  bool perspective_ = false;
  float minX_ = 0, minY_ = 0, scaleX_ = 0, scaleY_ = 0;  // orthographic framing
  float extent_ = 1;     // perspective: tangent of the half view angle
  float texelSize_ = 0;  // world size of a texel at distance 1 (or flat)
  std::vector<Texel> texels_;
  int drawnX0_ = 0, drawnX1_ = 0, drawnY0_ = 0, drawnY1_ = 0;  // texels drawn: [x0, x1) x [y0, y1)
  std::vector<MapPoint> points_;                               // of the mesh being drawn
};

// The maps of all shadow-casting lights with the frame's darkness. The
// maps' memory stays for the next frame.
class Shadows {
 public:
  // Sets up the frame's shadows: on when the shadows option and lighting
  // are on and some light casts.
  void prepare(const LightRig& lights, const std::vector<ObjectMesh>& meshes, float shadowsPercent,
               bool lighting);

  bool active() const { return darkness_ > 0 && used_ > 0; }
  // Share of the shadow-casting lights' light that point loses: the
  // darkness times the mean occlusion over those lights.
  float loss(Vec3 point) const;
#if defined(__SSE2__)
  // loss() of four points (their coordinates in lanes), the same bits.
  __m128 lossLanes(__m128 x, __m128 y, __m128 z) const;
#endif

 private:
  std::vector<ShadowMap> maps_;  // the first used_ are this frame's
  size_t used_ = 0;
  float darkness_ = 0;  // 0 to 1
  float perMap_ = 0;    // darkness_ over the maps in use
};

}  // namespace rnd
