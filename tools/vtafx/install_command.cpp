// install SRC_DIR OUT_DIR: builds an installation tree from sample sources.
//
// SRC_DIR holds effects/*.json (effect documents; an effect without an
// "icon" gets a schematic one), textures/*.png|*.ppm (one texture each,
// named by the file's stem) and master.json (the master group list, naming
// effects by title).
#include <cstdio>
#include <algorithm>
#include <filesystem>

#include "commands.h"
#include "documents.h"
#include "effect_json.h"
#include "icon_art.h"
#include "json_access.h"
#include "model/files/effect_file.h"
#include "model/files/texture_file.h"
#include "placeholders.h"
#include "platform/file_system.h"
#include "text_file.h"
#include "texture_pixels.h"

namespace vtafx {

namespace {

namespace fs = std::filesystem;

// Marks a tree this command built, so a rebuild may empty it first.
const char kMarker[] = ".vtafx-install";
const char* const kFolders[] = {"EFFECTS", "Textures", "orgs", "LIBS", "WARPS", "Work", "Envelopes", "Paths"};
constexpr size_t kMaxTitle = 40;

struct PreviewQuality {
  const char* prefix;
  uint32_t size;
};
const PreviewQuality kQualities[] = {{"PREVS_", 32}, {"PREVM_", 64}, {"PREVL_", 128}};

void saveTexture(const Picture& picture, const fs::path& target) {
  vta::TextureImage image;
  if (!textureFromPicture(picture, image) || !vta::saveTextureImage(image, target.string().c_str())) {
    throw BuildError("cannot write " + target.string());
  }
}

void makeTree(const fs::path& out) {
  std::error_code ec;
  if (fs::exists(out / kMarker, ec)) fs::remove_all(out, ec);
  for (const char* folder : kFolders) fs::create_directories(out / folder, ec);
  if (!writeTextFile((out / kMarker).string(), "built by vtafx install\n")) {
    throw BuildError("cannot create " + out.string());
  }
}

void installTextures(const fs::path& src, const fs::path& out) {
  const std::string folder = (src / "textures").string();
  for (const char* pattern : {"*.png", "*.ppm"}) {
    for (const std::string& name : vta::listDirectory(folder.c_str(), pattern)) {
      Picture picture;
      std::string error;
      if (!readPicture(folder + "/" + name, picture, error)) throw BuildError(name + ": " + error);
      saveTexture(picture, out / "Textures" / (fs::path(name).stem().string() + ".VTT"));
    }
  }
}

void installPlaceholders(const fs::path& out) {
  for (const PreviewQuality& q : kQualities) {
    for (int source = 1; source <= kPlaceholderSources; ++source) {
      char name[16];
      std::snprintf(name, sizeof name, "%s%02d.VTT", q.prefix, source);
      saveTexture(placeholderCard(source, q.size), out / "Textures" / name);
    }
  }
}

Json readDocument(const fs::path& file) {
  std::string text, error;
  Json document;
  if (!readTextFile(file.string(), text, kMaxJsonBytes)) throw BuildError(file.string() + ": cannot read");
  if (!parseJson(text, document, error)) throw BuildError(file.string() + ": " + error);
  return document;
}

// The title names the file, so it must be a usable file name.
void checkTitle(const char* title, const std::string& source) {
  const std::string t = title ? title : "";
  if (t.empty() || t.size() > kMaxTitle || t.find_first_of("\\/:*?\"<>|") != std::string::npos) {
    throw BuildError(source + ": the title must be 1 to 40 characters usable in a file name");
  }
}

std::vector<std::string> installEffects(const fs::path& src, const fs::path& out) {
  const std::string folder = (src / "effects").string();
  std::vector<std::string> titles;
  for (const std::string& name : vta::listDirectory(folder.c_str(), "*.json")) {
    vta::EffectDescription description;
    try {
      effectFromJson(readDocument(folder + "/" + name), description);
    } catch (const BuildError& e) {
      throw BuildError(name + ": " + e.what());
    }
    checkTitle(description.title, name);
    if (!description.image.pixels) textureFromPicture(effectIcon(description), description.image);
    const fs::path target = out / "EFFECTS" / (std::string(description.title) + ".VTA");
    if (!vta::saveEffectFile(description, target.string().c_str())) throw BuildError("cannot write " + target.string());
    titles.push_back(description.title);
  }
  return titles;
}

void checkMaster(const Json& master, const std::vector<std::string>& titles) {
  for (const Json& group : readArray(required(master, "groups"), "groups", 4096)) {
    for (const Json& item : readArray(required(group, "items"), "items", 16)) {
      if (std::find(titles.begin(), titles.end(), item.text()) == titles.end()) {
        throw BuildError("master.json names \"" + item.text() + "\", which no effect has as its title");
      }
    }
  }
}

void install(const fs::path& src, const fs::path& out) {
  makeTree(out);
  installTextures(src, out);
  installPlaceholders(out);
  const std::vector<std::string> titles = installEffects(src, out);
  const Json master = readDocument(src / "master.json");
  checkMaster(master, titles);
  buildDocument(master, (out / "EFFECTS" / "Master.lst").string().c_str());
  std::printf("%zu effects installed in %s\n", titles.size(), out.string().c_str());
}

}  // namespace

int runInstall(const Args& args) {
  if (args.size() != 2) return report(kExitUsage, "usage: vtafx install SRC_DIR OUT_DIR");
  try {
    install(args[0], args[1]);
  } catch (const BuildError& e) {
    return report(kExitFailed, e.what());
  }
  return kExitOk;
}

}  // namespace vtafx
