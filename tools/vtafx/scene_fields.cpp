#include "scene_fields.h"

#include "model/components/camera.h"
#include "model/components/light.h"
#include "model/components/object.h"
#include "model/components/surface.h"
#include "model/components/warp.h"

namespace vtafx {

namespace {

using vta::CameraFields;
using vta::LightFields;
using vta::ObjectFields;
using vta::SurfaceFields;
using vta::WarpFields;

constexpr FieldType F32 = FieldType::kF32, U16 = FieldType::kU16, U32 = FieldType::kU32,
                    BYTES = FieldType::kBytes, TEXT = FieldType::kText, KEY = FieldType::kKey;

const FieldLayout kCamera[] = {
    {"placement", KEY, offsetof(CameraFields, motion), 1},
    {"fieldOfView", F32, offsetof(CameraFields, block12), 1},
    {"near", F32, offsetof(CameraFields, block12) + 4, 1},
    {"far", F32, offsetof(CameraFields, block12) + 8, 1},
    {"background", F32, offsetof(CameraFields, block16), 3},
    {"ambient", F32, offsetof(CameraFields, block16) + 12, 1},
};

const FieldLayout kLight[] = {
    {"lightKind", U16, offsetof(LightFields, lightWord), 1},
    {"colour", F32, offsetof(LightFields, block16), 3},
    {"intensity", F32, offsetof(LightFields, block16) + 12, 1},
    {"placement", KEY, offsetof(LightFields, motion), 1},
    {"coneAngle", F32, offsetof(LightFields, block12), 1},
    {"range", F32, offsetof(LightFields, block12) + 4, 1},
    {"reserved", BYTES, offsetof(LightFields, block12) + 8, 4},
    {"castsShadows", U32, offsetof(LightFields, firstValue), 1},
    {"followsLightDirection", U32, offsetof(LightFields, secondValue), 1},
};

const FieldLayout kObject[] = {
    {"columns", U16, offsetof(ObjectFields, firstWord), 1},
    {"rows", U16, offsetof(ObjectFields, secondWord), 1},
    {"morphFrames", U32, offsetof(ObjectFields, morphFrames), 1},
    {"placement", KEY, offsetof(ObjectFields, motion), 1},
    {"morphPosition", F32, offsetof(ObjectFields, morphPosition), 1},
    {"doubleSided", U16, offsetof(ObjectFields, settings), 1},
    {"backSource", U16, offsetof(ObjectFields, settings) + 2, 1},
    {"reserved", BYTES, offsetof(ObjectFields, settings) + 4, 4},
    {"pivot", F32, offsetof(ObjectFields, block12), 3},
    {"fade", F32, offsetof(ObjectFields, fade), 1},
    {"surface", U32, offsetof(ObjectFields, surfaceNumber), 1},
};

const FieldLayout kSurface[] = {
    {"mapping", U16, offsetof(SurfaceFields, mappingKind), 1},
    {"entry", U16, offsetof(SurfaceFields, objectIndex), 1},
    {"colour", F32, offsetof(SurfaceFields, blocks), 4},
    {"mapArea", F32, offsetof(SurfaceFields, blocks) + 16, 4},
    {"reserved1", BYTES, offsetof(SurfaceFields, blocks) + 32, 16},
    {"brightness", F32, offsetof(SurfaceFields, amount), 1},
    {"reserved2", BYTES, offsetof(SurfaceFields, fourthBlock), 16},
    {"mapFile", TEXT, offsetof(SurfaceFields, mapFile), 256},
    {"frameOffset", F32, offsetof(SurfaceFields, frameOffset), 1},
    {"runtime", U32, offsetof(SurfaceFields, runtimeWord), 1},
    {"screenMapped", U32, offsetof(SurfaceFields, mapWord), 1},
    {"reserved3", BYTES, offsetof(SurfaceFields, vectors), 24},
    {"reserved4", BYTES, offsetof(SurfaceFields, lastWord), 2},
};

const FieldLayout kWarp[] = {
    {"name", TEXT, offsetof(WarpFields, warpName), 41},
    {"amount", F32, offsetof(WarpFields, warpAmount), 1},
};

template <size_t N>
FieldTable tableOf(const FieldLayout (&fields)[N]) {
  return FieldTable{fields, N};
}

}  // namespace

FieldTable cameraFieldTable() { return tableOf(kCamera); }
FieldTable lightFieldTable() { return tableOf(kLight); }
FieldTable objectFieldTable() { return tableOf(kObject); }
FieldTable surfaceFieldTable() { return tableOf(kSurface); }
FieldTable warpFieldTable() { return tableOf(kWarp); }

}  // namespace vtafx
