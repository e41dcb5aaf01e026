#include "model/components/object_payload.h"

#include <algorithm>

#include "model/components/component_arrays.h"
#include "model/components/component_payload.h"

namespace vta {

namespace {

// Bytes a point and the smallest morph record take in a payload.
constexpr size_t kPointBytes = 12;
constexpr size_t kMinMorphBytes = 4;

bool readPoints(ByteReader& in, ObjectFields& fields) {
  if (fields.pointCount > in.remaining() / kPointBytes) return false;
  fields.points = allocateArray<ObjectPoint>(fields.pointCount);
  if (arrayMissing(fields.points, fields.pointCount)) return false;
  for (uint32_t i = 0; i < fields.pointCount; ++i) {
    fields.points[i].x = in.f32();
    fields.points[i].y = in.f32();
    fields.points[i].z = in.f32();
  }
  return in.ok();
}

bool readMorph(ByteReader& in, MorphRecord& morph) {
  morph.entryCount = in.u16();
  morph.recordWord = in.u16();
  if (morph.entryCount > kMorphEntries) return false;
  for (uint16_t i = 0; i < morph.entryCount; ++i) {
    morph.entryWords[i] = in.u16();
    morph.entryFirstReals[i] = in.f32();
    morph.entrySecondReals[i] = in.f32();
  }
  return in.ok();
}

bool readMorphs(ByteReader& in, ObjectFields& fields) {
  fields.morphCount = in.u32();
  if (!in.ok() || fields.morphCount > in.remaining() / kMinMorphBytes) return false;
  fields.morphs = allocateArray<MorphRecord>(fields.morphCount);
  if (arrayMissing(fields.morphs, fields.morphCount)) return false;
  for (uint32_t i = 0; i < fields.morphCount; ++i) {
    if (!readMorph(in, fields.morphs[i])) return false;
  }
  return true;
}

bool readShape(ByteReader& in, ObjectFields& fields) {
  fields.pointCount = in.u32();
  if (!in.ok()) return false;
  if (fields.pointCount == 0) return true;
  return readPoints(in, fields) && readMorphs(in, fields);
}

void readSettings(ByteReader& in, ObjectFields& fields) {
  readWords(in, fields.motion, kMotionWords);
  fields.morphPosition = in.f32();
  for (uint16_t& setting : fields.settings) setting = in.u16();
  in.bytes(fields.block12, sizeof fields.block12);
  fields.fade = in.f32();
  fields.surfaceNumber = in.u32();
  fields.morphFrames = in.u32();
  fields.firstWord = in.u16();
  fields.secondWord = in.u16();
}

void writeMorph(ByteWriter& out, const MorphRecord& morph) {
  uint16_t entries = std::min(morph.entryCount, kMorphEntries);
  out.u16(entries);
  out.u16(morph.recordWord);
  for (uint16_t i = 0; i < entries; ++i) {
    out.u16(morph.entryWords[i]);
    out.f32(morph.entryFirstReals[i]);
    out.f32(morph.entrySecondReals[i]);
  }
}

// A count whose array is missing is written as 0, so the payload stays
// readable.
void writeShape(ByteWriter& out, const ObjectFields& fields) {
  uint32_t pointCount = fields.points ? fields.pointCount : 0;
  out.u32(pointCount);
  if (pointCount == 0) return;
  for (uint32_t i = 0; i < pointCount; ++i) {
    out.f32(fields.points[i].x);
    out.f32(fields.points[i].y);
    out.f32(fields.points[i].z);
  }
  uint32_t morphCount = fields.morphs ? fields.morphCount : 0;
  out.u32(morphCount);
  for (uint32_t i = 0; i < morphCount; ++i) writeMorph(out, fields.morphs[i]);
}

void writeSettings(ByteWriter& out, const ObjectFields& fields) {
  writeWords(out, fields.motion, kMotionWords);
  out.f32(fields.morphPosition);
  for (uint16_t setting : fields.settings) out.u16(setting);
  out.bytes(fields.block12, sizeof fields.block12);
  out.f32(fields.fade);
  out.u32(fields.surfaceNumber);
  out.u32(fields.morphFrames);
  out.u16(fields.firstWord);
  out.u16(fields.secondWord);
}

}  // namespace

bool readObjectBody(ByteReader& in, ObjectFields& fields) {
  bool ok = readShape(in, fields);
  if (ok) readSettings(in, fields);
  if (ok && in.ok()) return true;
  releaseObjectArrays(fields);
  return false;
}

void writeObjectBody(ByteWriter& out, const ObjectFields& fields) {
  writeShape(out, fields);
  writeSettings(out, fields);
}

void releaseObjectArrays(ObjectFields& fields) {
  release(fields.points);
  release(fields.morphs);
  fields.points = nullptr;
  fields.morphs = nullptr;
  fields.pointCount = 0;
  fields.morphCount = 0;
}

}  // namespace vta
