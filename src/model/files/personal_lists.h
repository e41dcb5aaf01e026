#pragma once
// The user's own lists on the Effects page: "Favourites", and "Recently
// Used" (the effects last confirmed with OK, newest first). Each holds at
// most kMaxGroupItems names. They are stored together as a group list of
// those two groups in the user's own folder (userDataFolder), never in the
// installation, so a user without administrator rights keeps them too.

#include <functional>
#include <string>

#include "model/files/group_list.h"

namespace vta {

class PersonalLists {
 public:
  PersonalLists();

  const EffectGroup& favourites() const { return favourites_; }
  const EffectGroup& recent() const { return recent_; }
  bool isFavourite(const char* name) const;
  // False, changing nothing, when name is already a favourite or the list full.
  bool addFavourite(const char* name);
  void removeFavourite(const char* name);
  // Puts name first in "Recently Used"; an older entry of it goes, and the
  // oldest goes when the list would hold more than kMaxGroupItems.
  void noteUsed(const char* name);
  // Drops every name for which installed answers false.
  void keepOnly(const std::function<bool(const char*)>& installed);

  // Reads the lists from path; a missing or unreadable file, or a missing
  // group, leaves that list empty.
  void load(const char* path);
  // Saves both lists to path crash-safely. True on success.
  bool save(const char* path) const;

 private:
  EffectGroup favourites_;
  EffectGroup recent_;
};

// The file the lists of the current user are kept in; "" when the user has
// no folder of their own.
std::string personalListsPath();

// True when the effect file of name is installed.
bool effectInstalled(const char* name);

}  // namespace vta
