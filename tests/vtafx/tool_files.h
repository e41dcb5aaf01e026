#pragma once
// Helpers for the vtafx tests: files in a temporary folder, the commands run
// with their output captured, and the sample installation as the native
// build makes it (icons rendered by Rnd_Software, the Ripple warp
// installed), built once per test suite and chosen as the library's
// installation for each test.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "json.h"
#include "settings_sandbox.h"
#include "temp_folder.h"

namespace vtafx {

// Runs a command function with stdout captured.
struct CommandRun {
  int code;
  std::string out;
};
CommandRun runCaptured(int (*command)(const std::vector<std::string>&),
                       const std::vector<std::string>& args);

// The sample sources in the repository.
std::string samplesDir();

std::string readBytes(const std::string& path);

// The document text holds; a text that does not parse fails the test.
Json parsedJson(const std::string& text);

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
