#include "installation.h"

#include <filesystem>

#include "le_bytes.h"
#include "model/effect_component.h"
#include "model/files/group_list.h"
#include "platform/chunk_file.h"
#include "platform/memory.h"

namespace vta::test {
namespace {

void writeGroupList(const std::string& path, const std::vector<Group>& groups) {
  EffectGroupList list;
  for (const Group& group : groups) {
    list.addGroup(group.first.c_str());
    for (const std::string& item : group.second) list.addItem(list.groupCount() - 1, item.c_str());
  }
  list.save(path.c_str());
}

constexpr uint32_t kIconWidth = 32, kIconHeight = 24;

// A solid icon as the library draws it: 24-bit blue-green-red rows, bottom
// up, each row a whole number of 32-bit words.
std::string iconPayload(uint32_t colour) {
  std::string bytes = {'\0', '\0', '\3', '\4'};
  for (uint32_t value : {kIconWidth, kIconHeight, kIconWidth, kIconHeight, 0u, 0u})
    bytes += le32(value);
  bytes.append(16, '\0');
  for (uint32_t pixel = 0; pixel < kIconWidth * kIconHeight; ++pixel) {
    bytes += le32(colour).substr(0, 3);
  }
  return bytes;
}

}  // namespace

Installation::Installation() {
  std::filesystem::create_directories(folder_.file("Effects"));
  std::filesystem::create_directories(folder_.file("orgs"));
  path_.setText(root().c_str());
  effectCount_.setNumber(0);
}

void Installation::addEffect(const EffectEntry& effect) {
  ChunkFile file;
  file.open(folder_.file("Effects\\" + effect.name + ".VTA").c_str(), fourCC("VTAE"),
            kChunkWriteFile);
  file.writeChunk(fourCC("ENAM"), effect.title.size() + 1, effect.title.c_str());
  uint8_t allow[4] = {static_cast<uint8_t>(effect.offered ? 1 : 0), 0, 0, 0};
  file.writeChunk(fourCC("ALOW"), sizeof allow, allow);
  if (effect.iconColour) {
    const std::string icon = iconPayload(effect.iconColour);
    file.writeChunk(fourCC("IMG0"), static_cast<uint32_t>(icon.size()), icon.data());
  }
  if (!effect.lateText.empty()) {
    file.writeChunk(fourCC("DESC"), effect.lateText.size() + 1, effect.lateText.c_str());
  }
  for (const EffectComponent* component : effect.components) {
    uint32_t tag = 0, length = 0;
    uint8_t* payload = nullptr;
    if (component->writeChunk(&tag, &length, &payload)) file.writeChunk(tag, length, payload);
    release(payload);
  }
  file.writeChunk(fourCC("ETYP"), 4, le32(effect.type).data());
  if (!effect.variants.empty())
    file.writeChunk(fourCC("VCNT"), 4, le32(static_cast<uint32_t>(effect.variants.size())).data());
  for (uint32_t i = 0; i < effect.variants.size(); ++i) {
    const std::string variant = le32(i) + textBytes(effect.variants[i]);
    file.writeChunk(fourCC("VDSC"), static_cast<uint32_t>(variant.size()), variant.data());
  }
  file.commit();
}

void Installation::writeMaster(const std::vector<Group>& groups) {
  writeGroupList(folder_.file("Effects\\Master.lst"), groups);
}

void Installation::writeCurrent(const std::vector<Group>& groups) {
  writeGroupList(folder_.file(kCurrentList), groups);
}

std::vector<Group> Installation::readCurrent() const {
  EffectGroupList list;
  list.loadFromPath(folder_.file(kCurrentList).c_str());
  std::vector<Group> groups;
  for (int i = 0; i < list.groupCount(); ++i) {
    groups.push_back({list.group(i)->groupName, {}});
    for (int j = 0; j < list.itemCount(i); ++j) groups.back().second.push_back(list.itemName(i, j));
  }
  return groups;
}

}  // namespace vta::test
