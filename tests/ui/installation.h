// A throw-away installation folder for UI tests: effect files, the master
// group list, and the settings that point the library at it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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
  // Makes an empty installation below the temporary folder and points the
  // library's "Path" setting at it.
  explicit Installation(const char* name);
  // Removes the folder and puts back the settings it replaced.
  ~Installation();
  Installation(const Installation&) = delete;
  Installation& operator=(const Installation&) = delete;

  void addEffect(const EffectEntry& effect);
  // Writes something that is not an effect file under an effect's name.
  void corruptEffect(const std::string& name);
  void writeMaster(const std::vector<Group>& groups);
  void writeCurrent(const std::vector<Group>& groups);
  // The current list as stored, or nothing when it cannot be read.
  std::vector<Group> readCurrent() const;
  std::string currentPath() const;

  const std::string& root() const { return root_; }

 private:
  std::string root_;
  std::string previousPath_;
  bool hadPath_ = false;
  uint32_t previousCount_ = 0;
};

std::string readWholeFile(const std::string& path);

}  // namespace vta::test
