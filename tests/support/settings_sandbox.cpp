#include "settings_sandbox.h"

#include "platform/settings_store.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include <cstdlib>
#endif

namespace vta {

#ifdef _WIN32

namespace {

// CTest runs test programs in parallel against one registry: each process
// gets a key of its own.
const std::string& testKey() {
  static const std::string key =
      "Software\\Corvane\\VantaroTest\\" + std::to_string(GetCurrentProcessId());
  return key;
}

}  // namespace

SettingsSandbox::SettingsSandbox() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, testKey().c_str());
  setRegistryKey(testKey().c_str());
}

// The shared parent key stays: deleting it while another program creates its
// own key below it would make that creation fail.
SettingsSandbox::~SettingsSandbox() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, testKey().c_str());
  setRegistryKey(kRegistryRoot);
}

#else

SettingsSandbox::SettingsSandbox() { setenv("VANTARO_SETTINGS", file().c_str(), 1); }

SettingsSandbox::~SettingsSandbox() { unsetenv("VANTARO_SETTINGS"); }

#endif

}  // namespace vta
