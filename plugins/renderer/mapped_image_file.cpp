// BMP and TGA files decoded by stb_image, from memory: the file is read
// whole (within a bound), its header's size is checked before any pixels
// are allocated, and the decoder's own allocations are refused beyond what
// such a picture needs.

#include <cstdlib>

#include "mapped_clip.h"
#include "platform/file.h"

namespace rnd {
namespace {

// Most bytes of one picture file read, and pixels a file byte may stand for
// (run-length packets of BMP and TGA files: a 2-byte run of 128 pixels at
// most, so a claim beyond that cannot be met by the file).
constexpr uint64_t kMaxFileBytes = uint64_t{64} << 20;
constexpr uint64_t kPixelsPerFileByte = 128;
// One allocation of the decoder at most: a picture of kMaxMappedPixels at
// four bytes per pixel, with room for its header.
constexpr size_t kMaxDecoderAllocation = size_t(kMaxMappedPixels * 4 + 4096);

void* boundedMalloc(size_t size) { return size > kMaxDecoderAllocation ? nullptr : std::malloc(size); }
// Named for the decoder's reallocations, which its BMP and TGA readers never make.
[[maybe_unused]] void* boundedRealloc(void* p, size_t size) {
  return size > kMaxDecoderAllocation ? nullptr : std::realloc(p, size);
}

}  // namespace
}  // namespace rnd

#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
#define STBI_MAX_DIMENSIONS 8192
#define STBI_MALLOC(size) rnd::boundedMalloc(size)
#define STBI_REALLOC(p, size) rnd::boundedRealloc(p, size)
#define STBI_FREE(p) std::free(p)
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace rnd {

namespace {

bool readWhole(const std::string& path, std::vector<uint8_t>& bytes) {
  vta::File file;
  if (!file.openForReading(path.c_str())) return false;
  const uint64_t size = file.size();
  if (size == 0 || size > kMaxFileBytes) return false;
  bytes.resize(size_t(size));
  return file.read(bytes.data(), bytes.size()) == bytes.size();
}

}  // namespace

bool decodeImageFile(const std::string& path, MappedFrame& out) {
  std::vector<uint8_t> file;
  if (!readWhole(path, file)) return false;
  const int length = static_cast<int>(file.size());
  int wide = 0, high = 0, channels = 0;
  if (!stbi_info_from_memory(file.data(), length, &wide, &high, &channels)) return false;
  if (!mappedSizeAllowed(wide, high)) return false;
  if (uint64_t(wide) * uint64_t(high) > file.size() * kPixelsPerFileByte) return false;
  stbi_uc* rgb = stbi_load_from_memory(file.data(), length, &wide, &high, &channels, 3);
  if (!rgb) return false;
  const bool sized = out.allocate(wide, high);
  if (sized) {
    const size_t pixels = size_t(wide) * size_t(high);
    for (size_t i = 0; i < pixels; ++i) {
      out.bgr[3 * i] = rgb[3 * i + 2];
      out.bgr[3 * i + 1] = rgb[3 * i + 1];
      out.bgr[3 * i + 2] = rgb[3 * i];
    }
  }
  stbi_image_free(rgb);
  return sized;
}

}  // namespace rnd
