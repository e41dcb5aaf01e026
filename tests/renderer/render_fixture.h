#pragma once
// Renders sample effects through the built Rnd_Software plug-in, with the
// sample installation as the library's installation and the placeholder
// pictures as sources.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "picture_measures.h"
#include "render_session.h"
#include "scoped_installation.h"
#include "temp_folder.h"

namespace rndtest {

using Options = std::map<int, float>;

using vta::meanBrightness;
using vta::meanDifference;
using vta::shareUnlike;

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
