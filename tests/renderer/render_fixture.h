#pragma once
// Renders sample effects through the built Rnd_Software plug-in, with the
// sample installation as the library's installation and the placeholder
// pictures as sources.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "render_session.h"
#include "scoped_installation.h"
#include "temp_folder.h"

namespace rndtest {

using Options = std::map<int, float>;

// Mean over all pixels and channels of |a - b| (0 to 255); pictures of the
// same size.
double meanDifference(const vtafx::Picture& a, const vtafx::Picture& b);
// Share of pixels (0 to 1) that differ from colour r, g, b by more than 24
// in some channel.
double shareUnlike(const vtafx::Picture& p, int r, int g, int b);
double meanBrightness(const vtafx::Picture& p);

class RenderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  // Frame position / range of effect (at size x size) with the preview's
  // record plus options.
  vtafx::Picture render(const std::string& effect, uint32_t position, uint32_t range,
                        const Options& options = {}, uint32_t size = 32);
  // Placeholder k (1 to 20) as the renderer receives it.
  vtafx::Picture source(int k, uint32_t size = 32);

  vtafx::RenderSession session_;

 private:
  static std::unique_ptr<vta::TempFolder> folder_;
  static std::unique_ptr<vtafx::ScopedInstallation> installation_;
};

}  // namespace rndtest
