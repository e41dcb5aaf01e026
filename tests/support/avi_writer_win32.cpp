// Uncompressed AVI clips written through Video for Windows: a video stream
// of 24-bit bottom-up frames.

#include <windows.h>
#include <vfw.h>

#include "mapped_pictures.h"

namespace testpics {

namespace {

std::vector<uint8_t> frameBytes(int width, int height, Halves colours, LONG rowBytes) {
  std::vector<uint8_t> bytes(size_t(rowBytes) * height, 0);
  for (int y = 0; y < height; ++y) {
    const Rgb c = y < height / 2 ? colours.upper : colours.lower;
    uint8_t* row = bytes.data() + size_t(rowBytes) * (height - 1 - y);
    for (int x = 0; x < width; ++x, row += 3) row[0] = c.b, row[1] = c.g, row[2] = c.r;
  }
  return bytes;
}

bool writeStream(PAVIFILE file, int width, int height, const std::vector<Halves>& frames) {
  const LONG rowBytes = (width * 3 + 3) / 4 * 4;
  AVISTREAMINFOA info{};
  info.fccType = streamtypeVIDEO;
  info.dwScale = 1;
  info.dwRate = 25;
  info.dwSuggestedBufferSize = DWORD(rowBytes * height);
  SetRect(&info.rcFrame, 0, 0, width, height);
  PAVISTREAM stream = nullptr;
  if (AVIFileCreateStreamA(file, &stream, &info) != 0) return false;
  BITMAPINFOHEADER format{};
  format.biSize = sizeof format;
  format.biWidth = width;
  format.biHeight = height;
  format.biPlanes = 1;
  format.biBitCount = 24;
  format.biCompression = BI_RGB;
  format.biSizeImage = DWORD(rowBytes * height);
  bool written = AVIStreamSetFormat(stream, 0, &format, sizeof format) == 0;
  for (size_t i = 0; written && i < frames.size(); ++i) {
    std::vector<uint8_t> bytes = frameBytes(width, height, frames[i], rowBytes);
    written = AVIStreamWrite(stream, LONG(i), 1, bytes.data(), LONG(bytes.size()),
                             AVIIF_KEYFRAME, nullptr, nullptr) == 0;
  }
  AVIStreamRelease(stream);
  return written;
}

}  // namespace

bool writeAvi(const std::string& path, int width, int height, const std::vector<Halves>& frames) {
  AVIFileInit();
  DeleteFileA(path.c_str());
  PAVIFILE file = nullptr;
  bool written = AVIFileOpenA(&file, path.c_str(), OF_CREATE | OF_WRITE, nullptr) == 0;
  if (written) {
    written = writeStream(file, width, height, frames);
    AVIFileRelease(file);
  }
  AVIFileExit();
  return written;
}

}  // namespace testpics
