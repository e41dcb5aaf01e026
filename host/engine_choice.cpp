#include "engine_choice.h"

#include <windows.h>

#include "vantaro/renderer.h"

namespace vta::host {
namespace {

// A string value of the library's settings key; empty when missing.
std::string setting(const char* name) {
  char value[MAX_PATH * 4] = "";
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, VTA_SETTINGS_KEY, name, RRF_RT_REG_SZ, nullptr, value,
                   &size) != ERROR_SUCCESS)
    return {};
  return value;
}

}  // namespace

EngineChoice readEngineChoice() {
  EngineChoice choice;
  choice.installFolder = setting(VTA_SETTING_PATH);
  choice.engine = setting(VTA_SETTING_ENGINE);
  if (choice.engine.empty()) choice.engine = VTA_DEFAULT_ENGINE;
  choice.pluginPath = choice.installFolder + "\\LIBS\\" + choice.engine + ".DLL";
  return choice;
}

}  // namespace vta::host
