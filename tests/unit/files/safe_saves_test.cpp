// Every kind of file the library saves, failing at each step of the save:
// the previous file stays whole, the failure is reported, and no temporary
// file is left beside it.
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "failing_saves.h"
#include "scratch_installation.h"
#include "model/components/envelope.h"
#include "model/components/path.h"
#include "model/effect_settings.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"
#include "model/files/envelope_file.h"
#include "model/files/group_list.h"
#include "model/files/path_file.h"
#include "model/files/texture_file.h"

namespace vta {
namespace {

using Saver = std::function<bool(const char* path)>;

struct Kind {
  const char* name;
  Saver save;
};

std::vector<Kind> everyKind() {
  return {
      {"group list",
       [](const char* path) {
         EffectGroupList list;
         list.addGroup("Fresh");
         list.addItem(0, "Page Turn");
         return list.save(path) == 1;
       }},
      {"defaults file",
       [](const char* path) {
         EffectSettings record;
         return saveDefaultsFile(record, path) == 1;
       }},
      {"effect file",
       [](const char* path) {
         EffectDescription description;
         return saveEffectFile(description, path) == 1;
       }},
      {"texture file",
       [](const char* path) {
         TextureImage image;
         return saveTextureImage(image, path) == 1;
       }},
      {"envelope file",
       [](const char* path) {
         OwnedComponent<EnvelopeComponent> envelope(
             makeComponent<EnvelopeComponent>(1, 0.0f, 1.0f, 0, 0));
         return saveEnvelopeFile(path, *envelope) == CurveFileResult::kDone;
       }},
      {"path file",
       [](const char* path) {
         OwnedComponent<PathComponent> component(makeComponent<PathComponent>(1, 0.0f, 1.0f, 0, 0));
         return savePathFile(path, *component) == CurveFileResult::kDone;
       }},
  };
}

TEST(SafeSaves, EveryFileKindKeepsTheOldFileWhenAnyStepFails) {
  const SaveStep steps[] = {SaveStep::kOpen, SaveStep::kWrite, SaveStep::kFlush,
                            SaveStep::kReplace};
  Installation install;
  const std::string folder = install.path("Work");
  for (const Kind& kind : everyKind()) {
    SCOPED_TRACE(kind.name);
    const std::string target = install.write("Work/target", "old");
    for (SaveStep step : steps) {
      SCOPED_TRACE(static_cast<int>(step));
      FailingSaves failing(step, step == SaveStep::kWrite ? 2 : 1);
      EXPECT_FALSE(kind.save(target.c_str()));
      EXPECT_EQ("old", install.read("Work/target"));
      EXPECT_EQ((std::set<std::string>{"target"}), fileNames(folder));
    }
    ASSERT_TRUE(kind.save(target.c_str()));
    EXPECT_NE("old", install.read("Work/target"));
    EXPECT_EQ((std::set<std::string>{"target"}), fileNames(folder));
  }
}

}  // namespace
}  // namespace vta
