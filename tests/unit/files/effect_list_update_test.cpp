#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "scratch_installation.h"
#include "model/files/effect_list_update.h"
#include "platform/settings_store.h"

namespace vta {
namespace {

struct RecordedProgress : BuildProgress {
  void setRange(uint32_t total) override { range = total; }
  void setPosition(uint32_t done) override { positions.push_back(done); }
  uint32_t range = 0;
  std::vector<uint32_t> positions;
};

class EffectListUpdateTest : public ::testing::Test {
 protected:
  void addEffect(const std::string& file, const std::string& title, uint32_t allow) {
    install.write(root + "Effects/" + file + ".vta",
                  ChunkBytes("VTAE").chunk("ENAM", textBytes(title)).chunk("ALOW", le32(allow)));
  }
  // Master list: group "Spins" (spin1, spin2, gone), group "Hidden" (hidden).
  void standardInstallation() {
    addEffect("spin1", "Spin One", 1);
    addEffect("spin2", "Spin Two", 3);
    addEffect("hidden", "Hidden", 2);
    install.write(root + "Effects/Master.lst", ChunkBytes("VTAG")
                                                   .chunk("OGRP", textBytes("Spins"))
                                                   .chunk("OITM", textBytes("spin1"))
                                                   .chunk("OITM", textBytes("gone"))
                                                   .chunk("OITM", textBytes("spin2"))
                                                   .chunk("OGRP", textBytes("Hidden"))
                                                   .chunk("OITM", textBytes("hidden")));
    install.makeFolder(root + "Orgs");
  }
  bool runUpdate(BuildProgress* progress = nullptr) {
    EffectListUpdate update;
    if (!update.prepare()) return false;
    built = update.build(progress);
    update.finish();
    return true;
  }
  Installation install;
  std::string root;  // the installation's folder below install, ending in '/'
  int built = -1;
};

TEST_F(EffectListUpdateTest, RebuildKeepsOfferedEffectsAndReportsEveryEntry) {
  standardInstallation();
  RecordedProgress progress;
  ASSERT_TRUE(runUpdate(&progress));
  EXPECT_EQ(1, built);
  EXPECT_EQ(4u, progress.range);
  EXPECT_EQ((std::vector<uint32_t>{0, 1, 2, 3}), progress.positions);
  EXPECT_EQ(3u, readRegistryDword("Effect_Count"));
  EffectGroupList current;
  ASSERT_EQ(1, current.loadByName("current"));
  ASSERT_EQ(1, current.groupCount());  // nothing of "Hidden" is offered
  EXPECT_STREQ("Spins", current.group(0)->groupName);
  ASSERT_EQ(2, current.itemCount(0));
  EXPECT_STREQ("Spin One", current.itemName(0, 0));
  EXPECT_STREQ("Spin Two", current.itemName(0, 1));
}

TEST_F(EffectListUpdateTest, ALongInstallationPathIsReadAsItWasWritten) {
  root = std::string(200 - install.path("").size(), 'p') + "/";
  standardInstallation();
  ASSERT_EQ(1, writeRegistryString("Path", install.path(root.substr(0, root.size() - 1)).c_str()));
  ASSERT_TRUE(runUpdate());
  EXPECT_EQ(1, built);
  EffectGroupList current;
  ASSERT_EQ(1, current.loadByName("current"));
  EXPECT_EQ(2, current.itemCount(0));
}

TEST_F(EffectListUpdateTest, UnchangedCountAndExistingListNeedNoRebuild) {
  standardInstallation();
  ASSERT_TRUE(runUpdate());
  addEffect("spin1", "Renamed", 1);  // same count: must not be read
  const std::string before = install.read("Orgs/current.org");
  EXPECT_FALSE(runUpdate());
  EXPECT_EQ(before, install.read("Orgs/current.org"));

  std::filesystem::remove(install.path("Orgs/current.org"));
  ASSERT_TRUE(runUpdate());
  EffectGroupList current;
  ASSERT_EQ(1, current.loadByName("current"));
  EXPECT_STREQ("Renamed", current.itemName(0, 0));
}

// The count takes effect files in any letter case and is stored even when
// the list cannot be saved.
TEST_F(EffectListUpdateTest, CountsOnlyEffectFilesInAnyLetterCaseAndStoresTheCountAnyway) {
  standardInstallation();
  install.write("Effects/Upper.VTA", "");
  install.write("Effects/notes.vtab", "");
  install.write("Orgs/current.org/a file", "");  // a folder, which no file replaces
  ASSERT_TRUE(runUpdate());
  EXPECT_EQ(0, built);
  EXPECT_EQ(4u, readRegistryDword("Effect_Count"));
}

TEST_F(EffectListUpdateTest, MissingMasterListChangesNothing) {
  addEffect("spin1", "Spin One", 1);
  writeRegistryDword("Effect_Count", 7);
  EXPECT_FALSE(runUpdate());
  EXPECT_EQ(7u, readRegistryDword("Effect_Count"));
}

}  // namespace
}  // namespace vta
