#include "model/effect_description.h"

#include "model/components/envelope.h"
#include "model/owned_text.h"
#include "platform/memory.h"

namespace vta {

EffectDescription::EffectDescription()
    : effectType(0),
      title(nullptr),
      text(nullptr),
      variantCount(0),
      variantTexts(nullptr),
      best(0.0f),
      allowFlags(0),
      reservedText(nullptr),
      textureCount(0),
      textures(nullptr) {}

void EffectDescription::clear() {
  replaceText(title, nullptr);
  replaceText(text, nullptr);
  resetVariants(0);
  for (ComponentList& list : lists) list.clear();
  releaseTextures();
  replaceText(reservedText, nullptr);
  image.clear();
}

void EffectDescription::releaseTextures() {
  for (uint32_t i = 0; i < textureCount; ++i) {
    deleteTextureImage(textures[i]);
  }
  release(textures);
  textures = nullptr;
  textureCount = 0;
}

bool EffectDescription::resetVariants(uint32_t count) {
  for (uint32_t i = 0; i < variantCount; ++i) release(variantTexts[i]);
  release(variantTexts);
  variantTexts = nullptr;
  variantCount = 0;
  if (count == 0) return true;
  variantTexts = static_cast<char**>(allocate(sizeof(char*) * count));
  if (!variantTexts) return false;
  variantCount = count;
  return true;
}

void EffectDescription::setVariantText(uint32_t index, const char* newText) {
  if (index < variantCount) replaceText(variantTexts[index], newText);
}

void EffectDescription::copyFrom(const EffectDescription& source) {
  if (&source == this) return;
  effectType = source.effectType;
  replaceText(title, source.title);
  replaceText(text, source.text);
  replaceText(reservedText, source.reservedText);
  allowFlags = source.allowFlags;
  if (resetVariants(source.variantCount)) {
    for (uint32_t i = 0; i < variantCount; ++i) setVariantText(i, source.variantTexts[i]);
  }
  best = source.best;
  image.copyFrom(source.image);
  for (int kind = 0; kind < kComponentKindCount; ++kind) lists[kind].copyList(source.lists[kind]);
  resolveLinks();

  releaseTextures();
  if (source.textureCount == 0) return;
  textures = static_cast<TextureImage**>(allocate(sizeof(TextureImage*) * source.textureCount));
  if (!textures) return;
  textureCount = source.textureCount;
  for (uint32_t i = 0; i < textureCount; ++i) {
    if (!source.textures[i]) continue;
    textures[i] = newTextureImage();
    if (textures[i]) textures[i]->copyFrom(*source.textures[i]);
  }
}

int EffectDescription::compare(const EffectDescription& other) const {
  if (effectType != other.effectType || allowFlags != other.allowFlags) return 1;
  for (int kind = 0; kind < kComponentKindCount; ++kind) {
    if (!lists[kind].equals(other.lists[kind])) return 1;
  }
  return 0;
}

void EffectDescription::getTitle(char* buffer, unsigned size) const {
  copyTextOut(buffer, size, title);
}

void EffectDescription::getText(char* buffer, unsigned size) const {
  copyTextOut(buffer, size, text);
}

void EffectDescription::getVariantText(uint32_t index, char* buffer, unsigned size) const {
  copyTextOut(buffer, size, index < variantCount ? variantTexts[index] : nullptr);
}

void EffectDescription::resolveLinks() {
  for (ComponentList& list : lists) {
    for (EffectComponent* member = list.head; member; member = member->next) {
      if (member->linkId == 0) continue;
      for (const ComponentList& candidates : lists) {
        if (EffectComponent* found = candidates.findById(member->linkId)) member->link = found;
      }
    }
  }
  for (EffectComponent* object = lists[kObjects].head; object; object = object->next) {
    if (object->parentId != 0) object->parent = lists[kObjects].findById(object->parentId);
  }
}

bool EffectDescription::removeComponent(ComponentKind kind, EffectComponent* component) {
  if (!lists[kind].unlink(component)) return false;
  for (ComponentList& list : lists) list.clearReferencesTo(component);
  component->destroy(true);
  return true;
}

EnvelopeComponent* EffectDescription::findEnvelope(uint16_t owner, uint16_t parameter) const {
  for (EffectComponent* member = lists[kEnvelopes].head; member; member = member->next) {
    auto* envelope = static_cast<EnvelopeComponent*>(member);
    if (envelope->linkId == owner && envelope->parameterIndex == parameter) return envelope;
  }
  return nullptr;
}

}  // namespace vta
