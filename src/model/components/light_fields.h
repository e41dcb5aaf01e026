#pragma once
// What a light's stored fields mean in the scene (docs/scene.md, "Light"):
// the named field table and the typed setup read and written through it.

#include <cstdint>

#include "curves/path_key.h"
#include "model/components/light.h"
#include "model/components/scene_field.h"

namespace vta {

enum class LightKind : uint16_t { kAmbient = 0, kDirectional = 1, kPoint = 2, kSpot = 3 };

struct LightSetup {
  LightKind kind;    // a stored kind above 3 reads as directional
  ColourRgb colour;  // 0 to 1
  float intensity;   // multiplies the colour
  // Position (point, spot) and rotation (directional, spot); at rotation 0
  // light travels toward -z.
  PathKey placement;
  float coneAngle;  // spot: the full cone angle in degrees
  float range;      // point, spot: where the light has faded to nothing; 0 no fall-off
  bool castsShadows;
  bool followsLightDirection;  // the record's VTA_LIGHT_DIRECTION turns it about y
};

LightSetup lightSetup(const LightFields& fields);
// Writes every value of setup; the reserved bytes stay as they are.
void storeLightSetup(LightFields& fields, const LightSetup& setup);

// lightKind, colour, intensity, placement, coneAngle, range, reserved,
// castsShadows and followsLightDirection by name.
FieldTable lightFieldTable();

}  // namespace vta
