// A throw-away installation folder for UI tests: effect files, the master
// group list, and the settings that point the library at it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "registry_value.h"
#include "temp_folder.h"

namespace vta {
class EffectComponent;
}

namespace vta::test {

struct EffectEntry {
  std::string name;                   // file name without folder and extension
  std::string title;                  // "ENAM"
  bool offered;                       // bit 0 of "ALOW"
  uint32_t iconColour = 0;            // 0xRRGGBB of a solid icon ("IMG0"); 0: no icon
  std::string lateText;               // "DESC" after the icon: only a whole-file load sees it
  uint32_t type = 0;                  // "ETYP"
  std::vector<std::string> variants;  // "VCNT" and a "VDSC" each
  std::vector<const EffectComponent*> components;  // written as their chunks
};

using Group = std::pair<std::string, std::vector<std::string>>;

class Installation {
 public:
  // Makes an empty installation in a temporary folder and points the
  // library's "Path" setting at it, with an effect count of 0; both settings
  // come back as they were when it goes.
  Installation();

  void addEffect(const EffectEntry& effect);
  void writeMaster(const std::vector<Group>& groups);
  void writeCurrent(const std::vector<Group>& groups);
  // The current list as the library reads it (empty when it cannot).
  std::vector<Group> readCurrent() const;

  // Creates (or replaces) a file below the installation, making folders.
  std::string write(const std::string& relative, const std::string& bytes) const {
    return folder_.write(relative, bytes);
  }
  // Whole contents of a file below the installation; "" when unreadable.
  std::string read(const std::string& relative) const { return folder_.read(relative); }
  std::string root() const { return folder_.path(); }

 private:
  TempFolder folder_;
  RegistryValue path_{"Path"}, effectCount_{"Effect_Count"};
};

// Where the current list lives, relative to the installation.
constexpr char kCurrentList[] = "orgs\\current.org";

}  // namespace vta::test
