#pragma once
// The sample installation as the native build makes it (icons rendered by
// Rnd_Software, the Ripple warp installed), built once per test suite and
// chosen as the library's installation for each test.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings_sandbox.h"
#include "temp_folder.h"

namespace vtafx {

struct SampleEffect {
  std::string title;
  bool offered;
};

// Every effect of samples/, by its document.
std::vector<SampleEffect> sampleEffects();

class SampleInstallation : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  // Path of name inside the tree.
  static std::string tree(const std::string& name = "");

 private:
  vta::SettingsSandbox sandbox_;
  static vta::TempFolder* folder_;
  static int result_;
};

}  // namespace vtafx
