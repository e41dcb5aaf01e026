#include "file_kind.h"

#include <cstdio>

#include "platform/byte_order.h"
#include "platform/file.h"

namespace vtafx {

namespace {

struct KindInfo {
  FileKind kind;
  uint32_t magic;
  const char* name;
};

const KindInfo kKinds[] = {
    {FileKind::kEffect, vta::fourCC("VTAE"), "effect"},
    {FileKind::kTexture, vta::fourCC("VTAI"), "texture"},
    {FileKind::kGroupList, vta::fourCC("VTAG"), "groupList"},
    {FileKind::kDefaults, vta::fourCC("VTAR"), "defaults"},
    {FileKind::kEnvelope, vta::fourCC("VENV"), "envelope"},
    {FileKind::kPath, vta::fourCC("VPTH"), "path"},
};

}  // namespace

const char* kindName(FileKind kind) {
  for (const KindInfo& k : kKinds) {
    if (k.kind == kind) return k.name;
  }
  return "unknown";
}

FileKind kindFromName(const std::string& name) {
  for (const KindInfo& k : kKinds) {
    if (name == k.name) return k.kind;
  }
  return FileKind::kUnknown;
}

uint32_t kindMagic(FileKind kind) {
  for (const KindInfo& k : kKinds) {
    if (k.kind == kind) return k.magic;
  }
  return 0;
}

FileKind kindFromMagic(uint32_t magic) {
  for (const KindInfo& k : kKinds) {
    if (k.magic == magic) return k.kind;
  }
  return FileKind::kUnknown;
}

bool readMagic(const char* path, uint32_t& magic) {
  vta::File file;
  uint8_t bytes[4];
  if (!file.openForReading(path) || file.read(bytes, sizeof bytes) != sizeof bytes) return false;
  magic = vta::readU32LE(bytes);
  return true;
}

std::string tagText(uint32_t tag) {
  std::string text;
  for (int i = 0; i < 4; ++i) {
    const unsigned c = (tag >> (8 * i)) & 0xFF;
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
    text += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : std::string(escaped);
  }
  return text;
}

}  // namespace vtafx
