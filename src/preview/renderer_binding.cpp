#include "preview/renderer_binding.h"

#include <cstring>

#include "platform/file_system.h"
#include "platform/install_paths.h"
#include "platform/path_separator.h"
#include "platform/settings_store.h"

namespace vta {
namespace {

constexpr uint32_t kNameSize = 256;

template <typename Function>
Function entry(const DynamicLibrary& module, const char* name) {
  return reinterpret_cast<Function>(module.symbol(name));
}

}  // namespace

bool loadRenderer(bool forPreview, DynamicLibrary& module, RendererEntries& entries) {
  char name[kNameSize];
  char path[kInstallPathSize];
  if (!readRegistryString(name, sizeof name, forPreview ? "Prev_Engine" : "Engine")) return false;
  if (!buildPath(path, sizeof path, "LIBS", name, "DLL")) return false;
  if (!module.open(path)) return false;
  entries.createContext = entry<VtaRndCreateContextFunction>(module, VTA_RND_CREATE_CONTEXT);
  entries.freeContext = entry<VtaRndFreeContextFunction>(module, VTA_RND_FREE_CONTEXT);
  entries.prepare = entry<VtaRndPrepareFunction>(module, VTA_RND_PREPARE);
  entries.staticVideo = entry<VtaRndStaticVideoFunction>(module, VTA_RND_STATIC_VIDEO);
  entries.render = entry<VtaRndRenderFunction>(module, VTA_RND_RENDER);
  return true;
}

void unloadRenderer(DynamicLibrary& module) { module.close(); }

std::vector<std::string> listRenderers(bool forPreview) {
  char pattern[kInstallPathSize];
  std::vector<std::string> names;
  if (!buildSearchPattern(pattern, sizeof pattern, "LIBS", "Rnd_*", "DLL")) return names;
  char* separator = std::strrchr(pattern, kPathSeparator);
  *separator = '\0';
  for (const std::string& file : listDirectory(pattern, separator + 1)) {
    std::string name = file.substr(0, file.size() - 4);
    // A name without wildcards matches exactly that name, case-blind.
    if (!(forPreview && matchesPattern(name.c_str(), "Rnd_Accelerated"))) names.push_back(name);
  }
  return names;
}

}  // namespace vta
