#include "object_json.h"

#include "json_access.h"
#include "model/components/component_arrays.h"
#include "model/components/morph_fields.h"
#include "model/components/object.h"
#include "model/components/object_fields.h"
#include "scene_fields_json.h"

namespace vtafx {

namespace {

using vta::MorphRecord;
using vta::ObjectComponent;
using vta::ObjectPoint;

constexpr size_t kMaxPoints = 1 << 20;
constexpr size_t kMaxMorphs = 4096;

Json morphJson(const MorphRecord& m) {
  Json entries = Json::array();
  for (uint16_t i = 0; i < vta::morphEntryCount(m); ++i) {
    const vta::MorphEntry e = vta::morphEntry(m, i);
    entries.push(Json::object()
                     .add("deform", jsonUint(static_cast<uint16_t>(e.deform)))
                     .add("amount", jsonF32(e.amount))
                     .add("parameter", jsonF32(e.parameter)));
  }
  return Json::object().add("easing", jsonUint(m.recordWord)).add("entries", std::move(entries));
}

MorphRecord morphFromJson(const Json& in) {
  MorphRecord m{};
  m.recordWord = static_cast<uint16_t>(memberUint(in, "easing", 0xFFFF));
  const std::vector<Json>& entries =
      readArray(required(in, "entries"), "entries", vta::kMorphEntries);
  m.entryCount = static_cast<uint16_t>(entries.size());
  for (uint16_t i = 0; i < m.entryCount; ++i) {
    const auto deform = static_cast<vta::MorphDeform>(memberUint(entries[i], "deform", 0xFFFF));
    vta::storeMorphEntry(
        m, i, {deform, memberF32(entries[i], "amount"), memberF32(entries[i], "parameter")});
  }
  return m;
}

// The array a component will own; filled by fill(i) for each item. Released
// again when fill throws on a malformed item.
template <class T, class Fill>
T* ownedArray(size_t count, Fill fill) {
  T* items = vta::allocateArray<T>(static_cast<uint32_t>(count));
  if (vta::arrayMissing(items, static_cast<uint32_t>(count))) throw BuildError("out of memory");
  try {
    for (size_t i = 0; i < count; ++i) items[i] = fill(i);
  } catch (...) {
    vta::release(items);
    throw;
  }
  return items;
}

ObjectPoint pointFromJson(const Json& value) {
  float xyz[3];
  readF32Array(value, "points", xyz, 3);
  return ObjectPoint{xyz[0], xyz[1], xyz[2]};
}

ObjectPoint gridPoint(size_t i, uint32_t columns, uint32_t rows) {
  const auto across = [](size_t at, uint32_t count) {
    return count > 1 ? -1.0f + 2.0f * static_cast<float>(at) / static_cast<float>(count - 1) : 0.0f;
  };
  return ObjectPoint{across(i % columns, columns), -across(i / columns, rows), 0.0f};
}

void readPoints(const Json& in, ObjectComponent& object) {
  if (const Json* points = optional(in, "points")) {
    const std::vector<Json>& items = readArray(*points, "points", kMaxPoints);
    object.points =
        ownedArray<ObjectPoint>(items.size(), [&](size_t i) { return pointFromJson(items[i]); });
    object.pointCount = static_cast<uint32_t>(items.size());
    return;
  }
  const uint32_t columns = vta::objectSetup(object).columns;
  const uint32_t rows = memberUint(in, "rows", UINT16_MAX);
  const size_t count = size_t{columns} * rows;
  if (count > kMaxPoints) throw BuildError("grid too large");
  object.points =
      ownedArray<ObjectPoint>(count, [&](size_t i) { return gridPoint(i, columns, rows); });
  object.pointCount = static_cast<uint32_t>(count);
}

void readMorphs(const Json& in, ObjectComponent& object) {
  const Json* morphs = optional(in, "morphs");
  if (!morphs) return;
  const std::vector<Json>& items = readArray(*morphs, "morphs", kMaxMorphs);
  if (!items.empty() && object.pointCount == 0) throw BuildError("morphs need points");
  object.morphs =
      ownedArray<MorphRecord>(items.size(), [&](size_t i) { return morphFromJson(items[i]); });
  object.morphCount = static_cast<uint32_t>(items.size());
}

}  // namespace

void addObjectJson(const vta::EffectComponent& component, Json& out) {
  const auto& object = static_cast<const ObjectComponent&>(component);
  fieldsToJson(vta::objectFieldTable(), static_cast<const vta::ObjectFields*>(&object), out);
  Json points = Json::array();
  for (uint32_t i = 0; i < object.pointCount; ++i)
    points.push(jsonF32Array(&object.points[i].x, 3));
  out.add("points", std::move(points));
  Json morphs = Json::array();
  for (uint32_t i = 0; i < object.morphCount; ++i) morphs.push(morphJson(object.morphs[i]));
  if (object.morphCount) out.add("morphs", std::move(morphs));
}

ComponentPtr objectFromJson(const vta::ComponentHeader& h, const Json& in) {
  ComponentPtr owner(
      vta::makeComponent<ObjectComponent>(h.id, h.spanStart, h.spanEnd, h.linkId, h.parentId));
  auto* object = static_cast<ObjectComponent*>(owner.get());
  if (!object) throw BuildError("out of memory");
  fieldsFromJson(vta::objectFieldTable(), static_cast<vta::ObjectFields*>(object), in);
  readPoints(in, *object);
  readMorphs(in, *object);
  return owner;
}

}  // namespace vtafx
