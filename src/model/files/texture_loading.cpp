// Loading the textures of a description's texture-mapped surfaces.
#include "model/components/surface.h"
#include "model/components/surface_fields.h"
#include "model/files/effect_file.h"
#include "model/files/texture_file.h"
#include "platform/install_paths.h"
#include "platform/memory.h"

namespace vta {

namespace {

const SurfaceComponent* textureSurface(const EffectComponent* member) {
  const auto* surface = static_cast<const SurfaceComponent*>(member);
  return surface->mappingKind == static_cast<uint16_t>(SurfaceMapping::kTexture) ? surface
                                                                                 : nullptr;
}

uint32_t countTextureSurfaces(const ComponentList& surfaces) {
  uint32_t count = 0;
  for (const EffectComponent* member = surfaces.head; member; member = member->next) {
    if (textureSurface(member)) ++count;
  }
  return count;
}

// A new image loaded from the texture named mapFile and named by it; without
// pixels when the file cannot be read. Null when memory runs out.
TextureImage* loadSurfaceTexture(const SurfaceComponent& surface) {
  const char* name = surface.mapFile;  // always NUL-terminated
  TextureImage* image = newTextureImage();
  if (!image) return nullptr;
  char path[kInstallPathSize];
  if (buildPath(path, sizeof path, "Textures", name, "VTT")) loadTextureImage(*image, path);
  image->setName(name);
  return image;
}

}  // namespace

void loadTextures(EffectDescription& description) {
  description.releaseTextures();
  const ComponentList& surfaces = description.lists[kSurfaces];
  const uint32_t count = countTextureSurfaces(surfaces);
  if (count == 0) return;
  description.textures = static_cast<TextureImage**>(allocate(sizeof(TextureImage*) * count));
  if (!description.textures) return;
  description.textureCount = count;
  uint32_t next = 0;
  for (const EffectComponent* member = surfaces.head; member; member = member->next) {
    if (const SurfaceComponent* surface = textureSurface(member)) {
      description.textures[next++] = loadSurfaceTexture(*surface);
    }
  }
}

}  // namespace vta
