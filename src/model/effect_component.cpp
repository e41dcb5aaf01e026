#include "model/effect_component.h"

#include "platform/byte_reader.h"

namespace vta {

EffectComponent::EffectComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId,
                                 uint16_t parentId)
    : id(id),
      linkId(linkId),
      parentId(parentId),
      link(nullptr),
      attached(nullptr),
      parent(nullptr),
      spanStart(spanStart),
      spanEnd(spanEnd),
      next(nullptr) {}

EffectComponent::EffectComponent(const EffectComponent& other)
    : EffectComponent(other.id, other.spanStart, other.spanEnd, other.linkId, other.parentId) {}

void EffectComponent::setMotion(const uint32_t*) {}
void EffectComponent::getMotion(uint32_t*) const {}
void EffectComponent::setParameter(uint16_t, float) {}

int EffectComponent::compare(const EffectComponent* other) const {
  if (!other) return 1;
  return id != other->id || spanStart != other->spanStart || spanEnd != other->spanEnd ||
                 linkId != other->linkId || parentId != other->parentId
             ? 1
             : 0;
}

uint8_t* EffectComponent::newPayload(uint32_t length) const {
  if (length < kComponentHeaderSize) return nullptr;
  auto* payload = static_cast<uint8_t*>(allocate(length));
  if (!payload) return nullptr;
  ByteWriter out(payload, length);
  out.u16(id);
  out.u16(0);
  out.f32(spanStart);
  out.f32(spanEnd);
  out.u16(linkId);
  out.u16(parentId);
  return payload;
}

bool readComponentHeader(const uint8_t* payload, uint32_t length, ComponentHeader& out) {
  ByteReader in(payload, length);
  out.id = in.u16();
  in.skip(2);
  out.spanStart = in.f32();
  out.spanEnd = in.f32();
  out.linkId = in.u16();
  out.parentId = in.u16();
  return in.ok();
}

}  // namespace vta
