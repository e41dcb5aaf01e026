#pragma once
// Group lists: named groups of up to 16 effect names, stored as "VTAG" files
// of "OGRP" (starts a group) and "OITM" (adds a name to it) chunks. The
// master list ("Effects/Master.lst"), the current list ("orgs/current.org")
// and any list the user names are such files.

#include <cstdint>

namespace vta {

constexpr int kMaxGroupItems = 16;
// Group and effect names hold at most 40 characters; longer ones are cut.
constexpr int kGroupNameSize = 41;
// Groups beyond this many are dropped, so a damaged file cannot make a list
// grow without end.
constexpr int kMaxGroups = 4096;

struct EffectGroup {
  int32_t itemCount;
  char groupName[kGroupNameSize];
  char items[kMaxGroupItems][kGroupNameSize];
};

class EffectGroupList {
 public:
  EffectGroupList() = default;
  ~EffectGroupList() { clear(); }
  EffectGroupList(const EffectGroupList&) = delete;
  EffectGroupList& operator=(const EffectGroupList&) = delete;

  void clear();
  int groupCount() const { return count_; }
  // Null when i is out of range.
  const EffectGroup* group(int i) const;
  // 0 when i is out of range.
  int itemCount(int i) const;
  // Null when i or j is out of range.
  const char* itemName(int i, int j) const;

  // Appends an empty group named name (cut to 40 characters). 0, leaving the
  // list unchanged, when memory runs out or kMaxGroups are held; else 1.
  int addGroup(const char* name);
  // Appends name (cut to 40 characters) to group i. 0 when i is out of range
  // or the group is full; else 1.
  int addItem(int i, const char* name);

  // Index of the first group holding an effect named name (exact,
  // case-sensitive), or -1.
  int findGroupOf(const char* name) const;
  // Position of name within that first group, or -1.
  int findItemIndex(const char* name) const;

  // clear(), then read "<Path>/ORGS/<listName>.ORG".
  int loadByName(const char* listName);
  // clear(), then read the list file at path. Items before the first group
  // are ignored, items beyond a group's sixteenth dropped. 1 when the file
  // had the right magic and was read to its end; else 0, keeping the groups
  // read until then.
  int loadFromPath(const char* path);
  // Writes the list to path, replacing the file only when every chunk was
  // written. 1 on success.
  int save(const char* path) const;

 private:
  bool reserveOneMore();

  int32_t count_ = 0;
  int32_t capacity_ = 0;
  EffectGroup* groups_ = nullptr;
};

}  // namespace vta
