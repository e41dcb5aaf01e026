#include "scratch_installation.h"

#include <filesystem>

#include "platform/settings_store.h"

namespace vta {

Installation::Installation() { writeRegistryString("Path", folder_.path().c_str()); }

void Installation::makeFolder(const std::string& relative) const {
  std::filesystem::create_directories(folder_.file(relative));
}

ChunkBytes& ChunkBytes::chunk(const char (&tag)[5], const std::string& payload) {
  bytes_ += std::string(tag, 4) + le32(static_cast<uint32_t>(payload.size())) + payload;
  return *this;
}

std::string surfacePayload(uint16_t id, uint16_t mappingKind, const std::string& mapFile) {
  std::string payload(382, '\0');
  payload[0] = static_cast<char>(id);
  payload[10] = '\x80';  // spanEnd 1.0f (0x3F800000) at offset 8
  payload[11] = '\x3F';
  payload[16] = static_cast<char>(mappingKind);
  payload.replace(88, mapFile.size(), mapFile);
  return payload;
}

std::string iconHead(uint8_t bytesPerPixel, uint8_t rowAlign, uint32_t width, uint32_t height,
                     uint32_t rowPixels, uint32_t rowCount) {
  std::string head{'\1', '\2', static_cast<char>(bytesPerPixel), static_cast<char>(rowAlign)};
  for (uint32_t word : {width, height, rowPixels, rowCount, 0u, 0u}) head += le32(word);
  return head + std::string(16, '\0');
}

}  // namespace vta
