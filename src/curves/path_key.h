#pragma once
// One path key, laid out byte for byte as VtaPathKey, as the keys of a "PTH0"
// payload and as the 14-word motion block of lights, cameras and objects.

#include <cstddef>
#include <cstdint>

#include "curves/key_kind.h"
#include "vantaro/vantaro.h"

namespace vta {

struct PathKey {
  float time;
  // The nine placement values, in the order evaluation produces them.
  float positionX;
  float positionY;
  float positionZ;
  float rotationX;
  float rotationY;
  float rotationZ;
  float scaleX;
  float scaleY;
  float scaleZ;
  float tension;
  float continuity;
  float bias;
  uint16_t linear;  // non-zero: the segment ending at this key is straight
  uint16_t reserved;
};

constexpr uint32_t kPathKeySize = 56;
constexpr int kPlacementCount = 9;

// The placement values of a key, in evaluation order.
constexpr float PathKey::*kPlacementFields[kPlacementCount] = {
    &PathKey::positionX, &PathKey::positionY, &PathKey::positionZ,
    &PathKey::rotationX, &PathKey::rotationY, &PathKey::rotationZ,
    &PathKey::scaleX,    &PathKey::scaleY,    &PathKey::scaleZ};

#define VTA_PATH_KEY_FIELD(field, offset)                                                        \
  static_assert(offsetof(PathKey, field) == (offset) && offsetof(VtaPathKey, field) == (offset), \
                #field)
static_assert(sizeof(PathKey) == kPathKeySize && sizeof(VtaPathKey) == kPathKeySize, "size");
VTA_PATH_KEY_FIELD(time, 0);
VTA_PATH_KEY_FIELD(positionX, 4);
VTA_PATH_KEY_FIELD(positionY, 8);
VTA_PATH_KEY_FIELD(positionZ, 12);
VTA_PATH_KEY_FIELD(rotationX, 16);
VTA_PATH_KEY_FIELD(rotationY, 20);
VTA_PATH_KEY_FIELD(rotationZ, 24);
VTA_PATH_KEY_FIELD(scaleX, 28);
VTA_PATH_KEY_FIELD(scaleY, 32);
VTA_PATH_KEY_FIELD(scaleZ, 36);
VTA_PATH_KEY_FIELD(tension, 40);
VTA_PATH_KEY_FIELD(continuity, 44);
VTA_PATH_KEY_FIELD(bias, 48);
VTA_PATH_KEY_FIELD(linear, 52);
VTA_PATH_KEY_FIELD(reserved, 54);
#undef VTA_PATH_KEY_FIELD
static_assert(kPathKeySize == 4 * 14, "a path key fills one motion block");

// A path key carries the nine placement values and is at every time within
// half a percent of its own.
template <>
struct KeyKind<PathKey> {
  static constexpr auto& kValues = kPlacementFields;
  static constexpr double kTimeWindow = 0.005;
};

}  // namespace vta
