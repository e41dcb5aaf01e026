#include "render_sources.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "model/files/texture_file.h"
#include "placeholders.h"
#include "text_file.h"
#include "vantaro/renderer.h"

namespace vtafx {

namespace {

// Cards this large are kept in the installation's Work/Cards folder once
// drawn: twenty of them at 1080 pixels take about a second to draw.
constexpr uint32_t kKeptCardSide = 256;

std::string keptCardPath(const std::string& install, uint32_t size, int k) {
  char name[32];
  std::snprintf(name, sizeof name, "%u/CARD_%02d_%d.ppm", size, k, kPlaceholderEdition);
  return (std::filesystem::path(install) / "Work" / "Cards" / name).string();
}

bool readKeptCard(const std::string& path, uint32_t size, Picture& card) {
  std::string bytes, error;
  return readTextFile(path, bytes, size_t{size} * size * 3 + 64) && readPpm(bytes, card, error) &&
         card.width == size && card.height == size;
}

Picture card(const std::string& install, uint32_t size, int k) {
  if (size < kKeptCardSide) return placeholderPicture(k, size);
  const std::string path = keptCardPath(install, size, k);
  Picture kept;
  if (readKeptCard(path, size, kept)) return kept;
  kept = placeholderPicture(k, size);
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  writeTextFile(path, writePpm(kept));  // a read-only installation draws them every time
  return kept;
}

std::vector<vta::render::RgbPicture> drawnCards(const std::string& install, uint32_t size) {
  std::vector<vta::render::RgbPicture> cards;
  for (int k = 1; k <= kPlaceholderSources; ++k) cards.push_back(toRgbPicture(card(install, size, k)));
  return cards;
}

// A missing texture leaves its source without pixels, as in the host.
std::vector<vta::render::RgbPicture> installedCards(const std::string& install) {
  std::vector<vta::render::RgbPicture> cards;
  for (int k = 1; k <= VTA_RENDER_SOURCE_COUNT; ++k) {
    char name[16];
    std::snprintf(name, sizeof name, "PREVL_%02d.VTT", k);
    const std::string path = (std::filesystem::path(install) / "Textures" / name).string();
    vta::TextureImage texture;
    vta::loadTextureImage(texture, path.c_str());
    cards.push_back(vta::render::pictureOfTexture(reinterpret_cast<const VtaTextureImage&>(texture)));
  }
  return cards;
}

bool readSource(const std::string& path, vta::render::RgbPicture& out, std::string& error) {
  Picture picture;
  if (!readPicture(path, picture, error)) {
    error = path + ": " + error;
    return false;
  }
  out = toRgbPicture(std::move(picture));
  return true;
}

}  // namespace

bool renderSources(const RenderArgs& r, std::vector<vta::render::RgbPicture>& sources,
                   std::string& error) {
  sources = r.record.empty() ? drawnCards(r.install, std::min(r.width, r.height))
                              : installedCards(r.install);
  if (r.from.empty()) return true;
  return readSource(r.from, sources[0], error) && readSource(r.to, sources[1], error);
}

}  // namespace vtafx
