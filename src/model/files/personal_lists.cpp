#include "model/files/personal_lists.h"

#include <cstdio>
#include <cstring>

#include "platform/file_system.h"
#include "platform/install_paths.h"
#include "platform/path_separator.h"
#include "platform/user_folder.h"

namespace vta {
namespace {

constexpr char kFavourites[] = "Favourites";
constexpr char kRecent[] = "Recently Used";
constexpr char kFileName[] = "Effect Lists.org";

void clearGroup(EffectGroup& group, const char* name) {
  std::memset(&group, 0, sizeof group);
  std::snprintf(group.groupName, kGroupNameSize, "%s", name);
}

int indexOf(const EffectGroup& group, const char* name) {
  for (int j = 0; j < group.itemCount; ++j) {
    if (std::strcmp(group.items[j], name) == 0) return j;
  }
  return -1;
}

void removeAt(EffectGroup& group, int j) {
  for (; j + 1 < group.itemCount; ++j)
    std::memcpy(group.items[j], group.items[j + 1], kGroupNameSize);
  --group.itemCount;
}

void copyGroup(EffectGroup& to, const EffectGroupList& list, const char* name) {
  for (int i = 0; i < list.groupCount(); ++i) {
    if (std::strcmp(list.group(i)->groupName, name) == 0) {
      to = *list.group(i);
      return;
    }
  }
}

void addGroup(EffectGroupList& list, const EffectGroup& group) {
  list.addGroup(group.groupName);
  for (int j = 0; j < group.itemCount; ++j) list.addItem(list.groupCount() - 1, group.items[j]);
}

}  // namespace

PersonalLists::PersonalLists() {
  clearGroup(favourites_, kFavourites);
  clearGroup(recent_, kRecent);
}

bool PersonalLists::isFavourite(const char* name) const { return indexOf(favourites_, name) >= 0; }

bool PersonalLists::addFavourite(const char* name) {
  if (isFavourite(name) || favourites_.itemCount >= kMaxGroupItems) return false;
  std::snprintf(favourites_.items[favourites_.itemCount++], kGroupNameSize, "%s", name);
  return true;
}

void PersonalLists::removeFavourite(const char* name) {
  const int j = indexOf(favourites_, name);
  if (j >= 0) removeAt(favourites_, j);
}

void PersonalLists::noteUsed(const char* name) {
  const int older = indexOf(recent_, name);
  if (older >= 0) removeAt(recent_, older);
  if (recent_.itemCount == kMaxGroupItems) --recent_.itemCount;
  std::memmove(recent_.items[1], recent_.items[0], kGroupNameSize * recent_.itemCount);
  std::snprintf(recent_.items[0], kGroupNameSize, "%s", name);
  ++recent_.itemCount;
}

void PersonalLists::keepOnly(const std::function<bool(const char*)>& installed) {
  for (EffectGroup* group : {&favourites_, &recent_}) {
    for (int j = group->itemCount - 1; j >= 0; --j) {
      if (!installed(group->items[j])) removeAt(*group, j);
    }
  }
}

void PersonalLists::load(const char* path) {
  clearGroup(favourites_, kFavourites);
  clearGroup(recent_, kRecent);
  EffectGroupList stored;
  stored.loadFromPath(path);
  copyGroup(favourites_, stored, kFavourites);
  copyGroup(recent_, stored, kRecent);
}

bool PersonalLists::save(const char* path) const {
  EffectGroupList stored;
  addGroup(stored, favourites_);
  addGroup(stored, recent_);
  return stored.save(path) == 1;
}

std::string personalListsPath() {
  const std::string folder = userDataFolder();
  return folder.empty() ? folder : folder + kPathSeparator + kFileName;
}

bool effectInstalled(const char* name) {
  char path[kInstallPathSize];
  return buildPath(path, sizeof path, "EFFECTS", name, "VTA") &&
         fileExists(resolvePath(path).c_str());
}

}  // namespace vta
