#include "effect_ends.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace vtafx {

namespace {

// A mean beyond this is a visible shift, scale or seam over the picture.
constexpr double kMaxMean = 0.002;
// A single pixel beyond this is a visible edge or line; less is rounding.
constexpr double kMaxWorst = 6.0 / 255;

// Fly-Off with the record `vtafx render` starts from.
Picture endFrame(RenderSession& session, const std::string& effect, bool last, bool antialiased) {
  vta::EffectSettings record;
  previewRecord(record, effect);
  record.globalParams[VTA_ANTIALIASING] = antialiased ? 1.0f : 0.0f;
  session.prepare(record);
  session.render(record, last ? 1 : 0, 1);
  return session.output().toPicture();
}

}  // namespace

bool EndDifference::clean() const { return mean <= kMaxMean && worst <= kMaxWorst; }

EndDifference endDifference(const Picture& frame, const Picture& expected) {
  if (frame.width != expected.width || frame.height != expected.height ||
      frame.rgb.size() != expected.rgb.size() || frame.rgb.empty())
    return {1, 1};
  long sum = 0;
  int worst = 0;
  for (uint32_t y = 0; y < frame.height; ++y)
    for (uint32_t x = 0; x < frame.width; ++x) {
      bool inner = x > 0 && y > 0 && x + 1 < frame.width && y + 1 < frame.height;
      for (int k = 0; k < 3; ++k) {
        size_t i = (size_t(y) * frame.width + x) * 3 + k;
        int d = std::abs(frame.rgb[i] - expected.rgb[i]);
        sum += d;
        if (inner) worst = std::max(worst, d);
      }
    }
  return {double(sum) / frame.rgb.size() / 255, worst / 255.0};
}

std::vector<std::string> installedEffects(const std::string& installDir) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(fs::path(installDir) / "EFFECTS", ec))
    if (entry.path().extension() == ".VTA") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

const std::vector<uint32_t>& previewSizes() {
  static const std::vector<uint32_t> sizes{32, 64, 128};
  return sizes;
}

std::vector<EndCheck> checkEnds(RenderSession& session, const std::string& effect,
                                const std::vector<uint32_t>& sizes) {
  std::vector<EndCheck> checks;
  for (uint32_t size : sizes) {
    std::vector<Picture> sources = placeholderSources(size);
    session.setUp(size, sources, nullptr);
    for (bool last : {false, true}) {
      Picture expected = JobPicture::from(sources[last ? 1 : 0], size).toPicture();
      for (bool antialiased : {false, true}) {
        Picture frame = endFrame(session, effect, last, antialiased);
        checks.push_back({last, size, antialiased, endDifference(frame, expected)});
      }
    }
  }
  return checks;
}

std::string describe(const EndCheck& c) {
  char text[128];
  std::snprintf(text, sizeof text, "%s frame at %u px%s: mean %.4f, worst %.4f",
                c.last ? "last" : "first", c.size, c.antialiased ? ", antialiased" : "",
                c.difference.mean, c.difference.worst);
  return text;
}

}  // namespace vtafx
