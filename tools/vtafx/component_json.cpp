#include "component_json.h"

#include "curve_json.h"
#include "json_access.h"
#include "model/components/camera_fields.h"
#include "model/components/light_fields.h"
#include "model/components/surface_fields.h"
#include "object_json.h"
#include "scene_fields_json.h"
#include "warp_json.h"

namespace vtafx {

namespace {

using vta::ComponentKind;

// A component file never holds more than this many of one kind; the library
// has no limit, the bound only keeps a hostile document small.
constexpr size_t kMaxComponentsPerList = 4096;

const char* const kListNames[vta::kComponentKindCount] = {
    "cameras", "lights", "objects", "surfaces", "paths", "envelopes", "warps"};

Json headerJson(const vta::EffectComponent& c) {
  Json out = Json::object();
  out.add("id", jsonUint(c.id));
  if (c.linkId) out.add("link", jsonUint(c.linkId));
  if (c.parentId) out.add("parent", jsonUint(c.parentId));
  const float span[2] = {c.spanStart, c.spanEnd};
  out.add("span", jsonF32Array(span, 2));
  return out;
}

template <class Kind, class Fields>
ComponentPtr makeFixedKind(const vta::ComponentHeader& h, vta::FieldTable table, const Json& in) {
  ComponentPtr made(vta::makeComponent<Kind>(h.id, h.spanStart, h.spanEnd, h.linkId, h.parentId));
  if (!made) throw BuildError("out of memory");
  fieldsFromJson(table, static_cast<Fields*>(static_cast<Kind*>(made.get())), in);
  return made;
}

vta::ComponentHeader readHeader(const Json& in) {
  if (in.type() != Json::Type::kObject) throw BuildError("a component must be an object");
  float span[2] = {0.0f, 1.0f};
  if (const Json* value = optional(in, "span")) readF32Array(*value, "span", span, 2);
  return vta::ComponentHeader{static_cast<uint16_t>(readUint(required(in, "id"), "id", 0xFFFF)),
                              span[0], span[1],
                              static_cast<uint16_t>(memberUint(in, "link", 0xFFFF)),
                              static_cast<uint16_t>(memberUint(in, "parent", 0xFFFF))};
}

}  // namespace

Json componentJson(const vta::EffectComponent& c, ComponentKind kind) {
  Json out = headerJson(c);
  switch (kind) {
    case vta::kCameras:
      fieldsToJson(
          vta::cameraFieldTable(),
          static_cast<const vta::CameraFields*>(static_cast<const vta::CameraComponent*>(&c)), out);
      break;
    case vta::kLights:
      fieldsToJson(
          vta::lightFieldTable(),
          static_cast<const vta::LightFields*>(static_cast<const vta::LightComponent*>(&c)), out);
      break;
    case vta::kSurfaces:
      fieldsToJson(
          vta::surfaceFieldTable(),
          static_cast<const vta::SurfaceFields*>(static_cast<const vta::SurfaceComponent*>(&c)),
          out);
      break;
    case vta::kObjects: addObjectJson(c, out); break;
    case vta::kPaths: addPathJson(c, out); break;
    case vta::kEnvelopes: addEnvelopeJson(c, out); break;
    case vta::kWarps: addWarpJson(c, out); break;
    default: break;
  }
  return out;
}

ComponentPtr componentFromJson(const Json& in, ComponentKind kind) {
  const vta::ComponentHeader h = readHeader(in);
  switch (kind) {
    case vta::kCameras:
      return makeFixedKind<vta::CameraComponent, vta::CameraFields>(h, vta::cameraFieldTable(), in);
    case vta::kLights:
      return makeFixedKind<vta::LightComponent, vta::LightFields>(h, vta::lightFieldTable(), in);
    case vta::kSurfaces:
      return makeFixedKind<vta::SurfaceComponent, vta::SurfaceFields>(h, vta::surfaceFieldTable(),
                                                                      in);
    case vta::kObjects: return objectFromJson(h, in);
    case vta::kPaths: return pathFromJson(h, in);
    case vta::kEnvelopes: return envelopeFromJson(h, in);
    case vta::kWarps: return warpFromJson(h, in);
    default: throw BuildError("unknown component kind");
  }
}

void addComponentLists(const vta::EffectDescription& description, Json& out) {
  for (int k = 0; k < vta::kComponentKindCount; ++k) {
    const auto kind = static_cast<ComponentKind>(k);
    if (description.lists[k].count == 0) continue;
    Json list = Json::array();
    for (const vta::EffectComponent* c = description.lists[k].head; c; c = c->next) {
      list.push(componentJson(*c, kind));
    }
    out.add(kListNames[k], std::move(list));
  }
}

void readComponentLists(const Json& in, vta::EffectDescription& description) {
  for (int k = 0; k < vta::kComponentKindCount; ++k) {
    const Json* list = optional(in, kListNames[k]);
    if (!list) continue;
    for (const Json& item : readArray(*list, kListNames[k], kMaxComponentsPerList)) {
      description.lists[k].append(componentFromJson(item, static_cast<ComponentKind>(k)).release());
    }
  }
  description.resolveLinks();
}

}  // namespace vtafx
