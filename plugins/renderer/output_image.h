#pragma once
// The job's output buffer, written only where its description says it has
// room: format 2, 3 bytes per pixel, the job's size, every row inside
// dataSize. Rows are bottom-up for order 1, top-down for order 0.

#include <cstddef>
#include <cstdint>

#include "frame_renderer.h"
#include "vantaro/warp.h"

namespace rnd {

// Largest picture side a job may ask for.
constexpr uint32_t kMaxOutputSide = 8192;

// The output as a writable picture; false when the job cannot be drawn
// (zero or oversized frame, no pixels, a layout that does not fit).
bool outputView(const VtaRenderJob& job, VtaWarpImage& view);

// Stores the image as 24-bit rows (blue, green, red) from top, the next
// row rowStep bytes further (negative for bottom-up rows).
void storeRows(const FrameImage& image, uint8_t* top, ptrdiff_t rowStep);

// Writes the image (of the view's size) through the frame's warp, if any.
void writeOutput(FrameImage& image, VtaWarpImage& view);

}  // namespace rnd
