#include "scoped_installation.h"

#include <chrono>
#include <filesystem>

#include "platform/settings_store.h"
#include "render_session.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vtafx {

ScopedInstallation::ScopedInstallation(const std::string& installDir,
                                       const std::string& settingsFile)
    : settingsFile_(settingsFile) {
#ifdef _WIN32
  char previous[MAX_PATH * 4];
  hadPath_ = vta::readRegistryString(previous, sizeof previous, "Path") == 1;
  if (hadPath_) previousPath_ = previous;
#endif
  chosen_ = useInstallation(installDir, settingsFile);
}

namespace {

std::string freshSettingsPath() {
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  auto name = "vtafx-installation-" + std::to_string(stamp) + ".ini";
  return (std::filesystem::temp_directory_path() / name).string();
}

}  // namespace

ScopedInstallation::ScopedInstallation(const std::string& installDir)
    : ScopedInstallation(installDir, freshSettingsPath()) {
  ownsSettings_ = true;
}

ScopedInstallation::~ScopedInstallation() {
  if (ownsSettings_) {
    std::error_code ec;
    std::filesystem::remove(settingsFile_, ec);
  }
#ifdef _WIN32
  if (hadPath_)
    vta::writeRegistryString("Path", previousPath_.c_str());
  else
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, vta::registryKeyPath(), "Path");
#endif
}

}  // namespace vtafx
