#include "raster.h"

#include <atomic>
#include <cstdlib>

#include "face_fill.h"

namespace rnd {
namespace {

int widestLanes() {
#if defined(__SSE2__)
  return __builtin_cpu_supports("avx2") ? 8 : Lanes4::n;
#else
  return 1;
#endif
}

// Four where asked for and the processor has more, else the widest.
int widthFor(int asked) {
  const int widest = widestLanes();
  return asked == 4 && widest > 4 ? 4 : widest;
}

// Benchmarks weigh the widths with VTA_FILL_LANES=4 in the environment.
int startingLanes() {
  const char* asked = std::getenv("VTA_FILL_LANES");
  return widthFor(asked ? std::atoi(asked) : 0);
}

std::atomic<int>& lanesInUse() {
  static std::atomic<int> lanes{startingLanes()};
  return lanes;
}

}  // namespace

int fillLanes() { return lanesInUse().load(std::memory_order_relaxed); }

int useFillLanes(int lanes) {
  const int chosen = widthFor(lanes);
  lanesInUse().store(chosen, std::memory_order_relaxed);
  return chosen;
}

void fillTriangle(Canvas& canvas, const RasterVertex* v, const SurfaceLook& look, bool writeDepth,
                  const Shadows& shadows, AbortPoll& abort) {
#if defined(__SSE2__)
  if (fillLanes() == 8)
    fillTriangleEightLanes(canvas, v, look, writeDepth, shadows, abort);
  else
    fillTriangleWith<Lanes4>(canvas, v, look, writeDepth, shadows, abort);
#else
  fillTriangleWith<NoLanes>(canvas, v, look, writeDepth, shadows, abort);
#endif
}

void drawEdge(Canvas& canvas, const RasterVertex& a, const RasterVertex& b,
              const SurfaceLook& look) {
  float dx = b.x - a.x, dy = b.y - a.y;
  float t0 = 0, t1 = 1;
  const float p[4] = {-dx, dx, -dy, dy};
  const float q[4] = {a.x, canvas.width - a.x, a.y, canvas.height - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return;
      continue;
    }
    float r = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
  }
  if (!(t0 <= t1)) return;
  int steps = 1 + static_cast<int>(std::ceil(std::max(std::fabs(dx), std::fabs(dy)) * (t1 - t0)));
  for (int i = 0; i <= steps; ++i) {
    float t = t0 + (t1 - t0) * i / steps;
    int x = clampedFloor(a.x + dx * t, 0, canvas.width - 1);
    int y = clampedFloor(a.y + dy * t, 0, canvas.height - 1);
    float u = a.value[kU] + (b.value[kU] - a.value[kU]) * t;
    float v = a.value[kV] + (b.value[kV] - a.value[kV]) * t;
    blend(canvas.colour[size_t(y) * canvas.width + x], look.texel(u, v), look.alpha);
  }
}

}  // namespace rnd
