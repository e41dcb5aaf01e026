// Frames of any size show the host's pictures with their aspect kept: a
// picture of another shape is fitted inside the frame on black, never
// stretched over it.
#include "render_fixture.h"
#include "render_session.h"

namespace hosttest {
namespace {

struct Box {
  uint32_t left, top, width, height;
};

// The smallest box around every pixel that is not black.
Box litBox(const RgbPicture& p) {
  uint32_t left = p.width, top = p.height, right = 0, bottom = 0;
  for (uint32_t y = 0; y < p.height; ++y)
    for (uint32_t x = 0; x < p.width; ++x) {
      const uint8_t* q = &p.rgb[(size_t(y) * p.width + x) * 3];
      if (q[0] + q[1] + q[2] < 30) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  return right < left ? Box{} : Box{left, top, right - left + 1, bottom - top + 1};
}

// A flat grey picture with a white frame one pixel wide.
RgbPicture framedPicture(uint32_t width, uint32_t height) {
  RgbPicture p{width, height, std::vector<uint8_t>(size_t(width) * height * 3, 128)};
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x)
      if (x == 0 || y == 0 || x == width - 1 || y == height - 1)
        std::fill_n(&p.rgb[(size_t(y) * width + x) * 3], 3, 255);
  return p;
}

using FrameSize = FinalRenderTest;

TEST_F(FrameSize, PicturesKeepTheirAspectInFramesOfAnotherShape) {
  // Slide Left starts on the outgoing picture and ends on the incoming one,
  // each filling the frame; lighting off shows them as they are.
  vta::EffectSettings record;
  vtafx::previewRecord(record, "Slide Left");
  record.globalParams[VTA_LIGHTING] = 0;
  const RenderRequest wide{160, 90, 2, {framedPicture(60, 60), framedPicture(200, 100)}};
  const std::vector<RgbPicture> w = render(record, wide);
  ASSERT_EQ(2u, w.size());
  const Box square = litBox(w[0]), broad = litBox(w[1]);
  EXPECT_EQ(35u, square.left);
  EXPECT_EQ(90u, square.width);
  EXPECT_EQ(90u, square.height);
  EXPECT_EQ(0u, broad.left);
  EXPECT_EQ(160u, broad.width);
  EXPECT_EQ(80u, broad.height);

  const RenderRequest tall{90, 160, 2, {framedPicture(60, 60), framedPicture(200, 100)}};
  const std::vector<RgbPicture> t = render(record, tall);
  ASSERT_EQ(2u, t.size());
  EXPECT_EQ(35u, litBox(t[0]).top);
  EXPECT_EQ(90u, litBox(t[0]).height);
  EXPECT_EQ(90u, litBox(t[1]).width);
  EXPECT_EQ(45u, litBox(t[1]).height);
}

}  // namespace
}  // namespace hosttest
