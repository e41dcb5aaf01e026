// install SRC_DIR OUT_DIR [--renderer LIB] [--warp FILE]...: builds an
// installation tree from sample sources.
//
// SRC_DIR holds effects/*.json (effect documents; an effect without an
// "icon" gets a schematic one, or with --renderer one rendered by LIB),
// textures/*.png|*.ppm (one texture each, named by the file's stem) and
// master.json (the master group list, naming effects by title). LIB goes
// into LIBS and every warp plug-in into WARPS.
#include <cstdio>
#include <algorithm>
#include <filesystem>

#include "commands.h"
#include "documents.h"
#include "installed_effects.h"
#include "json_access.h"
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
// Plug-ins larger than this are refused.
constexpr size_t kMaxPlugInBytes = size_t{1} << 30;
const char* const kFolders[] = {"EFFECTS", "Textures", "orgs",      "LIBS",
                                "WARPS",   "Work",     "Envelopes", "Paths"};

struct PreviewQuality {
  const char* prefix;
  uint32_t size;
};
const PreviewQuality kQualities[] = {{"PREVS_", 32}, {"PREVM_", 64}, {"PREVL_", 128}};

struct InstallArgs {
  fs::path src, out;
  std::string renderer;
  std::vector<std::string> warps;
};

void saveTexture(const Picture& picture, const fs::path& target) {
  vta::TextureImage image;
  if (!textureFromPicture(picture, image) ||
      !vta::saveTextureImage(image, target.string().c_str())) {
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
    const std::vector<Picture> pictures = placeholderSources(q.size);
    for (int source = 1; source <= kPlaceholderSources; ++source) {
      char name[16];
      std::snprintf(name, sizeof name, "%s%02d.VTT", q.prefix, source);
      saveTexture(pictures[source - 1], out / "Textures" / name);
    }
  }
}

void copyInto(const std::string& file, const fs::path& folder) {
  std::string bytes;
  if (!readTextFile(file, bytes, kMaxPlugInBytes)) throw BuildError("cannot read " + file);
  if (!writeTextFile((folder / fs::path(file).filename()).string(), bytes))
    throw BuildError("cannot copy " + file + " into " + folder.string());
}

void checkMaster(const Json& master, const std::vector<std::string>& titles) {
  for (const Json& group : readArray(required(master, "groups"), "groups", 4096)) {
    for (const Json& item : readArray(required(group, "items"), "items", 16)) {
      if (std::find(titles.begin(), titles.end(), item.text()) == titles.end()) {
        throw BuildError("master.json names \"" + item.text() +
                         "\", which no effect has as its title");
      }
    }
  }
}

void install(const InstallArgs& args) {
  makeTree(args.out);
  installTextures(args.src, args.out);
  installPlaceholders(args.out);
  for (const std::string& warp : args.warps) copyInto(warp, args.out / "WARPS");
  if (!args.renderer.empty()) copyInto(args.renderer, args.out / "LIBS");
  // The icons are rendered from the effects, textures, placeholders and
  // warps of the tree, so after those are in place.
  std::vector<InstalledEffect> effects = installEffects(args.src, args.out);
  if (!args.renderer.empty()) {
    renderIcons((args.out / "LIBS" / fs::path(args.renderer).filename()).string(), args.out,
                effects);
  }
  const std::vector<std::string> titles = titlesOf(effects);
  const Json master = readDocumentFile((args.src / "master.json").string());
  checkMaster(master, titles);
  buildDocument(master, (args.out / "EFFECTS" / "Master.lst").string().c_str());
  std::printf("%zu effects installed in %s\n", titles.size(), args.out.string().c_str());
}

bool parseArgs(const Args& args, InstallArgs& out) {
  std::vector<std::string> folders;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--renderer" && hasValue)
      out.renderer = args[++i];
    else if (args[i] == "--warp" && hasValue)
      out.warps.push_back(args[++i]);
    else if (args[i].rfind("--", 0) == 0)
      return false;
    else
      folders.push_back(args[i]);
  }
  if (folders.size() != 2) return false;
  out.src = folders[0];
  out.out = folders[1];
  return true;
}

}  // namespace

int runInstall(const Args& args) {
  InstallArgs parsed;
  if (!parseArgs(args, parsed)) {
    return report(kExitUsage,
                  "usage: vtafx install SRC_DIR OUT_DIR [--renderer LIB] [--warp FILE]...");
  }
  try {
    install(parsed);
  } catch (const BuildError& e) {
    return report(kExitFailed, e.what());
  }
  return kExitOk;
}

}  // namespace vtafx
