#pragma once
// Finding effects by what the user types: every effect of a group list,
// matched by its name, title and description text, case-blind.

#include <string>
#include <vector>

#include "model/files/group_list.h"

namespace vta {

class EffectSearch {
 public:
  // Adds one effect; an effect name already held is not added again.
  void add(const char* name, const char* title, const char* text);
  // Adds every effect of every group of groups, with the title and text read
  // from its effect file (an effect without a readable file matches by name).
  void addGroups(const EffectGroupList& groups);
  bool empty() const { return effects_.empty(); }

  // Fills results with the names of the first kMaxGroupItems effects, in the
  // order added, whose name, title or text holds query (ASCII case ignored)
  // and returns how many effects match in all. An empty query matches none.
  int find(const char* query, EffectGroup& results) const;

 private:
  struct Entry {
    std::string name;
    std::string foldedWords;  // name, title and text in lower case
  };
  std::vector<Entry> effects_;
};

}  // namespace vta
