// The edit session over a host's record: the preview restarts once per
// change, Cancel's backup, the filter start's correction (which holds over
// the stored defaults), and the Fly-On arrangement without a type-1 effect.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "model/files/defaults_file.h"
#include "platform/settings_store.h"
#include "preview_fixture.h"
#include "session/edit_session.h"

namespace vta::test {
namespace {

class EditSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(renderer_.loaded());
    writeRegistryDword("Prev_Frames", 2);
    writeRegistryDword("Prev_Render", 1);
    std::strcpy(record_.effectName, "Cube Spin");
  }

  PreviewInstallation installation_;
  TestRenderer renderer_{installation_};
  RecordingListener listener_;
  EffectSettings record_;
};

TEST_F(EditSessionTest, ThePreviewRestartsOncePerChange) {
  EditSession session(record_, false, &listener_);
  session.recordChanged();
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_PREPARE, 1));
  session.recordChanged();  // nothing changed since
  record_.globalParams[VTA_SHADOWS] = 40.0f;
  session.recordChanged();
  ASSERT_TRUE(renderer_.waitFor(RND_TEST_PREPARE, 2));
  session.recordChanged();
  EXPECT_FALSE(renderer_.waitFor(RND_TEST_PREPARE, 3, 300));
}

TEST_F(EditSessionTest, RestoreGivesBackTheRecordAsItCame) {
  record_.objectParams[0][VTA_SHINE] = NAN;
  EffectSettings atStart;
  atStart.copyFrom(record_);
  EditSession session(record_, false, &listener_);
  record_.objectParams[0][VTA_SHINE] = 3.0f;
  std::strcpy(record_.effectName, "Other");
  session.restoreRecord();
  EXPECT_EQ(0, record_.differs(atStart));
}

TEST_F(EditSessionTest, TheFilterStartCorrectionHoldsOverTheDefaults) {
  EffectSettings stored;  // frame count 0, filter off
  std::filesystem::create_directories(installation_.file("Work"));
  const char* error = nullptr;
  ASSERT_TRUE(saveDefaults(stored, &error)) << error;
  record_.globalParams[VTA_FILTER_FRAMES] = 0.0f;
  EditSession session(record_, true, &listener_);
  EXPECT_EQ(100.0f, record_.globalParams[VTA_FILTER_FRAMES]);
  EXPECT_EQ(1.0f, record_.globalParams[VTA_FILTER_ON]);
  record_.globalParams[VTA_FILTER_ON] = 5.0f;
  session.takeDefaults();
  EXPECT_EQ(100.0f, record_.globalParams[VTA_FILTER_FRAMES]);
  EXPECT_EQ(1.0f, record_.globalParams[VTA_FILTER_ON]) << "the defaults were taken";
}

TEST_F(EditSessionTest, WithoutATypeOneEffectNoObjectsChangePlaces) {
  writeRegistryDword("Eff_Autoreverse", 1);
  record_.objectParams[0][VTA_LUMINOSITY] = 10.0f;
  EditSession session(record_, false, &listener_);
  session.setFlyMode(1);
  EXPECT_EQ(1.0f, record_.globalParams[VTA_FLY_MODE]);
  EXPECT_EQ(10.0f, record_.objectParams[0][VTA_LUMINOSITY]);
  EXPECT_EQ(0u, session.storedObject(0));
  EXPECT_EQ(0u, session.flyOffObject(1)) << "the path editor's view exchanges them all the same";
  EXPECT_EQ(2u, session.flyOffObject(2));
}

}  // namespace
}  // namespace vta::test
