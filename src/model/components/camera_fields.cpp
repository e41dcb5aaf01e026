#include "model/components/camera_fields.h"

namespace vta {

namespace {

constexpr FieldType F32 = FieldType::kF32, KEY = FieldType::kKey;

constexpr FieldLayout kPlacement{"placement", KEY, offsetof(CameraFields, motion), 1};
constexpr FieldLayout kFieldOfView{"fieldOfView", F32, offsetof(CameraFields, block12), 1};
constexpr FieldLayout kNear{"near", F32, offsetof(CameraFields, block12) + 4, 1};
constexpr FieldLayout kFar{"far", F32, offsetof(CameraFields, block12) + 8, 1};
constexpr FieldLayout kBackground{"background", F32, offsetof(CameraFields, block16), 3};
constexpr FieldLayout kAmbient{"ambient", F32, offsetof(CameraFields, block16) + 12, 1};

const FieldLayout kTable[] = {kPlacement, kFieldOfView, kNear, kFar, kBackground, kAmbient};

}  // namespace

CameraSetup cameraSetup(const CameraFields& fields) {
  CameraSetup setup;
  setup.placement = loadField<PathKey>(&fields, kPlacement);
  setup.fieldOfView = loadField<float>(&fields, kFieldOfView);
  setup.nearClip = loadField<float>(&fields, kNear);
  setup.farClip = loadField<float>(&fields, kFar);
  setup.background = loadField<ColourRgb>(&fields, kBackground);
  setup.ambient = loadField<float>(&fields, kAmbient);
  return setup;
}

void storeCameraSetup(CameraFields& fields, const CameraSetup& setup) {
  storeField(&fields, kPlacement, setup.placement);
  storeField(&fields, kFieldOfView, setup.fieldOfView);
  storeField(&fields, kNear, setup.nearClip);
  storeField(&fields, kFar, setup.farClip);
  storeField(&fields, kBackground, setup.background);
  storeField(&fields, kAmbient, setup.ambient);
}

FieldTable cameraFieldTable() { return tableOf(kTable); }

}  // namespace vta
