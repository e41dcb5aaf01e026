#pragma once
// What an object's morph records mean (docs/scene.md, "Morphs"): each entry
// deforms the grid by its kind, with an amount a and a parameter c, and a
// record may ease the blend toward its shape.

#include <cstdint>

#include "model/components/object.h"

namespace vta {

enum class MorphDeform : uint16_t { kNone = 0, kCurl = 1, kFold = 2, kRipple = 3, kTwist = 4 };

struct MorphEntry {
  MorphDeform deform;  // kept as stored, known or not
  float amount;
  float parameter;
};

// The entries a record applies, in order: entryCount, at most kMorphEntries.
inline uint16_t morphEntryCount(const MorphRecord& record) {
  return record.entryCount < kMorphEntries ? record.entryCount : kMorphEntries;
}

inline MorphEntry morphEntry(const MorphRecord& record, uint16_t e) {
  return {static_cast<MorphDeform>(record.entryWords[e]), record.entryFirstReals[e],
          record.entrySecondReals[e]};
}

inline void storeMorphEntry(MorphRecord& record, uint16_t e, const MorphEntry& entry) {
  record.entryWords[e] = static_cast<uint16_t>(entry.deform);
  record.entryFirstReals[e] = entry.amount;
  record.entrySecondReals[e] = entry.parameter;
}

// The blend toward the record's shape is smoothed by 3f^2 - 2f^3.
inline bool morphEases(const MorphRecord& record) { return record.recordWord == 1; }

}  // namespace vta
