#include "model/components/surface_fields.h"

namespace vta {

namespace {

constexpr FieldType F32 = FieldType::kF32, U16 = FieldType::kU16, U32 = FieldType::kU32,
                    BYTES = FieldType::kBytes, TEXT = FieldType::kText;

constexpr size_t kBlocks = offsetof(SurfaceFields, blocks);

constexpr FieldLayout kMapping{"mapping", U16, offsetof(SurfaceFields, mappingKind), 1};
constexpr FieldLayout kEntry{"entry", U16, offsetof(SurfaceFields, objectIndex), 1};
constexpr FieldLayout kColour{"colour", F32, kBlocks, 4};
constexpr FieldLayout kMapArea{"mapArea", F32, kBlocks + 16, 4};
constexpr FieldLayout kReserved1{"reserved1", BYTES, kBlocks + 32, 16};
constexpr FieldLayout kBrightness{"brightness", F32, offsetof(SurfaceFields, amount), 1};
constexpr FieldLayout kReserved2{"reserved2", BYTES, offsetof(SurfaceFields, fourthBlock), 16};
constexpr FieldLayout kMapFile{"mapFile", TEXT, offsetof(SurfaceFields, mapFile),
                               sizeof SurfaceFields::mapFile};
constexpr FieldLayout kFrameOffset{"frameOffset", F32, offsetof(SurfaceFields, frameOffset), 1};
constexpr FieldLayout kRuntime{"runtime", U32, offsetof(SurfaceFields, runtimeWord), 1};
constexpr FieldLayout kScreenMapped{"screenMapped", U32, offsetof(SurfaceFields, mapWord), 1};
constexpr FieldLayout kReserved3{"reserved3", BYTES, offsetof(SurfaceFields, vectors), 24};
constexpr FieldLayout kReserved4{"reserved4", BYTES, offsetof(SurfaceFields, lastWord), 2};

const FieldLayout kTable[] = {kMapping,      kEntry,     kColour,   kMapArea,     kReserved1,
                              kBrightness,   kReserved2, kMapFile,  kFrameOffset, kRuntime,
                              kScreenMapped, kReserved3, kReserved4};

static_assert(sizeof(MapArea) == 16, "a map area is four packed floats");

}  // namespace

bool SurfaceSetup::showsVideoSource() const {
  return mapping != SurfaceMapping::kColourOnly && mapping != SurfaceMapping::kTexture;
}

ColourRgba SurfaceSetup::colourInUse() const {
  const bool unset = colour.red == 0 && colour.green == 0 && colour.blue == 0 && colour.alpha == 0;
  return unset ? ColourRgba{1, 1, 1, 1} : colour;
}

MapArea SurfaceSetup::mapAreaInUse() const {
  const MapArea& a = mapArea;
  const bool unset = a.u0 == 0 && a.v0 == 0 && a.u1 == 0 && a.v1 == 0;
  return unset ? MapArea{0, 0, 1, 1} : a;
}

SurfaceSetup surfaceSetup(const SurfaceFields& fields) {
  SurfaceSetup setup;
  setup.mapping = static_cast<SurfaceMapping>(loadField<uint16_t>(&fields, kMapping));
  setup.entry = loadField<uint16_t>(&fields, kEntry);
  setup.colour = loadField<ColourRgba>(&fields, kColour);
  setup.mapArea = loadField<MapArea>(&fields, kMapArea);
  setup.brightness = loadField<float>(&fields, kBrightness);
  setup.screenMapped = loadField<uint32_t>(&fields, kScreenMapped) == 1;
  return setup;
}

void storeSurfaceSetup(SurfaceFields& fields, const SurfaceSetup& setup) {
  storeField(&fields, kMapping, static_cast<uint16_t>(setup.mapping));
  storeField(&fields, kEntry, setup.entry);
  storeField(&fields, kColour, setup.colour);
  storeField(&fields, kMapArea, setup.mapArea);
  storeField(&fields, kBrightness, setup.brightness);
  storeField(&fields, kScreenMapped, static_cast<uint32_t>(setup.screenMapped ? 1 : 0));
}

FieldTable surfaceFieldTable() { return tableOf(kTable); }

}  // namespace vta
