#include "tool_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "commands.h"
#include "documents.h"
#include "json_access.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"

namespace vtafx {

CommandRun runCaptured(int (*command)(const std::vector<std::string>&),
                       const std::vector<std::string>& args) {
  testing::internal::CaptureStdout();
  const int code = command(args);
  return CommandRun{code, testing::internal::GetCapturedStdout()};
}

std::string samplesDir() { return VTA_SAMPLES_DIR; }

Json parsedJson(const std::string& text) {
  Json document;
  std::string error;
  EXPECT_TRUE(parseJson(text, document, error)) << error;
  return document;
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

vta::TempFolder* SampleInstallation::folder_ = nullptr;
int SampleInstallation::result_ = -1;

std::vector<SampleEffect> sampleEffects() {
  std::vector<SampleEffect> effects;
  const std::string folder = samplesDir() + "/effects";
  for (const std::string& name : vta::listDirectory(folder.c_str(), "*.json")) {
    const Json document = readDocumentFile(folder + "/" + name);
    effects.push_back(
        {document.find("title")->text(), (memberUint(document, "allowFlags") & 1) != 0});
  }
  return effects;
}

void SampleInstallation::SetUpTestSuite() {
  folder_ = new vta::TempFolder;
  result_ = runCaptured(runInstall, {samplesDir(), tree(), "--renderer", RND_SOFTWARE_PATH,
                                     "--warp", RIPPLE_WARP_PATH})
                .code;
}

void SampleInstallation::TearDownTestSuite() {
  delete folder_;
  folder_ = nullptr;
}

void SampleInstallation::SetUp() {
  ASSERT_EQ(kExitOk, result_);
  vta::writeRegistryString("Path", tree().c_str());
}

std::string SampleInstallation::tree(const std::string& name) {
  return folder_->file(name.empty() ? "tree" : "tree/" + name);
}

}  // namespace vtafx
