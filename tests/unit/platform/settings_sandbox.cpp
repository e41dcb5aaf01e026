#include "settings_sandbox.h"

#include "platform/settings_store.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace vta {

#ifdef _WIN32

namespace {
const char kTestKey[] = "Software\\Corvane\\VantaroTest\\platform_tests";
}

SettingsSandbox::SettingsSandbox() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestKey);
  setRegistryKey(kTestKey);
}

SettingsSandbox::~SettingsSandbox() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestKey);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Corvane\\VantaroTest");
  setRegistryKey(kRegistryRoot);
}

#else

SettingsSandbox::SettingsSandbox() {
  setenv("VANTARO_SETTINGS", file().c_str(), 1);
}

SettingsSandbox::~SettingsSandbox() {
  unsetenv("VANTARO_SETTINGS");
}

#endif

}  // namespace vta
