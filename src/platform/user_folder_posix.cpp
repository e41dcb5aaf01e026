#include "platform/user_folder.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace vta {
namespace {

bool makeFolder(const std::string& folder) {
  return mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST;
}

}  // namespace

std::string userDataFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string base = config && *config ? config : "";
  if (base.empty()) {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return std::string();
    base = std::string(home) + "/.config";
    if (!makeFolder(base)) return std::string();
  }
  const std::string folder = base + "/vantaro";
  return makeFolder(folder) ? folder : std::string();
}

}  // namespace vta
