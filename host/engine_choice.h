// The renderer of the host's final render, found as include/vantaro/renderer.h
// says: the library's settings name the installation folder and the engine
// the user chose on the Settings page.
#pragma once

#include <string>

namespace vta::host {

struct EngineChoice {
  std::string installFolder;  // empty when the settings name none
  std::string engine;         // "Engine", or Rnd_Software when not set
  std::string pluginPath;     // <installFolder>\LIBS\<engine>.DLL
};

EngineChoice readEngineChoice();

}  // namespace vta::host
