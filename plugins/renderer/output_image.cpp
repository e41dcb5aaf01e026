#include "output_image.h"

#include <cstdint>
#include <vector>

namespace rnd {

namespace {

uint8_t toByte(float value) {
  float scaled = value * 255.0f + 0.5f;
  if (!(scaled > 0)) return 0;
  return scaled >= 255 ? 255 : static_cast<uint8_t>(scaled);
}

}  // namespace

void storeRows(const FrameImage& image, uint8_t* top, ptrdiff_t rowStep) {
  for (int y = 0; y < image.height; ++y) {
    uint8_t* p = top + y * rowStep;
    const Vec3* row = &image.colour[size_t(y) * image.width];
    for (int x = 0; x < image.width; ++x, p += 3) {
      p[0] = toByte(row[x].z), p[1] = toByte(row[x].y), p[2] = toByte(row[x].x);
    }
  }
}

bool outputView(const VtaRenderJob& job, VtaWarpImage& view) {
  const VtaTextureImage& out = job.output;
  if (job.width == 0 || job.height == 0 || job.width > kMaxOutputSide ||
      job.height > kMaxOutputSide)
    return false;
  if (!out.pixels || out.format != VTA_FORMAT_BGR24 || out.bytesPerPixel != VTA_BGR24_PIXEL_BYTES)
    return false;
  if (out.width != job.width || out.height != job.height) return false;
  uint64_t rowNeed = (uint64_t{out.skipPixels} + out.width) * 3;
  uint64_t rows = uint64_t{out.skipRows} + out.height;
  if (rowNeed > out.rowBytes || rows * out.rowBytes > out.dataSize) return false;
  if (out.rowBytes > uint32_t{INT32_MAX}) return false;
  ptrdiff_t step = out.rowBytes;
  uint8_t* first = out.pixels + out.skipRows * step + out.skipPixels * 3;
  bool bottomUp = out.order == VTA_ORDER_BOTTOM_UP;
  view.top = bottomUp ? first + (out.height - 1) * step : first;
  view.rowStep = static_cast<int32_t>(bottomUp ? -step : step);
  view.width = out.width;
  view.height = out.height;
  return true;
}

void writeOutput(FrameImage& image, VtaWarpImage& view) {
  const WarpBinding& warp = image.frameWarp;
  if (warp.active() && warp.warpPicture) {
    std::vector<uint8_t>& finished = image.warpSource;
    finished.resize(size_t(image.width) * image.height * 3);
    int32_t step = image.width * 3;
    storeRows(image, finished.data(), step);
    VtaWarpImage source{finished.data(), step, view.width, view.height};
    if (warp.warpPicture(&warp.state, &source, &view)) return;
  }
  storeRows(image, view.top, view.rowStep);
}

}  // namespace rnd
