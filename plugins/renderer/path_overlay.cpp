#include "path_overlay.h"

#include <algorithm>
#include <cmath>

namespace rnd {

namespace {

struct Point2 {
  float x, y;
};

void plot(FrameImage& image, int x, int y, Vec3 colour) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
  image.colour[size_t(y) * image.width + x] = colour;
}

Point2 pixelOf(const CameraView& camera, Vec3 c, int width, int height) {
  float aspect = float(width) / height;
  return {(camera.screenX(c, aspect) + 1) / 2 * width, (1 - camera.screenY(c)) / 2 * height};
}

// Cuts the segment a-b (camera space) to the part in front of the near
// plane; false when none is.
bool clipToNear(Vec3& a, Vec3& b, float near) {
  bool aIn = a.z <= -near, bIn = b.z <= -near;
  if (!aIn && !bIn) return false;
  if (aIn && bIn) return true;
  float s = (-near - a.z) / (b.z - a.z);
  Vec3 cut = a + (b - a) * s;
  (aIn ? b : a) = cut;
  return true;
}

// Cuts the segment to the picture's rectangle widened by one pixel
// (Liang-Barsky); false when it misses it.
bool clipToPicture(Point2& a, Point2& b, int width, int height) {
  float t0 = 0, t1 = 1, dx = b.x - a.x, dy = b.y - a.y;
  const float p[4] = {-dx, dx, -dy, dy};
  const float q[4] = {a.x + 1, width + 1 - a.x, a.y + 1, height + 1 - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    float r = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
  }
  if (t0 > t1) return false;
  b = {a.x + dx * t1, a.y + dy * t1};
  a = {a.x + dx * t0, a.y + dy * t0};
  return true;
}

void drawLine(FrameImage& image, const CameraView& camera, Vec3 from, Vec3 to) {
  Vec3 a = camera.toCamera(from), b = camera.toCamera(to);
  if (!clipToNear(a, b, camera.near)) return;
  Point2 p = pixelOf(camera, a, image.width, image.height);
  Point2 q = pixelOf(camera, b, image.width, image.height);
  if (!clipToPicture(p, q, image.width, image.height)) return;
  int steps = static_cast<int>(std::ceil(std::max(std::fabs(q.x - p.x), std::fabs(q.y - p.y))));
  for (int i = 0; i <= steps; ++i) {
    float s = steps ? float(i) / steps : 0;
    plot(image, static_cast<int>(std::floor(p.x + (q.x - p.x) * s)),
         static_cast<int>(std::floor(p.y + (q.y - p.y) * s)), kPathLineColour);
  }
}

void drawMark(FrameImage& image, const CameraView& camera, Vec3 at, int radius, Vec3 colour) {
  float x, y;
  if (!projectToPixel(camera, at, image.width, image.height, x, y)) return;
  if (!(std::fabs(x) < 1e6f && std::fabs(y) < 1e6f)) return;
  int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx) plot(image, cx + dx, cy + dy, colour);
}

}  // namespace

bool projectToPixel(const CameraView& camera, Vec3 world, int width, int height, float& x,
                    float& y) {
  Vec3 c = camera.toCamera(world);
  if (c.z > -camera.near) return false;
  Point2 p = pixelOf(camera, c, width, height);
  x = p.x, y = p.y;
  return true;
}

void drawPathOverlay(FrameImage& image, const CameraView& camera, const PathTrace& trace) {
  for (size_t i = 1; i < trace.line.size(); ++i)
    drawLine(image, camera, trace.line[i - 1], trace.line[i]);
  for (size_t k = 0; k < trace.keys.size(); ++k)
    if (int(k) != trace.currentKey)
      drawMark(image, camera, trace.keys[k], kKeyMarkRadius, kKeyColour);
  if (trace.currentKey >= 0)
    drawMark(image, camera, trace.keys[trace.currentKey], kCurrentKeyMarkRadius, kCurrentKeyColour);
}

}  // namespace rnd
