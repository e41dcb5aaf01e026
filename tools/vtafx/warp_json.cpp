#include "warp_json.h"

#include "json_access.h"
#include "model/components/component_arrays.h"
#include "model/components/warp.h"
#include "model/components/warp_fields.h"
#include "scene_fields_json.h"

namespace vtafx {

namespace {

constexpr size_t kMaxWarpValues = 4096;

}  // namespace

void addWarpJson(const vta::EffectComponent& component, Json& out) {
  const auto& warp = static_cast<const vta::WarpComponent&>(component);
  fieldsToJson(vta::warpFieldTable(), static_cast<const vta::WarpFields*>(&warp), out);
  out.add("values", jsonF32Array(warp.values, warp.valueCount));
}

ComponentPtr warpFromJson(const vta::ComponentHeader& h, const Json& in) {
  ComponentPtr owner(
      vta::makeComponent<vta::WarpComponent>(h.id, h.spanStart, h.spanEnd, h.linkId, h.parentId));
  auto* warp = static_cast<vta::WarpComponent*>(owner.get());
  if (!warp) throw BuildError("out of memory");
  fieldsFromJson(vta::warpFieldTable(), static_cast<vta::WarpFields*>(warp), in);
  const Json* values = optional(in, "values");
  const size_t count = values ? readArray(*values, "values", kMaxWarpValues).size() : 0;
  warp->values = vta::allocateArray<float>(static_cast<uint32_t>(count));
  if (vta::arrayMissing(warp->values, static_cast<uint32_t>(count)))
    throw BuildError("out of memory");
  warp->valueCount = static_cast<uint32_t>(count);
  for (size_t i = 0; i < count; ++i) warp->values[i] = readF32(values->items()[i], "values");
  return owner;
}

}  // namespace vtafx
