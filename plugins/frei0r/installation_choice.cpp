#include "installation_choice.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <unistd.h>
#include <vector>

#include "platform/settings_store.h"

namespace vta::frei0r {
namespace {

constexpr char kSettingsVariable[] = "VANTARO_SETTINGS";

std::mutex g_loading;
std::string g_settingsFile;                    // empty until the first load
std::optional<std::string> g_previousSettings;  // VANTARO_SETTINGS before it

// Makes the plug-in's settings file, under a unique name in the temporary
// folder, and points the settings store at it.
bool ownSettingsFile() {
  if (!g_settingsFile.empty()) return true;
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  if (ec) return false;
  std::string pattern = (folder / "vantaro-frei0r-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int file = mkstemp(name.data());
  if (file < 0) return false;
  close(file);
  const char* previous = std::getenv(kSettingsVariable);
  g_previousSettings = previous ? std::optional<std::string>(previous) : std::nullopt;
  if (setenv(kSettingsVariable, name.data(), 1) != 0) {
    std::filesystem::remove(name.data(), ec);
    return false;
  }
  g_settingsFile = name.data();
  return true;
}

}  // namespace

bool withInstallation(const std::string& folder, const std::function<void()>& load) {
  std::lock_guard<std::mutex> lock(g_loading);
  if (!ownSettingsFile() || vta::writeRegistryString("Path", folder.c_str()) != 1) return false;
  load();
  return true;
}

void forgetInstallation() {
  std::lock_guard<std::mutex> lock(g_loading);
  if (g_settingsFile.empty()) return;
  std::error_code ec;
  std::filesystem::remove(g_settingsFile, ec);
  g_settingsFile.clear();
  if (g_previousSettings)
    setenv(kSettingsVariable, g_previousSettings->c_str(), 1);
  else
    unsetenv(kSettingsVariable);
}

}  // namespace vta::frei0r
