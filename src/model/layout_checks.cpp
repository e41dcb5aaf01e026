// Compile-time proof that the records hosts and plug-ins see have the
// published layouts: the C structs of vantaro.h have the 32-bit offsets, and
// the internal classes match the C structs field by field in every build.
#include <cstddef>

#include "model/effect_component.h"
#include "model/effect_settings.h"
#include "vantaro/vantaro.h"

namespace vta {
namespace {

#define VTA_SAME_FIELD(Class, Struct, field) \
  static_assert(offsetof(Class, field) == offsetof(Struct, field), #Class "." #field)

VTA_SAME_FIELD(TextureImage, VtaTextureImage, name);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, format);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, order);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, bytesPerPixel);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, rowAlign);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, width);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, height);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, rowPixels);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, rowCount);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, skipRows);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, skipPixels);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, imageReals);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, imageWord);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, pixels);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, ownsPixels);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, reservedWords);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, reservedReals);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, rowBytes);
VTA_SAME_FIELD(TextureImage, VtaTextureImage, dataSize);
static_assert(sizeof(TextureImage) == sizeof(VtaTextureImage), "TextureImage size");

VTA_SAME_FIELD(ComponentList, VtaComponentList, head);
VTA_SAME_FIELD(ComponentList, VtaComponentList, count);
static_assert(sizeof(ComponentList) == sizeof(VtaComponentList), "ComponentList size");

VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, effectType);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, title);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, text);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, variantCount);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, variantTexts);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, best);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, allowFlags);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, reservedText);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, image);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, lists);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, textureCount);
VTA_SAME_FIELD(EffectDescription, VtaEffectDescription, textures);
static_assert(sizeof(EffectDescription) == sizeof(VtaEffectDescription), "description size");

VTA_SAME_FIELD(EffectSettings, VtaEffectSettings, effectName);
VTA_SAME_FIELD(EffectSettings, VtaEffectSettings, padding);
VTA_SAME_FIELD(EffectSettings, VtaEffectSettings, globalParams);
VTA_SAME_FIELD(EffectSettings, VtaEffectSettings, objectParams);
VTA_SAME_FIELD(EffectSettings, VtaEffectSettings, description);
static_assert(sizeof(EffectSettings) == sizeof(VtaEffectSettings), "settings size");

// Renderer plug-ins read components through VtaComponent, whose `entries`
// stands for the virtual table pointer the compiler puts first.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
VTA_SAME_FIELD(EffectComponent, VtaComponent, id);
VTA_SAME_FIELD(EffectComponent, VtaComponent, linkId);
VTA_SAME_FIELD(EffectComponent, VtaComponent, parentId);
VTA_SAME_FIELD(EffectComponent, VtaComponent, link);
VTA_SAME_FIELD(EffectComponent, VtaComponent, attached);
VTA_SAME_FIELD(EffectComponent, VtaComponent, parent);
VTA_SAME_FIELD(EffectComponent, VtaComponent, spanStart);
VTA_SAME_FIELD(EffectComponent, VtaComponent, spanEnd);
VTA_SAME_FIELD(EffectComponent, VtaComponent, next);
#pragma GCC diagnostic pop

#undef VTA_SAME_FIELD

// The shipping 32-bit layouts.
#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(VtaTextureImage) == 84, "VtaTextureImage is 84 bytes");
static_assert(offsetof(VtaTextureImage, format) == 4, "format");
static_assert(offsetof(VtaTextureImage, order) == 5, "order");
static_assert(offsetof(VtaTextureImage, bytesPerPixel) == 6, "bytesPerPixel");
static_assert(offsetof(VtaTextureImage, rowAlign) == 7, "rowAlign");
static_assert(offsetof(VtaTextureImage, width) == 8, "width");
static_assert(offsetof(VtaTextureImage, height) == 12, "height");
static_assert(offsetof(VtaTextureImage, rowPixels) == 16, "rowPixels");
static_assert(offsetof(VtaTextureImage, rowCount) == 20, "rowCount");
static_assert(offsetof(VtaTextureImage, skipRows) == 24, "skipRows");
static_assert(offsetof(VtaTextureImage, skipPixels) == 28, "skipPixels");
static_assert(offsetof(VtaTextureImage, imageReals) == 32, "imageReals");
static_assert(offsetof(VtaTextureImage, imageWord) == 48, "imageWord");
static_assert(offsetof(VtaTextureImage, pixels) == 52, "pixels");
static_assert(offsetof(VtaTextureImage, ownsPixels) == 56, "ownsPixels");
static_assert(offsetof(VtaTextureImage, reservedWords) == 60, "reservedWords");
static_assert(offsetof(VtaTextureImage, reservedReals) == 68, "reservedReals");
static_assert(offsetof(VtaTextureImage, rowBytes) == 76, "rowBytes");
static_assert(offsetof(VtaTextureImage, dataSize) == 80, "dataSize");

static_assert(sizeof(VtaEffectDescription) == 180, "VtaEffectDescription is 180 bytes");
static_assert(offsetof(VtaEffectDescription, title) == 4, "title");
static_assert(offsetof(VtaEffectDescription, text) == 8, "text");
static_assert(offsetof(VtaEffectDescription, variantCount) == 12, "variantCount");
static_assert(offsetof(VtaEffectDescription, variantTexts) == 16, "variantTexts");
static_assert(offsetof(VtaEffectDescription, best) == 20, "best");
static_assert(offsetof(VtaEffectDescription, allowFlags) == 24, "allowFlags");
static_assert(offsetof(VtaEffectDescription, reservedText) == 28, "reservedText");
static_assert(offsetof(VtaEffectDescription, image) == 32, "image");
static_assert(offsetof(VtaEffectDescription, lists) == 116, "lists");
static_assert(sizeof(VtaComponentList) == 8, "list is a pointer and a count");
static_assert(offsetof(VtaEffectDescription, textureCount) == 172, "textureCount");
static_assert(offsetof(VtaEffectDescription, textures) == 176, "textures");

static_assert(sizeof(VtaEffectSettings) == 1144, "VtaEffectSettings is 1144 bytes");
static_assert(offsetof(VtaEffectSettings, padding) == 41, "padding");
static_assert(offsetof(VtaEffectSettings, globalParams) == 44, "parameter 0 at 44");
static_assert(offsetof(VtaEffectSettings, globalParams[29]) == 160, "parameter 29 at 160");
static_assert(offsetof(VtaEffectSettings, objectParams) == 164, "parameter 100 at 164");
static_assert(offsetof(VtaEffectSettings, objectParams[19][9]) == 960, "parameter 2009 at 960");
static_assert(offsetof(VtaEffectSettings, description) == 964, "description");
#endif

}  // namespace
}  // namespace vta
