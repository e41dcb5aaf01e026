#include "chunk_rules.h"

#include "model/components/camera.h"
#include "model/components/component_factory.h"
#include "model/components/light.h"
#include "model/components/surface.h"
#include "model/effect_settings.h"
#include "model/components/path.h"
#include "platform/byte_order.h"

namespace vtafx {

namespace {

using vta::fourCC;

constexpr uint32_t kAnySize = UINT32_MAX;
constexpr uint32_t kNameLimit = 40;

struct TagRule {
  uint32_t tag;
  uint32_t size;  // exact payload size, or kAnySize
  bool text;      // a NUL-terminated text (after a u32 for "VDSC")
};

const TagRule kEffectRules[] = {
    {fourCC("ETYP"), 4, false}, {fourCC("ENAM"), kAnySize, true},  {fourCC("DESC"), kAnySize, true},
    {fourCC("VCNT"), 4, false}, {fourCC("VDSC"), kAnySize, true},  {fourCC("BEST"), 4, false},
    {fourCC("ALOW"), 4, false}, {fourCC("IMG0"), kAnySize, false},
};
const TagRule kTextureRules[] = {
    {fourCC("IWID"), 4, false}, {fourCC("IHIT"), 4, false},  {fourCC("IPXR"), 4, false},
    {fourCC("ITRW"), 4, false}, {fourCC("ISKR"), 4, false},  {fourCC("ISKP"), 4, false},
    {fourCC("IBPP"), 1, false}, {fourCC("IALN"), 1, false},  {fourCC("IORD"), 1, false},
    {fourCC("IFMT"), 1, false}, {fourCC("IBIS"), 16, false}, {fourCC("IDAT"), kAnySize, false},
};
const TagRule kListRules[] = {{fourCC("OGRP"), kAnySize, true}, {fourCC("OITM"), kAnySize, true}};
const TagRule kRecordRule = {fourCC("RIN0"), vta::kStoredFixedBytes, false};
const TagRule kComponentRules[] = {
    {vta::CameraComponent::kTag, vta::CameraComponent::kPayloadSize, false},
    {vta::LightComponent::kTag, vta::LightComponent::kPayloadSize, false},
    {vta::SurfaceComponent::kTag, vta::SurfaceComponent::kPayloadSize, false},
};

template <size_t N>
const TagRule* findIn(const TagRule (&rules)[N], uint32_t tag) {
  for (const TagRule& rule : rules) {
    if (rule.tag == tag) return &rule;
  }
  return nullptr;
}

// The value and component chunks of effect files, also read from defaults.
const TagRule* effectRule(uint32_t tag, bool withIconAndFlags) {
  const TagRule* rule = findIn(kEffectRules, tag);
  if (!withIconAndFlags && rule && (tag == fourCC("IMG0") || tag == fourCC("ALOW"))) return nullptr;
  return rule;
}

const TagRule* ruleFor(FileKind kind, uint32_t tag) {
  switch (kind) {
    case FileKind::kEffect: return effectRule(tag, true);
    case FileKind::kDefaults: return tag == kRecordRule.tag ? &kRecordRule : effectRule(tag, false);
    case FileKind::kTexture: return findIn(kTextureRules, tag);
    case FileKind::kGroupList: return findIn(kListRules, tag);
    default: return nullptr;
  }
}

bool usesComponents(FileKind kind) {
  return kind == FileKind::kEffect || kind == FileKind::kDefaults || kind == FileKind::kEnvelope ||
         kind == FileKind::kPath;
}

std::string textProblem(const WalkedChunk& c, uint32_t start, bool name) {
  const uint32_t room = c.length - start;  // callers keep start within the payload
  uint32_t length = 0;
  while (length < room && c.payload[start + length] != 0) ++length;
  if (length == room) return "text without its NUL";
  if (name && length > kNameLimit)
    return "name of " + std::to_string(length) + " characters; the library cuts it to 40";
  return "";
}

std::string sizeProblem(const TagRule& rule, const WalkedChunk& c) {
  if (rule.size == kAnySize || c.length == rule.size) return "";
  if (c.length == 0) return "zero-length chunk";
  return "payload of " + std::to_string(c.length) + " bytes, expected " + std::to_string(rule.size);
}

std::string pathProblem(const WalkedChunk& c) {
  if (c.length < vta::kPathKeysOffset) return "";
  const uint64_t count = vta::readU32LE(c.payload + 16);
  const uint64_t whole = (c.length - vta::kPathKeysOffset) / vta::kPathKeySize;
  return whole < count
             ? "holds " + std::to_string(whole) + " of its " + std::to_string(count) + " keys"
             : "";
}

std::string componentProblem(const WalkedChunk& c) {
  vta::EffectComponent* made = vta::createComponentFromChunk(c.tag, c.length, c.payload, nullptr);
  if (!made) return "component payload refused by the library";
  made->destroy(true);
  if (const TagRule* rule = findIn(kComponentRules, c.tag)) return sizeProblem(*rule, c);
  return c.tag == vta::PathComponent::kTag ? pathProblem(c) : "";
}

}  // namespace

bool tagKnown(FileKind kind, uint32_t tag) {
  return ruleFor(kind, tag) != nullptr || (usesComponents(kind) && vta::isComponentTag(tag));
}

std::string chunkProblem(FileKind kind, const WalkedChunk& c) {
  if (usesComponents(kind) && vta::isComponentTag(c.tag)) return componentProblem(c);
  const TagRule* rule = ruleFor(kind, c.tag);
  if (!rule) return "";
  if (std::string size = sizeProblem(*rule, c); !size.empty()) return size;
  if (!rule->text) return "";
  const bool variant = c.tag == fourCC("VDSC");
  if (variant && c.length < 4)
    return "payload of " + std::to_string(c.length) + " bytes, expected an index and a text";
  const bool name = c.tag == fourCC("ENAM") || kind == FileKind::kGroupList;
  return textProblem(c, variant ? 4 : 0, name);
}

}  // namespace vtafx
