#include "effect_json.h"

#include "component_json.h"
#include "image_json.h"
#include "json_access.h"
#include "model/files/description_chunks.h"
#include "model/owned_text.h"

namespace vtafx {

namespace {

// Longer texts than any dialog shows; keeps a hostile document small.
constexpr size_t kMaxTextLength = 65536;

bool hasIcon(const vta::TextureImage& image) {
  return image.pixels || image.width || image.height || image.rowPixels || image.rowCount;
}

void readVariants(const Json& in, vta::EffectDescription& d) {
  const Json* variants = optional(in, "variants");
  if (!variants) return;
  const std::vector<Json>& items = readArray(*variants, "variants", vta::kMaxVariants);
  if (!d.resetVariants(static_cast<uint32_t>(items.size()))) throw BuildError("out of memory");
  for (uint32_t i = 0; i < items.size(); ++i) {
    if (!items[i].isNull())
      d.setVariantText(i, readText(items[i], "variants", kMaxTextLength).c_str());
  }
}

void readOptionalText(const Json& in, const char* key, char*& slot) {
  if (const Json* value = optional(in, key)) {
    if (!value->isNull()) vta::replaceText(slot, readText(*value, key, kMaxTextLength).c_str());
  }
}

}  // namespace

void addEffectJson(const vta::EffectDescription& d, Json& out) {
  out.add("type", jsonUint(d.effectType));
  out.add("title", jsonText(d.title));
  out.add("text", jsonText(d.text));
  Json variants = Json::array();
  for (uint32_t i = 0; i < d.variantCount; ++i) variants.push(jsonText(d.variantTexts[i]));
  out.add("variants", std::move(variants));
  out.add("best", jsonF32(d.best));
  out.add("allowFlags", jsonUint(d.allowFlags));
  if (hasIcon(d.image)) out.add("icon", imageJson(d.image));
  addComponentLists(d, out);
}

void effectFromJson(const Json& in, vta::EffectDescription& d) {
  d.effectType = memberUint(in, "type");
  readOptionalText(in, "title", d.title);
  readOptionalText(in, "text", d.text);
  readVariants(in, d);
  d.best = memberF32(in, "best");
  d.allowFlags = memberUint(in, "allowFlags");
  if (const Json* icon = optional(in, "icon")) imageFromJson(*icon, d.image);
  readComponentLists(in, d);
}

}  // namespace vtafx
