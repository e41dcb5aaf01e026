// The triangle filler built for eight lanes (AVX2). Only the code after the
// target pragma may use AVX2; the headers before it are compiled as for
// every processor, so that nothing shared with the other files can carry
// AVX2 instructions. raster.cpp calls in here only where the processor
// has AVX2.
#if defined(__SSE2__)
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

#include "abort_poll.h"
#include "canvas.h"
#include "edge_line.h"
#include "picture.h"
#include "raster.h"
#include "shadow_map.h"
#include "surface_look.h"
#include "vec3.h"

#pragma GCC target("avx2")
#include "lane_set_avx2.h"
// The filler's own headers come after the pragma.
#include "face_fill.h"

namespace rnd {

void fillTriangleEightLanes(Canvas& canvas, const RasterVertex* v, const SurfaceLook& look,
                            bool writeDepth, const Shadows& shadows, AbortPoll& abort) {
  fillTriangleWith<Lanes8>(canvas, v, look, writeDepth, shadows, abort);
}

}  // namespace rnd
#endif
