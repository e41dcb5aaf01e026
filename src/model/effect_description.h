#pragma once
// An effect's description, laid out as VtaEffectDescription. Loaded from an
// effect file it describes the effect (texts, type, flags, icon, scene);
// inside a settings record it holds the components the user added or changed.
// It owns its texts, variant texts, components, icon pixels and textures.

#include <cstdint>

#include "model/component_list.h"
#include "model/texture_image.h"

namespace vta {

class EnvelopeComponent;

struct EffectDescription {
  uint32_t effectType;
  char* title;
  char* text;
  uint32_t variantCount;
  char** variantTexts;
  float best;
  uint32_t allowFlags;
  char* reservedText;
  TextureImage image;
  ComponentList lists[kComponentKindCount];
  uint32_t textureCount;
  TextureImage** textures;

  EffectDescription();
  ~EffectDescription() { clear(); }
  EffectDescription(const EffectDescription&) = delete;
  EffectDescription& operator=(const EffectDescription&) = delete;

  // Releases texts, variants, components, textures and the icon;
  // effectType, best and allowFlags keep their values.
  void clear();
  // Makes this an equal, independent copy of source: texts the source lacks
  // are released here, components are cloned and re-linked, textures are
  // duplicated.
  void copyFrom(const EffectDescription& source);
  // 0 when type, flags and every list compare equal; else 1. Texts, variants,
  // best, icon and textures take no part.
  int compare(const EffectDescription& other) const;

  // Texts copied into a caller's buffer; a missing one reads as "".
  void getTitle(char* buffer, unsigned size) const;
  void getText(char* buffer, unsigned size) const;
  void getVariantText(uint32_t index, char* buffer, unsigned size) const;
  // Releases the variant texts and makes count empty ones.
  bool resetVariants(uint32_t count);
  void setVariantText(uint32_t index, const char* text);

  // Sets link (from linkId, the later list winning when two lists hold the
  // id) and parent (from parentId, among the objects) on every component.
  void resolveLinks();
  // Takes component out of list kind, clears every reference to it held by
  // members of any list, and destroys it. False when it is not a member.
  bool removeComponent(ComponentKind kind, EffectComponent* component);
  // First envelope whose linkId is owner and parameterIndex is parameter.
  EnvelopeComponent* findEnvelope(uint16_t owner, uint16_t parameter) const;

  void releaseTextures();
};

}  // namespace vta
