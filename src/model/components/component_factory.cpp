#include "model/components/component_factory.h"

#include "model/components/envelope.h"
#include "model/components/camera.h"
#include "model/components/light.h"
#include "model/components/object.h"
#include "model/components/surface.h"
#include "model/components/warp.h"
#include "model/components/path.h"

namespace vta {

namespace {

using Builder = EffectComponent* (*)(const ComponentHeader&, uint32_t, const uint8_t*);

template <class Kind>
EffectComponent* build(const ComponentHeader& header, uint32_t length, const uint8_t* payload) {
  Kind* component = makeComponent<Kind>(header.id, header.spanStart, header.spanEnd, header.linkId,
                                        header.parentId);
  if (component && !component->readChunk(Kind::kTag, length, payload)) {
    component->destroy(true);
    return nullptr;
  }
  return component;
}

struct KindEntry {
  uint32_t tag;
  ComponentKind kind;
  Builder build;
};

constexpr KindEntry kKinds[] = {
    {CameraComponent::kTag, kCameras, &build<CameraComponent>},
    {LightComponent::kTag, kLights, &build<LightComponent>},
    {ObjectComponent::kTag, kObjects, &build<ObjectComponent>},
    {SurfaceComponent::kTag, kSurfaces, &build<SurfaceComponent>},
    {PathComponent::kTag, kPaths, &build<PathComponent>},
    {EnvelopeComponent::kTag, kEnvelopes, &build<EnvelopeComponent>},
    {WarpComponent::kTag, kWarps, &build<WarpComponent>},
};

const KindEntry* findKind(uint32_t tag) {
  for (const KindEntry& entry : kKinds) {
    if (entry.tag == tag) return &entry;
  }
  return nullptr;
}

// Writes one component as a chunk; true when it was written.
bool writeComponent(ChunkFile& out, const EffectComponent& component) {
  uint32_t tag = 0;
  uint32_t length = 0;
  uint8_t* payload = nullptr;
  if (!component.writeChunk(&tag, &length, &payload)) return false;
  bool written = out.writeChunk(tag, length, payload) == kChunkOk;
  release(payload);
  return written;
}

}  // namespace

bool isComponentTag(uint32_t tag) { return findKind(tag) != nullptr; }

EffectComponent* createComponentFromChunk(uint32_t tag, uint32_t length, const uint8_t* payload,
                                          ComponentKind* kind) {
  const KindEntry* entry = findKind(tag);
  ComponentHeader header;
  if (!entry || !readComponentHeader(payload, length, header)) return nullptr;
  EffectComponent* component = entry->build(header, length, payload);
  if (component && kind) *kind = entry->kind;
  return component;
}

bool addComponentFromChunk(EffectDescription& description, const Chunk& chunk) {
  if (!isComponentTag(chunk.tag)) return false;
  ComponentKind kind = kCameras;
  EffectComponent* component =
      createComponentFromChunk(chunk.tag, chunk.length, chunk.payload, &kind);
  if (component) description.lists[kind].append(component);
  return true;
}

int writeAllComponents(ChunkFile& out, const EffectDescription& description) {
  bool allWritten = true;
  for (const ComponentList& list : description.lists) {
    for (const EffectComponent* member = list.head; member; member = member->next) {
      if (!writeComponent(out, *member)) allWritten = false;
    }
  }
  return allWritten ? 1 : 0;
}

}  // namespace vta
