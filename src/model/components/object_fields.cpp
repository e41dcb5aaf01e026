#include "model/components/object_fields.h"

namespace vta {

namespace {

constexpr FieldType F32 = FieldType::kF32, U16 = FieldType::kU16, U32 = FieldType::kU32,
                    BYTES = FieldType::kBytes, KEY = FieldType::kKey;

constexpr FieldLayout kColumns{"columns", U16, offsetof(ObjectFields, firstWord), 1};
// Non-zero keeps the object's path out of the path editor; every object the
// editor may shape stores 0.
constexpr FieldLayout kPathLocked{"pathLocked", U16, offsetof(ObjectFields, secondWord), 1};
constexpr FieldLayout kMorphFrames{"morphFrames", U32, offsetof(ObjectFields, morphFrames), 1};
constexpr FieldLayout kPlacement{"placement", KEY, offsetof(ObjectFields, motion), 1};
constexpr FieldLayout kMorphPosition{"morphPosition", F32, offsetof(ObjectFields, morphPosition),
                                     1};
constexpr FieldLayout kDoubleSided{"doubleSided", U16, offsetof(ObjectFields, settings), 1};
constexpr FieldLayout kBackSource{"backSource", U16, offsetof(ObjectFields, settings) + 2, 1};
constexpr FieldLayout kReserved{"reserved", BYTES, offsetof(ObjectFields, settings) + 4, 4};
constexpr FieldLayout kPivot{"pivot", F32, offsetof(ObjectFields, block12), 3};
constexpr FieldLayout kFade{"fade", F32, offsetof(ObjectFields, fade), 1};
constexpr FieldLayout kSurface{"surface", U32, offsetof(ObjectFields, surfaceNumber), 1};

const FieldLayout kTable[] = {kColumns,       kPathLocked,  kMorphFrames, kPlacement,
                              kMorphPosition, kDoubleSided, kBackSource,  kReserved,
                              kPivot,         kFade,        kSurface};

static_assert(sizeof(ObjectPoint) == 12, "a pivot is three packed floats");

}  // namespace

ObjectSetup objectSetup(const ObjectFields& fields) {
  ObjectSetup setup;
  setup.columns = loadField<uint16_t>(&fields, kColumns);
  setup.rows = setup.columns ? static_cast<uint16_t>(fields.pointCount / setup.columns) : 0;
  setup.placement = loadField<PathKey>(&fields, kPlacement);
  setup.pivot = loadField<ObjectPoint>(&fields, kPivot);
  setup.doubleSided = loadField<uint16_t>(&fields, kDoubleSided) == 1;
  setup.backSource = loadField<uint16_t>(&fields, kBackSource);
  return setup;
}

void storeObjectSetup(ObjectFields& fields, const ObjectSetup& setup) {
  storeField(&fields, kColumns, setup.columns);
  storeField(&fields, kPlacement, setup.placement);
  storeField(&fields, kPivot, setup.pivot);
  storeField(&fields, kDoubleSided, static_cast<uint16_t>(setup.doubleSided ? 1 : 0));
  storeField(&fields, kBackSource, setup.backSource);
}

FieldTable objectFieldTable() { return tableOf(kTable); }

}  // namespace vta
