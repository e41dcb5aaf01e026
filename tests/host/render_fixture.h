#pragma once
// Records rendered through the final render (render/) with
// Rnd_Software and the sample installation, the placeholder cards as the
// video sources, and what the tests measure on the frames.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "final_render.h"
#include "model/effect_settings.h"
#include "picture_measures.h"
#include "scoped_installation.h"

namespace hosttest {

using vta::render::RenderRequest;
using vta::render::RgbPicture;

using vta::meanBrightness;
using vta::meanDifference;

// The placeholder cards 1 to 20 at size x size.
std::vector<RgbPicture> cards(uint32_t size);

class FinalRenderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();

  // Every frame of the request, rendered by Rnd_Software; fails the test
  // when the render does not finish.
  std::vector<RgbPicture> render(vta::EffectSettings& record, const RenderRequest& request);

 private:
  static std::unique_ptr<vtafx::ScopedInstallation> installation_;
};

}  // namespace hosttest
