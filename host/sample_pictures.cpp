#include "sample_pictures.h"

#include <cstdio>

#include "model/files/texture_file.h"
#include "vantaro/renderer.h"

namespace vta::host {

std::vector<render::RgbPicture> samplePictures(const std::string& installFolder) {
  std::vector<render::RgbPicture> pictures;
  for (int k = 1; k <= VTA_RENDER_SOURCE_COUNT; ++k) {
    char name[32];
    std::snprintf(name, sizeof name, "\\Textures\\PREVL_%02d.VTT", k);
    TextureImage texture;
    loadTextureImage(texture, (installFolder + name).c_str());
    pictures.push_back(render::pictureOfTexture(reinterpret_cast<const VtaTextureImage&>(texture)));
  }
  return pictures;
}

}  // namespace vta::host
