#pragma once
// Base of the scene components: cameras, lights, objects, surfaces, paths,
// envelopes and warps.
//
// Renderer plug-ins built with other compilers call components through their
// virtual table, so its eight slots and their order are fixed: destroy,
// clone, setMotion, getMotion, readChunk, writeChunk, setParameter, compare.
// A C++ virtual destructor would take two slots, so the first slot is the
// explicit destroy() and the destructor is not virtual. Components live in
// process-heap memory (makeComponent) and die through destroy(true).

#include <cstdint>
#include <memory>
#include <new>
#include <utility>

#include "platform/memory.h"

namespace vta {

// Component lists of a description, in list order.
enum ComponentKind : int {
  kCameras = 0,
  kLights,
  kObjects,
  kSurfaces,
  kPaths,
  kEnvelopes,
  kWarps,
  kComponentKindCount
};

// Words in a motion block: one path key.
constexpr int kMotionWords = 14;
// Bytes of the header that starts every component payload.
constexpr uint32_t kComponentHeaderSize = 16;

class EffectComponent {
 public:
  // Slot 1: runs the kind's destructor; with freeSelf also frees the memory.
  virtual void destroy(bool freeSelf) = 0;
  // Slot 2: a new, unlinked component of the same kind with copied fields.
  virtual EffectComponent* clone() const = 0;
  // Slots 3 and 4: copy 14 words into or out of the motion block.
  virtual void setMotion(const uint32_t* words);
  virtual void getMotion(uint32_t* words) const;
  // Slot 5: fills the kind's fields from a payload with the kind's tag; other
  // tags are ignored. Returns 1 when the payload was taken, 0 when ignored
  // or refused (a refused payload leaves the component unchanged).
  virtual int readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) = 0;
  // Slot 6: a new zero-filled payload from allocate() for the caller to write
  // and release. Returns 1, or 0 with *payload null when memory runs out.
  virtual int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const = 0;
  // Slot 7: sets an animatable value by index; kinds without any ignore it.
  virtual void setParameter(uint16_t index, float value);
  // Slot 8: 0 when equal, 1 when different.
  virtual int compare(const EffectComponent* other) const;

  uint16_t id;
  uint16_t linkId;
  uint16_t parentId;
  EffectComponent* link;
  EffectComponent* attached;
  EffectComponent* parent;
  float spanStart;
  float spanEnd;
  EffectComponent* next;

 protected:
  EffectComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId, uint16_t parentId);
  EffectComponent(const EffectComponent& other);  // copies ids and span only
  ~EffectComponent() = default;
  EffectComponent& operator=(const EffectComponent&) = delete;

  // A zero-filled payload of length bytes starting with the common header.
  uint8_t* newPayload(uint32_t length) const;
};

// Values of the common header at the start of a component payload.
struct ComponentHeader {
  uint16_t id;
  float spanStart;
  float spanEnd;
  uint16_t linkId;
  uint16_t parentId;
};
// False when the payload is shorter than the header.
bool readComponentHeader(const uint8_t* payload, uint32_t length, ComponentHeader& out);

// Builds a component of Kind in process-heap memory; null when memory runs out.
template <class Kind, class... Args>
Kind* makeComponent(Args&&... args) {
  void* memory = allocate(sizeof(Kind));
  return memory ? new (memory) Kind(std::forward<Args>(args)...) : nullptr;
}

// Destroys a component that belongs to no list.
struct ComponentDestroyer {
  void operator()(EffectComponent* component) const {
    if (component) component->destroy(true);
  }
};
template <class Kind>
using OwnedComponent = std::unique_ptr<Kind, ComponentDestroyer>;

// The body of every kind's destroy().
template <class Kind>
void destroyComponent(Kind* self, bool freeSelf) {
  self->~Kind();
  if (freeSelf) release(self);
}

}  // namespace vta
