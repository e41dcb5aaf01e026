#pragma once
// Path-editor views of "Slide Left" (one picture, object 10) whose record
// carries its own three-key path for the object, drawn by the renderer's
// core in a context of the test's own.

#include <array>

#include "path_trace.h"
#include "path_view.h"
#include "render_context.h"
#include "render_fixture.h"

namespace rndtest {

class PathViewTest : public RenderTest {
 protected:
  static constexpr unsigned kObject = 10;

  void SetUp() override;
  // A path-editor job: no sources, output described without pixels.
  VtaRenderJob viewJob(uint32_t flags, uint32_t width, uint32_t height, uint32_t position) const;
  // The view's picture, and the camera it used.
  vtafx::Picture draw(const VtaRenderJob& job, rnd::CameraView& camera);
  // The path's keys where the view's scene places them.
  rnd::PathTrace trace(const VtaRenderJob& job);
  // Writes the picture as name.png into the folder VTA_VIEW_PICTURES names,
  // when it is set, to look at.
  static void keep(const vtafx::Picture& picture, const std::string& name);

  vta::EffectSettings record_;
  rnd::RenderContext context_;
  vta::EffectDescription* effect_ = nullptr;
  rnd::PathViewBuffers buffers_;
};

vtafx::Picture pictureOf(const rnd::FrameImage& image);
// The colour as the picture stores it.
std::array<uint8_t, 3> bytesOf(rnd::Vec3 colour);

}  // namespace rndtest
