#include "mapped_frame.h"

namespace rnd {

bool MappedFrame::allocate(int64_t wide, int64_t high) {
  if (!mappedSizeAllowed(wide, high)) return false;
  width = static_cast<uint32_t>(wide);
  height = static_cast<uint32_t>(high);
  bgr.assign(size_t{width} * height * 3, 0);
  return true;
}

}  // namespace rnd
