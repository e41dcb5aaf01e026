#include "png_writer.h"

#include <string>

#include "platform/safe_save.h"

namespace vta {
namespace {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void appendBigEndian(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift));
}

void appendChunk(std::string& out, const char* tag, const std::string& data) {
  appendBigEndian(out, static_cast<uint32_t>(data.size()));
  std::string tagged = std::string(tag, 4) + data;
  out += tagged;
  appendBigEndian(out, crc32(reinterpret_cast<const uint8_t*>(tagged.data()), tagged.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string storedZlib(const std::string& raw) {
  std::string out("\x78\x01", 2);
  uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  size_t offset = 0;
  do {
    size_t length = raw.size() - offset < 65535 ? raw.size() - offset : 65535;
    bool last = offset + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<char>(length & 0xFF));
    out.push_back(static_cast<char>(length >> 8));
    out.push_back(static_cast<char>(~length & 0xFF));
    out.push_back(static_cast<char>((~length >> 8) & 0xFF));
    out.append(raw, offset, length);
    offset += length;
  } while (offset < raw.size());
  appendBigEndian(out, (b << 16) | a);
  return out;
}

}  // namespace

std::string pngBytes(int width, int height, const uint8_t* rgb) {
  if (width <= 0 || height <= 0 || !rgb) return std::string();
  std::string header;
  appendBigEndian(header, static_cast<uint32_t>(width));
  appendBigEndian(header, static_cast<uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB, no interlace

  const size_t rowBytes = static_cast<size_t>(width) * 3;
  std::string raw;
  raw.reserve((rowBytes + 1) * height);
  for (int y = 0; y < height; ++y) {
    raw.push_back('\0');  // filter: none
    raw.append(reinterpret_cast<const char*>(rgb + rowBytes * y), rowBytes);
  }

  std::string png("\x89PNG\r\n\x1a\n", 8);
  appendChunk(png, "IHDR", header);
  appendChunk(png, "IDAT", storedZlib(raw));
  appendChunk(png, "IEND", std::string());
  return png;
}

bool writePng(const char* path, int width, int height, const uint8_t* rgb) {
  const std::string png = pngBytes(width, height, rgb);
  return !png.empty() && saveFile(path, png.data(), png.size());
}

}  // namespace vta
