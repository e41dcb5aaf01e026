#include "contact_sheet.h"

#include <algorithm>
#include <cmath>

namespace vta::render {
namespace {

constexpr uint32_t kGap = 2;
constexpr uint8_t kGapGrey = 96;

}  // namespace

RgbPicture contactSheet(const std::vector<RgbPicture>& frames) {
  RgbPicture sheet;
  if (frames.empty()) return sheet;
  const uint32_t w = frames[0].width, h = frames[0].height;
  const uint32_t n = static_cast<uint32_t>(frames.size());
  const uint32_t columns = static_cast<uint32_t>(std::ceil(std::sqrt(double(n))));
  const uint32_t rows = (n + columns - 1) / columns;
  sheet.width = columns * (w + kGap) + kGap;
  sheet.height = rows * (h + kGap) + kGap;
  sheet.rgb.assign(size_t(sheet.width) * sheet.height * 3, kGapGrey);
  for (uint32_t i = 0; i < n; ++i) {
    if (frames[i].width != w || frames[i].height != h) continue;
    const uint32_t left = kGap + (i % columns) * (w + kGap),
                   top = kGap + (i / columns) * (h + kGap);
    for (uint32_t y = 0; y < h; ++y)
      std::copy_n(&frames[i].rgb[size_t(y) * w * 3], size_t(w) * 3,
                  &sheet.rgb[(size_t(top + y) * sheet.width + left) * 3]);
  }
  return sheet;
}

RgbPicture sheetThumbnail(const RgbPicture& frame) {
  if (frame.width <= kSheetFrameWidth) return frame;
  const uint64_t height = (uint64_t{frame.height} * kSheetFrameWidth + frame.width / 2) / frame.width;
  return fitPicture(frame, kSheetFrameWidth, static_cast<uint32_t>(std::max<uint64_t>(height, 1)));
}

}  // namespace vta::render
