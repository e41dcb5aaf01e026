#include "model/components/light_fields.h"

namespace vta {

namespace {

constexpr FieldType F32 = FieldType::kF32, U16 = FieldType::kU16, U32 = FieldType::kU32,
                    BYTES = FieldType::kBytes, KEY = FieldType::kKey;

constexpr FieldLayout kKind{"lightKind", U16, offsetof(LightFields, lightWord), 1};
constexpr FieldLayout kColour{"colour", F32, offsetof(LightFields, block16), 3};
constexpr FieldLayout kIntensity{"intensity", F32, offsetof(LightFields, block16) + 12, 1};
constexpr FieldLayout kPlacement{"placement", KEY, offsetof(LightFields, motion), 1};
constexpr FieldLayout kConeAngle{"coneAngle", F32, offsetof(LightFields, block12), 1};
constexpr FieldLayout kRange{"range", F32, offsetof(LightFields, block12) + 4, 1};
constexpr FieldLayout kReserved{"reserved", BYTES, offsetof(LightFields, block12) + 8, 4};
constexpr FieldLayout kCastsShadows{"castsShadows", U32, offsetof(LightFields, firstValue), 1};
constexpr FieldLayout kFollows{"followsLightDirection", U32, offsetof(LightFields, secondValue), 1};

const FieldLayout kTable[] = {kKind,  kColour,   kIntensity,    kPlacement, kConeAngle,
                              kRange, kReserved, kCastsShadows, kFollows};

constexpr uint16_t kLastKind = static_cast<uint16_t>(LightKind::kSpot);

uint32_t flag(bool on) { return on ? 1 : 0; }

}  // namespace

LightSetup lightSetup(const LightFields& fields) {
  LightSetup setup;
  const auto kind = loadField<uint16_t>(&fields, kKind);
  setup.kind = kind <= kLastKind ? static_cast<LightKind>(kind) : LightKind::kDirectional;
  setup.colour = loadField<ColourRgb>(&fields, kColour);
  setup.intensity = loadField<float>(&fields, kIntensity);
  setup.placement = loadField<PathKey>(&fields, kPlacement);
  setup.coneAngle = loadField<float>(&fields, kConeAngle);
  setup.range = loadField<float>(&fields, kRange);
  setup.castsShadows = loadField<uint32_t>(&fields, kCastsShadows) == 1;
  setup.followsLightDirection = loadField<uint32_t>(&fields, kFollows) == 1;
  return setup;
}

void storeLightSetup(LightFields& fields, const LightSetup& setup) {
  storeField(&fields, kKind, static_cast<uint16_t>(setup.kind));
  storeField(&fields, kColour, setup.colour);
  storeField(&fields, kIntensity, setup.intensity);
  storeField(&fields, kPlacement, setup.placement);
  storeField(&fields, kConeAngle, setup.coneAngle);
  storeField(&fields, kRange, setup.range);
  storeField(&fields, kCastsShadows, flag(setup.castsShadows));
  storeField(&fields, kFollows, flag(setup.followsLightDirection));
}

FieldTable lightFieldTable() { return tableOf(kTable); }

}  // namespace vta
