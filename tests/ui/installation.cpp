#include "installation.h"

#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "le_bytes.h"
#include "model/effect_component.h"
#include "platform/chunk_file.h"
#include "platform/memory.h"
#include "platform/settings_store.h"

namespace vta::test {
namespace {

void writeGroupList(const std::string& path, const std::vector<Group>& groups) {
  ChunkFile file;
  file.open(path.c_str(), fourCC("VTAG"), kChunkWriteFile);
  for (const Group& group : groups) {
    file.writeChunk(fourCC("OGRP"), group.first.size() + 1, group.first.c_str());
    for (const std::string& item : group.second) {
      file.writeChunk(fourCC("OITM"), item.size() + 1, item.c_str());
    }
  }
  file.commit();
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

void removeTree(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace

Installation::Installation(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  root_ = std::string(temp) + "vantaro_" + name;
  removeTree(root_);
  CreateDirectoryA(root_.c_str(), nullptr);
  CreateDirectoryA((root_ + "\\Effects").c_str(), nullptr);
  CreateDirectoryA((root_ + "\\orgs").c_str(), nullptr);
  setRegistryKey(kRegistryRoot);
  char previous[MAX_PATH];
  hadPath_ = readRegistryString(previous, sizeof previous, "Path") != 0;
  if (hadPath_) previousPath_ = previous;
  previousCount_ = readRegistryDword("Effect_Count");
  writeRegistryString("Path", root_.c_str());
  writeRegistryDword("Effect_Count", 0);
}

Installation::~Installation() {
  removeTree(root_);
  writeRegistryDword("Effect_Count", previousCount_);
  if (hadPath_) {
    writeRegistryString("Path", previousPath_.c_str());
    return;
  }
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRegistryRoot, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, "Path");
    RegCloseKey(key);
  }
}

void Installation::addEffect(const EffectEntry& effect) {
  ChunkFile file;
  file.open((root_ + "\\Effects\\" + effect.name + ".VTA").c_str(), fourCC("VTAE"),
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

void Installation::corruptEffect(const std::string& name) {
  std::ofstream(root_ + "\\Effects\\" + name + ".VTA", std::ios::binary) << "not an effect";
}

void Installation::writeMaster(const std::vector<Group>& groups) {
  writeGroupList(root_ + "\\Effects\\Master.lst", groups);
}

void Installation::writeCurrent(const std::vector<Group>& groups) {
  writeGroupList(currentPath(), groups);
}

std::string Installation::currentPath() const { return root_ + "\\orgs\\current.org"; }

std::vector<Group> Installation::readCurrent() const {
  std::vector<Group> groups;
  ChunkFile file;
  if (file.open(currentPath().c_str(), fourCC("VTAG"), kChunkReadFile) != kChunkOk) return groups;
  Chunk chunk;
  while (file.readChunk(chunk) == kChunkOk) {
    std::string text(reinterpret_cast<const char*>(chunk.payload),
                     strnlen(reinterpret_cast<const char*>(chunk.payload), chunk.length));
    if (chunk.tag == fourCC("OGRP"))
      groups.push_back({text, {}});
    else if (chunk.tag == fourCC("OITM") && !groups.empty())
      groups.back().second.push_back(text);
  }
  return groups;
}

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace vta::test
