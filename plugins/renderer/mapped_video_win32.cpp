// AVI clips through Video for Windows: the stream's frames decompressed to
// 24-bit bottom-up pictures by AVIStreamGetFrame, with whatever codecs the
// system has.

#include <windows.h>
#include <vfw.h>

#include <cstring>

#include "mapped_clip.h"

namespace rnd {

namespace {

class VfwClip final : public MappedClip {
 public:
  VfwClip() { AVIFileInit(); }
  ~VfwClip() override;

  bool open(const std::string& path);
  uint32_t frameCount() const override { return count_; }
  bool decode(uint32_t index, MappedFrame& out) override;

 private:
  bool openFrames(LONG width, LONG height);

  PAVISTREAM stream_ = nullptr;
  PGETFRAME frames_ = nullptr;
  LONG start_ = 0;
  uint32_t count_ = 0;
};

VfwClip::~VfwClip() {
  if (frames_) AVIStreamGetFrameClose(frames_);
  if (stream_) AVIStreamRelease(stream_);
  AVIFileExit();
}

bool VfwClip::open(const std::string& path) {
  if (AVIStreamOpenFromFileA(&stream_, path.c_str(), streamtypeVIDEO, 0, OF_READ | OF_SHARE_DENY_WRITE,
                             nullptr) != 0)
    return false;
  // The stream's own format, read and checked before anything is decoded.
  LONG formatSize = 0;
  start_ = AVIStreamStart(stream_);
  if (AVIStreamReadFormat(stream_, start_, nullptr, &formatSize) != 0 ||
      formatSize < LONG(sizeof(BITMAPINFOHEADER)) || formatSize > 64 * 1024)
    return false;
  std::vector<uint8_t> format(static_cast<size_t>(formatSize));
  if (AVIStreamReadFormat(stream_, start_, format.data(), &formatSize) != 0) return false;
  BITMAPINFOHEADER header;
  std::memcpy(&header, format.data(), sizeof header);
  const LONG height = header.biHeight < 0 ? -LONG(header.biHeight) : header.biHeight;
  if (!mappedSizeAllowed(header.biWidth, height)) return false;
  // The frame reader allocates the stream's suggested buffer: bounded too.
  AVISTREAMINFOA info{};
  if (AVIStreamInfoA(stream_, &info, sizeof info) != 0 ||
      info.dwSuggestedBufferSize > kMaxMappedPixels * 4)
    return false;
  const LONG length = AVIStreamLength(stream_);
  if (length <= 0) return false;
  count_ = uint32_t(length);
  return openFrames(header.biWidth, height);
}

// Asks for 24-bit pictures; a decoder that cannot give them gives its own.
bool VfwClip::openFrames(LONG width, LONG height) {
  BITMAPINFOHEADER wanted{};
  wanted.biSize = sizeof wanted;
  wanted.biWidth = width;
  wanted.biHeight = height;
  wanted.biPlanes = 1;
  wanted.biBitCount = 24;
  wanted.biCompression = BI_RGB;
  frames_ = AVIStreamGetFrameOpen(stream_, &wanted);
  if (!frames_) frames_ = AVIStreamGetFrameOpen(stream_, nullptr);
  return frames_ != nullptr;
}

bool VfwClip::decode(uint32_t index, MappedFrame& out) {
  if (index >= count_) return false;
  const auto* header =
      static_cast<const BITMAPINFOHEADER*>(AVIStreamGetFrame(frames_, start_ + LONG(index)));
  if (!header || header->biCompression != BI_RGB) return false;
  const int bits = header->biBitCount;
  if (bits != 24 && bits != 32) return false;
  const bool bottomUp = header->biHeight > 0;
  const LONG height = bottomUp ? header->biHeight : -LONG(header->biHeight);
  if (!out.allocate(header->biWidth, height)) return false;
  const size_t bytesPerPixel = size_t(bits) / 8;
  const size_t rowBytes = (size_t(out.width) * bits + 31) / 32 * 4;
  const uint8_t* pixels = reinterpret_cast<const uint8_t*>(header) + header->biSize +
                          size_t(header->biClrUsed) * sizeof(RGBQUAD);
  for (uint32_t y = 0; y < out.height; ++y) {
    const uint8_t* row = pixels + rowBytes * (bottomUp ? out.height - 1 - y : y);
    uint8_t* to = out.bgr.data() + size_t(y) * out.width * 3;
    for (uint32_t x = 0; x < out.width; ++x, to += 3) std::memcpy(to, row + x * bytesPerPixel, 3);
  }
  return true;
}

}  // namespace

std::unique_ptr<MappedClip> openVideoClip(const std::string& path) {
  auto clip = std::make_unique<VfwClip>();
  if (!clip->open(path)) return nullptr;
  return clip;
}

}  // namespace rnd
