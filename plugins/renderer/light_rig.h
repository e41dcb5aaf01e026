#pragma once
// The lights of one frame and the shading they give a point.

#include <vector>

#include "camera_view.h"
#include "model/components/light_fields.h"
#include "model/effect_description.h"
#include "scene_components.h"
#include "vec3.h"

namespace rnd {

struct Light {
  vta::LightKind kind = vta::LightKind::kDirectional;
  Vec3 colour{1, 1, 1};  // colour times intensity
  Vec3 position;
  Vec3 direction{0, 0, -1};  // where the light travels
  float cosHalfCone = -1;
  float range = 0;
  bool castsShadows = false;
};

struct Shade {
  Vec3 diffuse;   // multiplies the picture
  Vec3 specular;  // added to it
  // The parts of both that come from lights casting shadows.
  Vec3 castDiffuse, castSpecular;
};

struct LightRig {
  std::vector<Light> lights;  // ambient lights excluded
  Vec3 ambient;

  // Shading of a point with normal n (turned toward eye) for a surface of
  // the given shine (0 to 1).
  Shade shade(Vec3 point, Vec3 n, Vec3 eye, float shine) const;
};

// Lights present at u; a scene without light components gets one white
// directional light along the camera's view.
LightRig lightRig(const vta::EffectDescription& effect, const CameraView& camera,
                  const FrameOptions& options, float u);

}  // namespace rnd
