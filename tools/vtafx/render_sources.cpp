#include "render_sources.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "model/files/texture_file.h"
#include "placeholders.h"
#include "vantaro/renderer.h"

namespace vtafx {

namespace {

std::vector<vta::host::RgbPicture> drawnCards(uint32_t size) {
  std::vector<vta::host::RgbPicture> cards;
  for (int k = 1; k <= kPlaceholderSources; ++k)
    cards.push_back(toRgbPicture(placeholderPicture(k, size)));
  return cards;
}

// A missing texture leaves its source without pixels, as in the host.
std::vector<vta::host::RgbPicture> installedCards(const std::string& install) {
  std::vector<vta::host::RgbPicture> cards;
  for (int k = 1; k <= VTA_RENDER_SOURCE_COUNT; ++k) {
    char name[16];
    std::snprintf(name, sizeof name, "PREVL_%02d.VTT", k);
    const std::string path = (std::filesystem::path(install) / "Textures" / name).string();
    vta::TextureImage texture;
    vta::loadTextureImage(texture, path.c_str());
    cards.push_back(vta::host::pictureOfTexture(reinterpret_cast<const VtaTextureImage&>(texture)));
  }
  return cards;
}

bool readSource(const std::string& path, vta::host::RgbPicture& out, std::string& error) {
  Picture picture;
  if (!readPicture(path, picture, error)) {
    error = path + ": " + error;
    return false;
  }
  out = toRgbPicture(std::move(picture));
  return true;
}

}  // namespace

bool renderSources(const RenderArgs& r, std::vector<vta::host::RgbPicture>& sources,
                   std::string& error) {
  sources = r.record.empty() ? drawnCards(std::min(r.width, r.height)) : installedCards(r.install);
  if (r.from.empty()) return true;
  return readSource(r.from, sources[0], error) && readSource(r.to, sources[1], error);
}

}  // namespace vtafx
