#pragma once
// Keeps the current group list ("orgs/current.org") in step with the effect
// files on disk. The master list ("Effects/Master.lst") names every effect
// by file name; the current list holds, per master group, the titles of the
// installed effects that are offered (bit 0 of their allow flags). It is
// rebuilt when the number of effect files differs from "Effect_Count" in the
// settings store, or when it is missing.
//
//   EffectListUpdate update;
//   if (update.prepare()) {
//     update.build(progress);  // behind a progress window, or silently
//     update.finish();
//   }

#include <cstdint>

#include "model/files/group_list.h"

namespace vta {

// Receives the rebuild's progress; the caller shows it.
class BuildProgress {
 public:
  virtual void setRange(uint32_t total) = 0;
  virtual void setPosition(uint32_t done) = 0;

 protected:
  ~BuildProgress() = default;
};

class EffectListUpdate {
 public:
  // Counts the "*.vta" files (any letter case) in "Effects", reads
  // "Effect_Count" and checks that the current list exists. Returns false
  // without reading anything else when the count is unchanged and the list
  // exists. Otherwise loads the master list and returns true when a rebuild
  // is due, false when the master list cannot be read.
  bool prepare();

  // Rebuilds the current list from the master list: each master entry's
  // effect file is read for its title and allow flags; unreadable entries
  // and those not offered are skipped; a master group appears only when at
  // least one of its effects passes, holding their titles (at most 16).
  // progress (may be null) gets the total number of entries first and,
  // before each entry, how many were handled. Returns 1 when the current
  // list was saved (atomically), else 0.
  int build(BuildProgress* progress);

  // After a prepare() that returned true: stores the counted number as
  // "Effect_Count", also when build() failed. Otherwise does nothing.
  void finish();

 private:
  void addIfOffered(EffectGroupList& current, int group, int item, bool& groupAdded) const;

  EffectGroupList master_;
  uint32_t effectFileCount_ = 0;
  bool rebuildDue_ = false;
};

}  // namespace vta
