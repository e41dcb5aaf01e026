#include "icon_rendering.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "icon_art.h"
#include "json_access.h"
#include "source_pictures.h"
#include "texture_pixels.h"

namespace vtafx {

namespace {

// The single-frame preview shows the effect at `best` of this range.
constexpr uint32_t kBestRange = 100;
const char kSettingsName[] = ".vtafx-icons.ini";

// As the preview: truncated, 0 for negatives and not-a-number.
uint32_t bestPosition(float best) {
  if (!(best > 0)) return 0;
  return best >= kBestRange ? kBestRange : static_cast<uint32_t>(best);
}

// Bytes no renderer draws by chance: the output still holding them after a
// frame means the renderer did not draw it.
std::vector<uint8_t> undrawnPattern(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 151 + 89);
  return bytes;
}

}  // namespace

IconRenderer::IconRenderer(const std::string& library, const std::string& installDir)
    : settings_{(std::filesystem::path(installDir) / kSettingsName).string()},
      installation_(installDir, settings_.path) {
  if (!installation_.chosen())
    throw BuildError("cannot record the installation path in " + settings_.path);
  std::string error;
  if (!session_.load(library, error)) throw BuildError("renderer: " + error);
  // The scenes without their number badges, which at icon size would only
  // clutter the picture.
  session_.setUp(kIconSize, scenePictures(kIconSize), nullptr);
}

IconRenderer::SettingsFile::~SettingsFile() {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

void IconRenderer::renderIcon(vta::EffectDescription& description) {
  vta::EffectSettings record;
  previewRecord(record, description.title);
  record.globalParams[VTA_ANTIALIASING] = 1;
  VtaTextureImage& output = session_.job().output;
  const std::vector<uint8_t> undrawn = undrawnPattern(output.dataSize);
  std::memcpy(output.pixels, undrawn.data(), undrawn.size());
  session_.prepare(record);
  session_.render(record, bestPosition(description.best), kBestRange);
  const std::string title = description.title;
  if (session_.output().bytes == undrawn) throw BuildError(title + ": the renderer drew no icon");
  description.image.clear();
  if (!textureFromPicture(session_.output().toPicture(), description.image)) {
    throw BuildError(title + ": out of memory for the icon");
  }
}

}  // namespace vtafx
