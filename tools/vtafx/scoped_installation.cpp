#include "scoped_installation.h"

#include "platform/settings_store.h"
#include "render_session.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vtafx {

ScopedInstallation::ScopedInstallation(const std::string& installDir,
                                       const std::string& settingsFile) {
#ifdef _WIN32
  char previous[MAX_PATH * 4];
  hadPath_ = vta::readRegistryString(previous, sizeof previous, "Path") == 1;
  if (hadPath_) previousPath_ = previous;
#endif
  chosen_ = useInstallation(installDir, settingsFile);
}

ScopedInstallation::~ScopedInstallation() {
#ifdef _WIN32
  if (hadPath_) vta::writeRegistryString("Path", previousPath_.c_str());
  else RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, vta::registryKeyPath(), "Path");
#endif
}

}  // namespace vtafx
