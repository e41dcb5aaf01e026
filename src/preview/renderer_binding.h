#pragma once
// Binding a renderer plug-in ("Rnd_<name>.DLL" in the installation's LIBS
// folder) and finding the renderers that are installed.

#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "vantaro/renderer.h"

namespace vta {

// The five entry points of a bound renderer; a missing one is null.
struct RendererEntries {
  VtaRndCreateContextFunction createContext = nullptr;  // never called
  VtaRndFreeContextFunction freeContext = nullptr;
  VtaRndPrepareFunction prepare = nullptr;
  VtaRndStaticVideoFunction staticVideo = nullptr;  // never called
  VtaRndRenderFunction render = nullptr;
};

// Loads the renderer named by the setting "Prev_Engine" (forPreview) or
// "Engine" from <Path>/LIBS/<name>.DLL into module and looks up its entries.
// False, with entries left as they were, when the name or path cannot be
// read or the library cannot be loaded.
bool loadRenderer(bool forPreview, DynamicLibrary& module, RendererEntries& entries);

// Releases the library.
void unloadRenderer(DynamicLibrary& module);

// Names of the installed renderers: each "Rnd_*.DLL" in the LIBS folder
// without its last four characters, in listing order. The preview list
// leaves out "Rnd_Accelerated".
std::vector<std::string> listRenderers(bool forPreview);

}  // namespace vta
