// make_artwork.cpp - procedurally renders the Vantaro 3 About box bitmaps.
//
// Usage: make_artwork OUTDIR
// Writes OUTDIR/about_scene.bmp (200x236) and OUTDIR/about_badge.bmp (120x84)
// as uncompressed 24-bit bottom-up BMP files for the resource compiler.
// Standard library only; the output is fully deterministic.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------- math ----
struct Vec3 {
  double x = 0, y = 0, z = 0;
};
Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalize(Vec3 a) { return a * (1.0 / std::sqrt(dot(a, a))); }
Vec3 mix(Vec3 a, Vec3 b, double t) { return a + (b - a) * t; }

using Color = Vec3;  // components in 0..1
Color rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

double clamp01(double v) { return std::min(1.0, std::max(0.0, v)); }
double smoothstep(double e0, double e1, double v) {
  double t = clamp01((v - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}
double gauss(double d2, double radius) { return std::exp(-d2 / (radius * radius)); }

// Rotates a vector by roll (z), then pitch (x), then yaw (y); angles in degrees.
Vec3 rotate(Vec3 v, double yawDeg, double pitchDeg, double rollDeg) {
  const double k = 3.14159265358979 / 180.0;
  double cr = std::cos(rollDeg * k), sr = std::sin(rollDeg * k);
  v = {v.x * cr - v.y * sr, v.x * sr + v.y * cr, v.z};
  double cp = std::cos(pitchDeg * k), sp = std::sin(pitchDeg * k);
  v = {v.x, v.y * cp - v.z * sp, v.y * sp + v.z * cp};
  double cy = std::cos(yawDeg * k), sy = std::sin(yawDeg * k);
  return {v.x * cy + v.z * sy, v.y, -v.x * sy + v.z * cy};
}

// Small fixed-seed integer hash mapped to 0..1.
double hash01(uint32_t n) {
  n = (n ^ 61u) ^ (n >> 16);
  n *= 9u;
  n ^= n >> 4;
  n *= 0x27d4eb2du;
  n ^= n >> 15;
  return (n & 0xffffff) / double(0xffffff);
}

// --------------------------------------------------------------- image ----
struct Image {
  int width, height;
  std::vector<Color> pixels;
  Image(int w, int h) : width(w), height(h), pixels(size_t(w) * h) {}
  Color& at(int x, int y) { return pixels[size_t(y) * width + x]; }
  const Color& at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// Fills every pixel with the average of an ss x ss grid of shader samples.
void renderSupersampled(Image& img, int ss, const std::function<Color(double, double)>& shade) {
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      Color sum;
      for (int j = 0; j < ss; ++j)
        for (int i = 0; i < ss; ++i) sum = sum + shade(x + (i + 0.5) / ss, y + (j + 0.5) / ss);
      img.at(x, y) = sum * (1.0 / (ss * ss));
    }
}

void putLE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

// Writes a 24-bit bottom-up BMP (BITMAPFILEHEADER + BITMAPINFOHEADER).
bool writeBmp(const std::string& path, const Image& img) {
  const uint32_t rowBytes = (uint32_t(img.width) * 3 + 3) & ~3u;
  const uint32_t dataBytes = rowBytes * uint32_t(img.height);
  std::vector<uint8_t> out{'B', 'M'};
  putLE(out, 54 + dataBytes, 4);  // file size
  putLE(out, 0, 4);               // reserved
  putLE(out, 54, 4);              // offset of pixel data
  putLE(out, 40, 4);              // BITMAPINFOHEADER size
  putLE(out, uint32_t(img.width), 4);
  putLE(out, uint32_t(img.height), 4);  // positive height = bottom-up rows
  putLE(out, 1, 2);                     // planes
  putLE(out, 24, 2);                    // bits per pixel
  putLE(out, 0, 4);                     // BI_RGB, uncompressed
  putLE(out, dataBytes, 4);
  for (uint32_t v : {2835u, 2835u, 0u, 0u}) putLE(out, v, 4);  // 72 dpi, no palette
  for (int y = img.height - 1; y >= 0; --y) {
    for (int x = 0; x < img.width; ++x) {
      const Color& c = img.at(x, y);
      out.push_back(uint8_t(std::lround(clamp01(c.z) * 255)));
      out.push_back(uint8_t(std::lround(clamp01(c.y) * 255)));
      out.push_back(uint8_t(std::lround(clamp01(c.x) * 255)));
    }
    for (uint32_t p = uint32_t(img.width) * 3; p < rowBytes; ++p) out.push_back(0);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
  return bool(file);
}

// ------------------------------------------------------------ pictures ----
// Picture shown in a video frame: evening sun over layered hills (s,t in 0..1, t down).
Color sunsetPicture(double s, double t) {
  Color sky = mix(rgb(70, 40, 120), rgb(255, 140, 70), smoothstep(0.0, 0.62, t));
  sky = mix(sky, rgb(255, 215, 120), smoothstep(0.45, 0.66, t));
  double ds = (s - 0.62) * 1.4;  // the picture is 1.4 times wider than high
  double d2 = ds * ds + (t - 0.52) * (t - 0.52);
  sky = sky + rgb(255, 190, 110) * (0.6 * gauss(d2, 0.2));
  Color sun = mix(rgb(255, 252, 230), rgb(255, 220, 120), smoothstep(0.0, 0.13, std::sqrt(d2)));
  sky = mix(sky, sun, smoothstep(0.13, 0.115, std::sqrt(d2)));
  double farHill = 0.62 - 0.06 * std::sin(s * 7.0 + 1.0) - 0.03 * std::sin(s * 17.0);
  double nearHill = 0.76 - 0.08 * std::sin(s * 4.0 + 2.5) - 0.02 * std::sin(s * 23.0);
  if (t > nearHill) return mix(rgb(60, 25, 70), rgb(25, 10, 35), smoothstep(nearHill, 1.0, t));
  if (t > farHill) return mix(rgb(130, 60, 110), rgb(95, 45, 95), smoothstep(farHill, nearHill, t));
  return sky;
}

// Picture shown in a video frame: blue sky with soft clouds above a glittering sea.
Color seaPicture(double s, double t) {
  const double horizon = 0.55;
  if (t < horizon) {
    Color sky = mix(rgb(40, 110, 200), rgb(190, 225, 250), smoothstep(0.0, horizon, t));
    double cloud = gauss((s - 0.3) * (s - 0.3) * 0.25 + (t - 0.22) * (t - 0.22), 0.08) +
                   gauss((s - 0.75) * (s - 0.75) * 0.3 + (t - 0.33) * (t - 0.33), 0.07);
    return mix(sky, rgb(255, 255, 255), clamp01(cloud) * 0.85);
  }
  double depth = smoothstep(horizon, 1.0, t);
  Color sea = mix(rgb(60, 140, 200), rgb(10, 50, 110), depth);
  double ripple = 0.5 + 0.5 * std::sin(t * 140.0 / (0.3 + depth) + std::sin(s * 9.0) * 2.0);
  double glitter = gauss((s - 0.55) * (s - 0.55), 0.06 + 0.2 * depth);
  return sea + rgb(255, 250, 220) * (glitter * ripple * 0.6) + rgb(20, 40, 60) * (ripple * 0.3);
}

// Frame surface: a white slide mount around the picture, with a light vignette.
Color framedPicture(int picture, double s, double t) {
  const double margin = 0.06;
  double ps = (s - margin) / (1 - 2 * margin), pt = (t - margin * 1.3) / (1 - 2.6 * margin);
  if (ps < 0 || ps > 1 || pt < 0 || pt > 1) return mix(rgb(245, 244, 250), rgb(200, 198, 215), t);
  Color c = picture == 1 ? seaPicture(ps, pt) : sunsetPicture(ps, pt);
  if (picture == 2) c = mix(c, rgb(150, 120, 255), 0.45);  // motion-trail ghost
  double vignette = 1.0 - 0.35 * std::pow(std::hypot(ps - 0.5, pt - 0.5) * 1.4, 3.0);
  return c * vignette;
}

// --------------------------------------------------------------- scene ----
struct Frame {
  Vec3 center, right, up;  // half-extent axes in world space
  int picture;
  double opacity;
};

Frame makeFrame(Vec3 center, double halfW, double halfH, double yaw, double pitch, double roll,
                int picture, double opacity) {
  return {center, rotate({halfW, 0, 0}, yaw, pitch, roll), rotate({0, halfH, 0}, yaw, pitch, roll),
          picture, opacity};
}

struct Sparkle {
  double x, y, radius, strength;
};

struct Scene {
  std::vector<Frame> frames;  // drawn back to front in list order
  std::vector<Sparkle> sparkles;
  double focal = 235, centerX = 100, horizonY = 96;
  double floorY = -2.2;
  Vec3 light = normalize({-0.5, 0.8, -0.6});
};

struct Hit {
  Color color;
  double alpha;
};

// Intersects a ray with a frame; returns false when it misses the quad.
bool hitFrame(const Frame& f, Vec3 origin, Vec3 dir, const Vec3& light, Hit& hit) {
  Vec3 n = normalize(cross(f.right, f.up));
  double denom = dot(dir, n);
  if (std::fabs(denom) < 1e-9) return false;
  double t = dot(f.center - origin, n) / denom;
  if (t <= 1e-6) return false;
  Vec3 local = origin + dir * t - f.center;
  double u = dot(local, f.right) / dot(f.right, f.right);
  double v = dot(local, f.up) / dot(f.up, f.up);
  if (std::fabs(u) > 1 || std::fabs(v) > 1) return false;
  if (denom > 0) n = n * -1.0;  // light the side facing the viewer
  double diffuse = 0.6 + 0.5 * std::max(0.0, dot(n, light));
  Vec3 mirror = dir - n * (2 * dot(dir, n));
  double glint = 0.55 * std::pow(std::max(0.0, dot(normalize(mirror), light)), 24.0);
  double sheen = 0.14 * gauss((u * 0.7 + v - 0.35) * (u * 0.7 + v - 0.35), 0.3);  // glossy band
  Color c = framedPicture(f.picture, (u + 1) / 2, (1 - v) / 2) * diffuse +
            Color{1, 1, 1} * (glint + sheen);
  hit = {c, f.opacity};
  return true;
}

// Composites all frames hit by a ray; returns premultiplied colour and coverage.
Color traceFrames(const Scene& sc, Vec3 origin, Vec3 dir, double& coverage) {
  Color c;
  coverage = 0;
  Hit hit{};
  for (const Frame& f : sc.frames) {
    if (!hitFrame(f, origin, dir, sc.light, hit)) continue;
    c = c * (1 - hit.alpha) + hit.color * hit.alpha;
    coverage = coverage * (1 - hit.alpha) + hit.alpha;
  }
  return c;
}

Color stageBackdrop(Vec3 dir) {
  double elevation = dir.y / std::sqrt(dot(dir, dir));
  Color c = mix(rgb(95, 45, 150), rgb(12, 16, 48), smoothstep(0.0, 0.45, elevation));
  return c + rgb(120, 70, 200) * (0.35 * gauss(elevation * elevation, 0.05));
}

// Dark reflective floor with a glowing perspective grid and frame reflections.
Color stageFloor(const Scene& sc, Vec3 dir) {
  double t = sc.floorY / dir.y;
  Vec3 p = dir * t;
  double fade = std::exp(-(p.z - 2.0) / 7.0);
  double fog = smoothstep(3.0, 30.0, p.z);
  double gx = std::fabs(p.x / 0.55 - std::round(p.x / 0.55)) * 0.55;
  double gz = std::fabs(p.z / 0.55 - std::round(p.z / 0.55)) * 0.55;
  double width = 0.012 + 0.004 * p.z;
  double line = std::max(smoothstep(width, 0.0, gx), smoothstep(width, 0.0, gz));
  Color c = mix(rgb(14, 10, 36), rgb(70, 35, 120), fog) + rgb(110, 120, 255) * (0.55 * line * fade);
  double coverage = 0;
  Color reflection = traceFrames(sc, p, {dir.x, -dir.y, dir.z}, coverage);
  c = c * (1 - 0.3 * coverage) + reflection * (0.3 * fade);
  double shadow = 0;
  traceFrames(sc, p, sc.light, shadow);
  return c * (1 - 0.45 * shadow);
}

Color sceneSample(const Scene& sc, double px, double py) {
  Vec3 dir{(px - sc.centerX) / sc.focal, (sc.horizonY - py) / sc.focal, 1.0};
  Color base = dir.y < -1e-4 ? stageFloor(sc, dir) : stageBackdrop(dir);
  for (const Sparkle& s : sc.sparkles) {
    double d2 = (px - s.x) * (px - s.x) + (py - s.y) * (py - s.y);
    if (d2 > 9 * s.radius * s.radius) continue;  // negligible glow
    base = base + rgb(200, 180, 255) * (s.strength * gauss(d2, s.radius));
  }
  double coverage = 0;
  Color frames = traceFrames(sc, {0, 0, 0}, dir, coverage);
  Color c = base * (1 - coverage) + frames;
  double vignette = 1.0 - 0.35 * std::pow(std::hypot(px / 200 - 0.5, py / 236 - 0.5) * 1.45, 2.5);
  return c * vignette;
}

// Point on the curved flight path (quadratic Bezier) at parameter a in 0..1.
Vec3 flightPath(double a) {
  Vec3 p0{-0.75, 1.25, 9.0}, p1{-2.4, -0.7, 6.5}, p2{0.2, -0.95, 4.2};
  return p0 * ((1 - a) * (1 - a)) + p1 * (2 * a * (1 - a)) + p2 * (a * a);
}

// The flying frame's pose at parameter a: it grows and turns as it leaves the back.
Frame flyingFrame(double a, int picture, double opacity) {
  double scale = 1.9 + (1.2 - 1.9) * a;
  return makeFrame(flightPath(a), scale, scale * 0.72, 30 * a, -14 * a, 10 * a, picture, opacity);
}

Scene buildScene() {
  Scene sc;
  sc.frames.push_back(flyingFrame(0.0, 1, 1.0));  // the incoming picture, flat in the back
  const double ghosts[] = {0.3, 0.5, 0.66, 0.8, 0.91};
  for (int i = 0; i < 5; ++i) sc.frames.push_back(flyingFrame(ghosts[i], 2, 0.10 + 0.05 * i));
  sc.frames.push_back(flyingFrame(1.0, 0, 1.0));
  for (int i = 0; i < 18; ++i) {  // glints scattered along the flight path
    Vec3 p = flightPath(0.15 + 0.8 * hash01(i * 3 + 1));
    p = p + Vec3{hash01(i * 3 + 2) - 0.5, hash01(i * 3 + 3) - 0.5, 0} * 1.4;
    sc.sparkles.push_back({sc.centerX + sc.focal * p.x / p.z, sc.horizonY - sc.focal * p.y / p.z,
                           0.6 + 1.6 * hash01(i + 100), 0.25 + 0.5 * hash01(i + 200)});
  }
  for (int i = 0; i < 30; ++i)  // faint stars in the upper backdrop
    sc.sparkles.push_back(
        {200 * hash01(i + 300), 80 * hash01(i + 400), 0.45, 0.15 + 0.3 * hash01(i + 500)});
  return sc;
}

// --------------------------------------------------------------- badge ----
double capsuleDistance(double px, double py, double ax, double ay, double bx, double by, double r) {
  double dx = bx - ax, dy = by - ay;
  double h = clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy));
  return std::hypot(px - ax - dx * h, py - ay - dy * h) - r;
}

// Signed distance to the emblem's "V" (two rounded strokes meeting at the bottom).
double emblemDistance(double x, double y) {
  return std::min(capsuleDistance(x, y, 36, 18, 60, 64, 7.5),
                  capsuleDistance(x, y, 84, 18, 60, 64, 7.5));
}

Color badgeSample(double x, double y) {
  const Vec3 light = normalize({-0.6, -0.7, 0.9});  // from the top left, y down
  Color c = mix(rgb(20, 24, 70), rgb(85, 40, 140), clamp01((x / 120 + y / 84) * 0.6));
  c = c + rgb(90, 80, 200) * (0.35 * gauss((x - 60) * (x - 60) + (y - 40) * (y - 40), 38));
  double lightEdge = std::min(x, y), darkEdge = std::min(120 - x, 84 - y);
  if (std::min(lightEdge, darkEdge) < 2.5)  // bevelled outer rim
    c = lightEdge < darkEdge ? mix(c, rgb(170, 160, 230), 0.55) : c * 0.5;
  c = c * (1 - 0.35 * gauss((x - 60) * (x - 60) * 0.1 + (y - 73) * (y - 73), 4.5));  // shadow
  double d = emblemDistance(x, y);
  if (d < 0.0) {  // bevelled V: height rises over 4px from the edge
    auto height = [](double dist) { return smoothstep(0.0, -4.0, dist); };
    double hx = height(emblemDistance(x + 0.5, y)) - height(emblemDistance(x - 0.5, y));
    double hy = height(emblemDistance(x, y + 0.5)) - height(emblemDistance(x, y - 0.5));
    Vec3 n = normalize({-hx * 3, -hy * 3, 1});
    Color body = mix(rgb(90, 220, 255), rgb(150, 80, 240), clamp01((y - 18) / 50));
    double lit = 0.45 + 0.7 * std::max(0.0, dot(n, light));
    double shine = std::pow(std::max(0.0, dot(normalize(light + Vec3{0, 0, 1}), n)), 40);
    c = body * lit + Color{1, 1, 1} * (0.6 * shine);
  }
  const double r = 8.5, cy = 29.5;
  double sd2 = (x - 60) * (x - 60) + (y - cy) * (y - cy);
  if (sd2 < r * r) {  // glossy sphere resting in the V
    Vec3 n{(x - 60) / r, (y - cy) / r, std::sqrt(std::max(0.0, 1 - sd2 / (r * r)))};
    double lit = 0.25 + 0.85 * std::max(0.0, dot(n, light));
    double shine = std::pow(std::max(0.0, dot(normalize(light + Vec3{0, 0, 1}), n)), 60);
    double rim = std::pow(1 - n.z, 3);
    c = rgb(255, 150, 80) * lit + Color{1, 1, 1} * shine + rgb(255, 220, 160) * (0.5 * rim);
  }
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_artwork OUTDIR\n");
    return 2;
  }
  const std::filesystem::path outDir = argv[1];
  std::error_code ec;
  if (!std::filesystem::is_directory(outDir, ec)) {
    std::fprintf(stderr, "make_artwork: '%s' is not an existing directory\n", argv[1]);
    return 1;
  }
  const Scene scene = buildScene();
  Image sceneImage(200, 236);
  renderSupersampled(sceneImage, 4, [&](double x, double y) { return sceneSample(scene, x, y); });
  Image badgeImage(120, 84);
  renderSupersampled(badgeImage, 4, badgeSample);
  for (auto [name, img] : {std::pair<const char*, const Image*>{"about_scene.bmp", &sceneImage},
                           std::pair<const char*, const Image*>{"about_badge.bmp", &badgeImage}}) {
    const std::string path = (outDir / name).string();
    if (!writeBmp(path, *img)) {
      std::fprintf(stderr, "make_artwork: cannot write '%s'\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
