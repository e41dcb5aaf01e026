#include <gtest/gtest.h>

#include <filesystem>

#include "failing_saves.h"
#include "scratch_installation.h"
#include "model/components/surface.h"
#include "model/files/defaults_file.h"
#include "model/files/group_list.h"
#include "platform/memory.h"
#include "platform/settings_store.h"

namespace vta {
namespace {

const uint8_t* bytesOf(const EffectSettings& record) {
  return reinterpret_cast<const uint8_t*>(&record);
}

void fillRecord(EffectSettings& record) {
  copyString(record.effectName, "Ripple");
  fillBytes(record.padding, 0xA5, sizeof record.padding);
  for (int i = 0; i < kGlobalParamCount; ++i) record.globalParams[i] = i * 0.5f;
  record.objectParams[3][7] = 42.0f;
  record.objectParams[19][9] = -1.0f;  // only its lowest byte is stored
  auto* surface =
      makeComponent<SurfaceComponent>(uint16_t{1}, 0.0f, 1.0f, uint16_t{0}, uint16_t{0});
  surface->mappingKind = 2;
  copyString(surface->mapFile, "wood");
  record.description.lists[kSurfaces].append(surface);
}

TEST(DefaultsFile, SavedDefaultsRestoreTheStoredBytesAndComponents) {
  Installation install;
  install.makeFolder("Work");
  EffectSettings saved;
  fillRecord(saved);
  const char* error = "unset";
  ASSERT_EQ(1, saveDefaults(saved, &error));
  EXPECT_EQ(nullptr, error);

  EffectSettings loaded;
  loadDefaults(loaded);
  EXPECT_EQ('\0', loaded.effectName[0]);
  EXPECT_EQ(0, compareBytes(bytesOf(saved) + 1, bytesOf(loaded) + 1, kStoredFixedBytes - 1));
  EXPECT_EQ(0, compareBytes(bytesOf(loaded) + kStoredFixedBytes, "\0\0\0", 3));
  EXPECT_TRUE(loaded.description.lists[kSurfaces].equals(saved.description.lists[kSurfaces]));
  ASSERT_EQ(1u, loaded.description.textureCount);  // textures follow the restored surfaces
  EXPECT_STREQ("wood", loaded.description.textures[0]->name);
}

TEST(DefaultsFile, WithoutADefaultsFileTheRecordIsUntouched) {
  Installation install;
  EffectSettings record;
  fillRecord(record);
  EffectSettings before;
  before.copyFrom(record);
  loadDefaults(record);
  EXPECT_EQ(0, record.differs(before));
  EXPECT_STREQ("Ripple", record.effectName);
}

TEST(DefaultsFile, FailedSavesSayWhyAndKeepThePreviousFile) {
  EffectSettings record;
  fillRecord(record);
  const char* error = nullptr;
  {
    SettingsSandbox noInstallation;
    EXPECT_EQ(0, saveDefaults(record, &error));
    EXPECT_STREQ("Error settings filename for defaults.", error);
  }
  Installation install;
  EXPECT_EQ(0, saveDefaults(record, &error));  // no "Work" folder
  EXPECT_STREQ("Could not create defaults file.", error);

  const std::string previous = ChunkBytes("VTAR").chunk("RIN0", "old");
  install.write("Work/Defaults.VRI", previous);
  FailingSaves failing(SaveStep::kOpen);
  EXPECT_EQ(0, saveDefaults(record, &error));
  EXPECT_STREQ("Could not create defaults file.", error);
  EXPECT_EQ(previous, install.read("Work/Defaults.VRI"));
}

}  // namespace
}  // namespace vta
