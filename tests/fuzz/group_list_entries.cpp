// Group lists and their writer.
#include <cstring>

#include "fuzz_entries.h"
#include "model/files/group_list.h"
#include "scratch_file.h"

namespace vta::fuzz {

namespace {

bool sameGroups(const EffectGroupList& a, const EffectGroupList& b) {
  if (a.groupCount() != b.groupCount()) return false;
  for (int i = 0; i < a.groupCount(); ++i) {
    if (std::strcmp(a.group(i)->groupName, b.group(i)->groupName) != 0) return false;
    if (a.itemCount(i) != b.itemCount(i)) return false;
    for (int j = 0; j < a.itemCount(i); ++j) {
      if (std::strcmp(a.itemName(i, j), b.itemName(i, j)) != 0) return false;
    }
  }
  return true;
}

}  // namespace

bool readGroupList(const uint8_t* data, size_t size) {
  ScratchFiles files;
  EffectGroupList list;
  list.loadFromPath(files.input(data, size));
  return true;
}

bool roundTripGroupList(const uint8_t* data, size_t size) {
  ScratchFiles files;
  EffectGroupList read, reread;
  read.loadFromPath(files.input(data, size));
  if (!read.save(files.first())) return false;
  if (!reread.loadFromPath(files.first()) || !sameGroups(read, reread)) return false;
  return reread.save(files.second()) && files.sameOutputs();
}

}  // namespace vta::fuzz
