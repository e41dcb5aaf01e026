#include "soak_installation.h"

#include <windows.h>

#include <filesystem>

#include "model/components/object.h"
#include "model/components/path.h"
#include "model/effect_description.h"
#include "model/files/effect_file.h"

namespace vta::test {
namespace {

constexpr uint16_t kPathObjectId = 900, kPathId = 901;

// An undrawn object of entry 0 whose path moves it across the frame.
void addPathObject(EffectDescription& effect) {
  auto* object = makeComponent<ObjectComponent>(kPathObjectId, 0.0f, 1.0f, 0, 0);
  object->surfaceNumber = 1;
  effect.lists[kObjects].append(object);
  auto* path = makeComponent<PathComponent>(kPathId, 0.0f, 1.0f, kPathObjectId, 0);
  path->insertKey(PathKey{0.0f, -1, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0});
  path->insertKey(PathKey{1.0f, 1, 0, 0, 0, 0, 90, 1, 1, 1, 0, 0, 0, 0, 0});
  effect.lists[kPaths].append(path);
}

}  // namespace

SoakInstallation::SoakInstallation(const std::vector<std::string>& sampleEffects) {
  const std::string sample = RegistryValue("Path").text();
  std::vector<std::unique_ptr<EffectDescription>> effects;
  for (const std::string& name : sampleEffects) {
    effects.push_back(std::make_unique<EffectDescription>());
    complete_ = complete_ && loadDescription(*effects.back(), name.c_str(), 0) == 1;
  }
  installation_ = std::make_unique<Installation>();
  const std::string root = installation_->root();
  std::filesystem::create_directories(root + "\\LIBS");
  complete_ = complete_ && CopyFileA((sample + "\\LIBS\\Rnd_Software.DLL").c_str(),
                                     (root + "\\LIBS\\Rnd_Software.DLL").c_str(), FALSE);
  std::error_code copied;
  std::filesystem::copy(sample + "\\Textures", root + "\\Textures", copied);
  for (size_t i = 0; i < effects.size(); ++i) {
    addPathObject(*effects[i]);
    const std::string file = root + "\\Effects\\" + sampleEffects[i] + ".VTA";
    complete_ = complete_ && saveEffectFile(*effects[i], file.c_str()) == 1;
  }
  installation_->writeMaster({{"Soak", sampleEffects}});
  installation_->writeCurrent({{"Soak", sampleEffects}});
}

}  // namespace vta::test
