#include "light_rig.h"

#include <cmath>

#include "frame_time.h"
#include "placement.h"
#include "vantaro/vantaro.h"

namespace rnd {

namespace {

constexpr float kShineExponent = 40.0f;

Light lightOf(const vta::LightComponent& c, const FrameOptions& options) {
  const vta::LightSetup setup = vta::lightSetup(c);
  Light light;
  light.kind = setup.kind;
  light.colour = Vec3{setup.colour.red, setup.colour.green, setup.colour.blue} * setup.intensity;
  vta::PathKey key = setup.placement;
  if (setup.followsLightDirection) key.rotationY += options.global[VTA_LIGHT_DIRECTION];
  Placement placement = placementOf(key);
  light.position = placement.position;
  light.direction = normalized(placement.rotation.apply({0, 0, -1}));
  light.cosHalfCone = std::cos(radians(setup.coneAngle / 2));
  light.range = setup.range;
  light.castsShadows = setup.castsShadows;
  return light;
}

// Direction toward the light and the light's strength at point.
float reach(const Light& light, Vec3 point, Vec3& toLight) {
  if (light.kind == vta::LightKind::kDirectional) {
    toLight = light.direction * -1.0f;
    return 1.0f;
  }
  Vec3 d = light.position - point;
  float distance = std::sqrt(dot(d, d));
  toLight = normalized(d);
  float strength = light.range > 0 ? clamp01(1.0f - distance / light.range) : 1.0f;
  bool spot = light.kind == vta::LightKind::kSpot;
  if (spot && dot(toLight * -1.0f, light.direction) < light.cosHalfCone) return 0.0f;
  return strength;
}

}  // namespace

Shade LightRig::shade(Vec3 point, Vec3 n, Vec3 eye, float shine) const {
  Shade result;
  result.diffuse = ambient;
  Vec3 toEye = normalized(eye - point);
  if (dot(n, toEye) < 0) n = n * -1.0f;
  for (const Light& light : lights) {
    Vec3 toLight;
    float strength = reach(light, point, toLight);
    float lambert = dot(n, toLight);
    if (strength <= 0 || lambert <= 0) continue;
    Vec3 diffuse = light.colour * (lambert * strength), specular;
    if (shine > 0) {
      float highlight = std::fmax(0.0f, dot(n, normalized(toLight + toEye)));
      specular = light.colour * (shine * strength * std::pow(highlight, kShineExponent));
    }
    result.diffuse = result.diffuse + diffuse;
    result.specular = result.specular + specular;
    if (!light.castsShadows) continue;
    result.castDiffuse = result.castDiffuse + diffuse;
    result.castSpecular = result.castSpecular + specular;
  }
  return result;
}

LightRig lightRig(const vta::EffectDescription& effect, const CameraView& camera,
                  const FrameOptions& options, float u) {
  LightRig rig;
  rig.ambient = Vec3{1, 1, 1} * camera.ambient;
  const vta::EffectComponent* head = effect.lists[vta::kLights].head;
  if (!head) {
    Light light;
    light.direction = camera.forward();
    rig.lights.push_back(light);
  }
  for (auto* c = head; c; c = c->next) {
    if (u < c->spanStart || u > c->spanEnd) continue;
    Light light = lightOf(*static_cast<const vta::LightComponent*>(c), options);
    if (light.kind == vta::LightKind::kAmbient)
      rig.ambient = rig.ambient + light.colour;
    else
      rig.lights.push_back(light);
  }
  return rig;
}

}  // namespace rnd
