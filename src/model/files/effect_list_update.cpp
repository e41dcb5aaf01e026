#include "model/files/effect_list_update.h"

#include "model/files/effect_file.h"
#include "platform/file.h"
#include "platform/file_system.h"
#include "platform/install_paths.h"
#include "platform/path_separator.h"
#include "platform/settings_store.h"

#include <string>

namespace vta {

namespace {

const char kCountSetting[] = "Effect_Count";
// Bit of an effect's allow flags that offers it in the effect list.
constexpr uint32_t kOffered = 1;

uint32_t countEffectFiles() {
  char pattern[kInstallPathSize];
  if (!buildSearchPattern(pattern, sizeof pattern, "Effects", "*", "vta")) return 0;
  std::string folder(pattern);
  folder.erase(folder.rfind(kPathSeparator));  // buildPath put one before "*.vta"
  return static_cast<uint32_t>(listDirectory(folder.c_str(), "*.vta").size());
}

bool currentListPath(char* path, uint32_t size) {
  return buildPath(path, size, "orgs", "current", "org") != 0;
}

bool currentListExists() {
  char path[kInstallPathSize];
  File file;
  return currentListPath(path, sizeof path) && file.openForReading(path);
}

}  // namespace

bool EffectListUpdate::prepare() {
  rebuildDue_ = false;
  effectFileCount_ = countEffectFiles();
  if (effectFileCount_ == readRegistryDword(kCountSetting) && currentListExists()) return false;
  char path[kInstallPathSize];
  rebuildDue_ =
      buildPath(path, sizeof path, "Effects", "Master", "lst") && master_.loadFromPath(path);
  return rebuildDue_;
}

void EffectListUpdate::addIfOffered(EffectGroupList& current, int group, int item,
                                    bool& groupAdded) const {
  char title[kGroupNameSize];
  uint32_t allowFlags = 0;
  if (!readEffectSummary(master_.itemName(group, item), title, sizeof title, &allowFlags) ||
      (allowFlags & kOffered) == 0) {
    return;
  }
  if (!groupAdded) {
    groupAdded = current.addGroup(master_.group(group)->groupName) != 0;
    if (!groupAdded) return;
  }
  current.addItem(current.groupCount() - 1, title);
}

int EffectListUpdate::build(BuildProgress* progress) {
  uint32_t total = 0;
  for (int g = 0; g < master_.groupCount(); ++g) total += master_.itemCount(g);
  if (progress) progress->setRange(total);
  EffectGroupList current;
  uint32_t handled = 0;
  for (int g = 0; g < master_.groupCount(); ++g) {
    bool groupAdded = false;
    for (int j = 0; j < master_.itemCount(g); ++j) {
      if (progress) progress->setPosition(handled);
      ++handled;
      addIfOffered(current, g, j, groupAdded);
    }
  }
  char path[kInstallPathSize];
  return currentListPath(path, sizeof path) ? current.save(path) : 0;
}

void EffectListUpdate::finish() {
  if (rebuildDue_) writeRegistryDword(kCountSetting, effectFileCount_);
  rebuildDue_ = false;
}

}  // namespace vta
