// Measures of 24-bit pictures that tests compare: any type with width,
// height and rgb (three bytes a pixel, rows packed).
#pragma once

#include <cstdlib>

namespace vta {

// Mean over all pixels and channels of |a - b| (0 to 255); 255 for pictures
// of different sizes.
template <typename A, typename B>
double meanDifference(const A& a, const B& b) {
  if (a.width != b.width || a.height != b.height || a.rgb.empty()) return 255;
  double sum = 0;
  for (size_t i = 0; i < a.rgb.size(); ++i) sum += std::abs(a.rgb[i] - b.rgb[i]);
  return sum / a.rgb.size();
}

template <typename Picture>
double meanBrightness(const Picture& p) {
  double sum = 0;
  for (auto channel : p.rgb) sum += channel;
  return p.rgb.empty() ? 0 : sum / p.rgb.size();
}

// Share of pixels (0 to 1) that differ from colour r, g, b by more than 24
// in some channel.
template <typename Picture>
double shareUnlike(const Picture& p, int r, int g, int b) {
  size_t unlike = 0;
  const size_t pixels = p.rgb.size() / 3;
  for (size_t i = 0; i < pixels; ++i) {
    const auto* q = &p.rgb[i * 3];
    if (std::abs(q[0] - r) > 24 || std::abs(q[1] - g) > 24 || std::abs(q[2] - b) > 24) ++unlike;
  }
  return pixels ? double(unlike) / pixels : 0;
}

}  // namespace vta
