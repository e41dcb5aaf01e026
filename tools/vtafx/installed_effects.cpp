#include "installed_effects.h"

#include "documents.h"
#include "effect_json.h"
#include "icon_art.h"
#include "icon_rendering.h"
#include "json_access.h"
#include "model/files/effect_file.h"
#include "platform/file_system.h"
#include "texture_pixels.h"

namespace vtafx {

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxTitle = 40;

// The title names the file, so it must be a usable file name.
void checkTitle(const char* title, const std::string& source) {
  const std::string t = title ? title : "";
  if (t.empty() || t.size() > kMaxTitle || t.find_first_of("\\/:*?\"<>|") != std::string::npos) {
    throw BuildError(source + ": the title must be 1 to 40 characters usable in a file name");
  }
}

void saveEffect(const vta::EffectDescription& description, const fs::path& target) {
  if (!vta::saveEffectFile(description, target.string().c_str()))
    throw BuildError("cannot write " + target.string());
}

}  // namespace

std::vector<InstalledEffect> installEffects(const fs::path& src, const fs::path& out) {
  const std::string folder = (src / "effects").string();
  std::vector<InstalledEffect> effects;
  for (const std::string& name : vta::listDirectory(folder.c_str(), "*.json")) {
    auto description = std::make_unique<vta::EffectDescription>();
    try {
      effectFromJson(readDocumentFile(folder + "/" + name), *description);
    } catch (const BuildError& e) {
      throw BuildError(name + ": " + e.what());
    }
    checkTitle(description->title, name);
    const bool drawnIcon = !description->image.pixels;
    if (drawnIcon) textureFromPicture(effectIcon(*description), description->image);
    const fs::path target = out / "EFFECTS" / (std::string(description->title) + ".VTA");
    saveEffect(*description, target);
    effects.push_back({std::move(description), target, drawnIcon});
  }
  return effects;
}

void renderIcons(const std::string& library, const fs::path& out,
                 std::vector<InstalledEffect>& effects) {
  IconRenderer renderer(library, out.string());
  for (InstalledEffect& effect : effects) {
    if (!effect.drawnIcon) continue;
    renderer.renderIcon(*effect.description);
    saveEffect(*effect.description, effect.file);
  }
}

std::vector<std::string> titlesOf(const std::vector<InstalledEffect>& effects) {
  std::vector<std::string> titles;
  for (const InstalledEffect& effect : effects) titles.push_back(effect.description->title);
  return titles;
}

}  // namespace vtafx
