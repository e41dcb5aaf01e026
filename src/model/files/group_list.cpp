#include "model/files/group_list.h"

#include "model/files/chunk_payload.h"
#include "model/files/chunk_reading.h"
#include "platform/chunk_file.h"
#include "platform/install_paths.h"
#include "platform/memory.h"

namespace vta {

namespace {

constexpr uint32_t kListMagic = fourCC("VTAG");
constexpr uint32_t kGroupTag = fourCC("OGRP");
constexpr uint32_t kItemTag = fourCC("OITM");
constexpr int kFirstCapacity = 16;

void copyName(char (&slot)[kGroupNameSize], const char* name) {
  size_t length = stringLength(name);
  if (length > kGroupNameSize - 1) length = kGroupNameSize - 1;
  copyBytes(slot, name, length);
  slot[length] = '\0';
}

uint32_t writeName(ChunkFile& out, uint32_t tag, const char* name) {
  return out.writeChunk(tag, static_cast<uint32_t>(stringLength(name)) + 1, name);
}

}  // namespace

void EffectGroupList::clear() {
  release(groups_);
  groups_ = nullptr;
  count_ = 0;
  capacity_ = 0;
}

const EffectGroup* EffectGroupList::group(int i) const {
  return i >= 0 && i < count_ ? &groups_[i] : nullptr;
}

int EffectGroupList::itemCount(int i) const {
  const EffectGroup* found = group(i);
  return found ? found->itemCount : 0;
}

const char* EffectGroupList::itemName(int i, int j) const {
  const EffectGroup* found = group(i);
  return found && j >= 0 && j < found->itemCount ? found->items[j] : nullptr;
}

bool EffectGroupList::reserveOneMore() {
  if (count_ < capacity_) return true;
  if (count_ >= kMaxGroups) return false;
  const int32_t grown = capacity_ == 0 ? kFirstCapacity : capacity_ * 2;
  auto* bigger = static_cast<EffectGroup*>(allocate(sizeof(EffectGroup) * grown));
  if (!bigger) return false;
  copyBytes(bigger, groups_, sizeof(EffectGroup) * count_);
  release(groups_);
  groups_ = bigger;
  capacity_ = grown;
  return true;
}

int EffectGroupList::addGroup(const char* name) {
  if (!reserveOneMore()) return 0;
  EffectGroup& added = groups_[count_++];
  fillBytes(&added, 0, sizeof added);
  copyName(added.groupName, name);
  return 1;
}

int EffectGroupList::addItem(int i, const char* name) {
  if (i < 0 || i >= count_ || groups_[i].itemCount >= kMaxGroupItems) return 0;
  EffectGroup& target = groups_[i];
  copyName(target.items[target.itemCount++], name);
  return 1;
}

int EffectGroupList::findGroupOf(const char* name) const {
  for (int i = 0; i < count_; ++i) {
    for (int j = 0; j < groups_[i].itemCount; ++j) {
      if (compareStrings(groups_[i].items[j], name) == 0) return i;
    }
  }
  return -1;
}

int EffectGroupList::findItemIndex(const char* name) const {
  const EffectGroup* found = group(findGroupOf(name));
  if (!found) return -1;
  for (int j = 0; j < found->itemCount; ++j) {
    if (compareStrings(found->items[j], name) == 0) return j;
  }
  return -1;
}

int EffectGroupList::loadByName(const char* listName) {
  char path[kInstallPathSize];
  if (!buildPath(path, sizeof path, "ORGS", listName, "ORG")) {
    clear();
    return 0;
  }
  return loadFromPath(path);
}

int EffectGroupList::loadFromPath(const char* path) {
  clear();
  ChunkFile file;
  if (file.open(path, kListMagic, kChunkReadFile) != kChunkOk) return 0;
  int current = -1;  // items before the first group have nowhere to go
  return readChunks(file, 0, [this, &current](const Chunk& chunk) {
    char name[kGroupNameSize];
    copyPayloadText(name, sizeof name, chunk, 0);
    if (chunk.tag == kGroupTag) {
      current = addGroup(name) ? count_ - 1 : -1;
    } else if (chunk.tag == kItemTag) {
      addItem(current, name);
    }
  });
}

int EffectGroupList::save(const char* path) const {
  ChunkFile out;
  if (out.open(path, kListMagic, kChunkWriteFile) != kChunkOk) return 0;
  // A chunk that cannot be written abandons the save, which commit() reports.
  for (int i = 0; i < count_; ++i) {
    writeName(out, kGroupTag, groups_[i].groupName);
    for (int j = 0; j < groups_[i].itemCount; ++j) writeName(out, kItemTag, groups_[i].items[j]);
  }
  return out.commit() ? 1 : 0;
}

}  // namespace vta
