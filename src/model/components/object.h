#pragma once
// An object of the scene: its points, morph records, motion and display
// values. The object owns its point and morph arrays.

#include <cstddef>
#include <cstdint>

#include "model/effect_component.h"
#include "platform/byte_order.h"

namespace vta {

struct ObjectPoint {
  float x, y, z;
};

// Morph records use at most this many entries.
constexpr uint16_t kMorphEntries = 4;

// One morph record, 108 bytes as renderers see it.
struct MorphRecord {
  uint16_t entryCount;                    // 0
  uint16_t entryWords[kMorphEntries];     // 2
  uint8_t unused10[2];                    // 10
  float entryFirstReals[kMorphEntries];   // 12
  float entrySecondReals[kMorphEntries];  // 28
  uint8_t unused44[60];                   // 44
  uint16_t recordWord;                    // 104
  uint8_t unused106[2];                   // 106
};
static_assert(sizeof(MorphRecord) == 108, "a morph record is 108 bytes");
static_assert(offsetof(MorphRecord, entryFirstReals) == 12, "first reals at 12");
static_assert(offsetof(MorphRecord, entrySecondReals) == 28, "second reals at 28");
static_assert(offsetof(MorphRecord, recordWord) == 104, "record word at 104");

struct ObjectFields {
  uint16_t firstWord;
  uint16_t secondWord;
  uint32_t morphFrames;
  uint32_t pointCount;
  ObjectPoint* points;  // pointCount items
  uint32_t morphCount;
  MorphRecord* morphs;  // morphCount items
  uint32_t motion[kMotionWords];
  float morphPosition;  // 0 to morphFrames
  uint16_t settings[4];
  uint8_t block12[12];
  float fade;  // 0 to 1
  uint32_t surfaceNumber;
};

class ObjectComponent final : public EffectComponent, public ObjectFields {
 public:
  static constexpr uint32_t kTag = fourCC("OBJ0");
  // Payload bytes of an object without points or morphs.
  static constexpr uint32_t kBaseLength = 120;
  // Payload bytes declared per point and per morph record.
  static constexpr uint32_t kPointLength = 12;
  static constexpr uint32_t kMorphLength = 44;
  // setParameter() indexes.
  enum Parameter : uint16_t { kFade = 0, kMorphPosition = 1 };

  ObjectComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId, uint16_t parentId);

  void destroy(bool freeSelf) override;
  EffectComponent* clone() const override;
  void setMotion(const uint32_t* words) override;
  void getMotion(uint32_t* words) const override;
  int readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) override;
  int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const override;
  void setParameter(uint16_t index, float value) override;
  int compare(const EffectComponent* other) const override;

  // The payload length writeChunk() declares: kBaseLength, plus kPointLength
  // per point and kMorphLength per morph record (each counted as full).
  uint64_t declaredLength() const;

 private:
  friend void destroyComponent<ObjectComponent>(ObjectComponent*, bool);
  ~ObjectComponent();
};

}  // namespace vta
