#include "ui/library_state.h"

#include "platform/install_paths.h"

namespace vta {
namespace {

HINSTANCE g_module = nullptr;
char g_helpFilePath[kInstallPathSize] = "";

}  // namespace

HINSTANCE moduleInstance() { return g_module; }

void setModuleInstance(HINSTANCE instance) { g_module = instance; }

const char* helpFilePath() { return g_helpFilePath; }

void buildHelpFilePath() {
  if (!buildPath(g_helpFilePath, sizeof g_helpFilePath, "HELP", "VTASlct", "HLP")) {
    g_helpFilePath[0] = '\0';
  }
}

}  // namespace vta
