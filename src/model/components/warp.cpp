#include "model/components/warp.h"

#include "model/components/component_arrays.h"
#include "model/components/component_payload.h"
#include "platform/install_paths.h"

namespace vta {

WarpComponent::WarpComponent(uint16_t id, float spanStart, float spanEnd, uint16_t linkId,
                             uint16_t parentId)
    : EffectComponent(id, spanStart, spanEnd, linkId, parentId),
      WarpFields{},
      warpEntry(nullptr),
      warpSetEntry(nullptr),
      warpCallbackEntry(nullptr) {}

WarpComponent::~WarpComponent() { release(values); }

void WarpComponent::destroy(bool freeSelf) { destroyComponent(this, freeSelf); }

EffectComponent* WarpComponent::clone() const {
  auto* copy = makeComponent<WarpComponent>(id, spanStart, spanEnd, linkId, parentId);
  if (!copy) return nullptr;
  static_cast<WarpFields&>(*copy) = *this;
  copy->values = duplicateArray(values, valueCount);
  if (arrayMissing(copy->values, valueCount)) {
    copy->destroy(true);
    return nullptr;
  }
  return copy;
}

int WarpComponent::readChunk(uint32_t tag, uint32_t length, const uint8_t* payload) {
  if (!takesPayload(tag, kTag, length, payload, kBaseLength)) return 0;
  ByteReader in = bodyReader(payload, length);
  WarpFields parsed{};
  readText(in, parsed.warpName, sizeof parsed.warpName);
  parsed.warpAmount = in.f32();
  parsed.valueCount = in.u32();
  if (parsed.valueCount > in.remaining() / kValueLength) return 0;
  parsed.values = allocateArray<float>(parsed.valueCount);
  if (arrayMissing(parsed.values, parsed.valueCount)) return 0;
  for (uint32_t i = 0; i < parsed.valueCount; ++i) parsed.values[i] = in.f32();

  release(values);
  static_cast<WarpFields&>(*this) = parsed;
  loadPlugin();
  return 1;
}

void WarpComponent::loadPlugin() {
  unloadPlugin();
  char path[kInstallPathSize];
  if (!buildPath(path, sizeof path, "WARPS", warpName, "WRP")) return;
  if (!plugin_.open(path)) return;
  warpEntry = plugin_.symbol("VTA_Warp");
  warpSetEntry = plugin_.symbol("VTA_Warp_Set");
  warpCallbackEntry = plugin_.symbol("VTA_Warp_Callback");
}

void WarpComponent::unloadPlugin() {
  warpEntry = nullptr;
  warpSetEntry = nullptr;
  warpCallbackEntry = nullptr;
  plugin_.close();
}

int WarpComponent::writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const {
  uint64_t needed = kBaseLength + uint64_t{kValueLength} * valueCount;
  uint32_t size = needed <= UINT32_MAX ? static_cast<uint32_t>(needed) : 0;
  uint8_t* data = newPayload(size);
  if (data) {
    ByteWriter out = bodyWriter(data, size);
    writeText(out, warpName, sizeof warpName);
    out.f32(warpAmount);
    uint32_t count = values ? valueCount : 0;
    out.u32(count);
    for (uint32_t i = 0; i < count; ++i) out.f32(values[i]);
  }
  return handOutPayload(kTag, size, data, tag, length, payload);
}

void WarpComponent::setParameter(uint16_t index, float value) {
  if (index == 0)
    warpAmount = value;
  else if (index < valueCount && values)
    values[index] = value;
}

int WarpComponent::compare(const EffectComponent* other) const {
  const auto* that = dynamic_cast<const WarpComponent*>(other);
  if (!that || EffectComponent::compare(that) != 0) return 1;
  if (compareStrings(warpName, that->warpName) != 0 || warpAmount != that->warpAmount ||
      valueCount != that->valueCount) {
    return 1;
  }
  for (uint32_t i = 0; i < valueCount; ++i) {
    if (!values || !that->values || values[i] != that->values[i]) return 1;
  }
  return 0;
}

}  // namespace vta
