#include "sample_installation.h"

#include "commands.h"
#include "documents.h"
#include "json_access.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "tool_files.h"

namespace vtafx {

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
