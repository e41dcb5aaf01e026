#include "platform/install_paths.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "platform/settings_store.h"
#include "settings_sandbox.h"

namespace vta {
namespace {

#ifdef _WIN32
const char kRoot[] = "C:\\Vt";
const char kExpected[] = "C:\\Vt\\Work\\Defaults.VRI";
#else
const char kRoot[] = "/opt/Vt";
const char kExpected[] = "/opt/Vt/Work/Defaults.VRI";
#endif

class BuildPath : public ::testing::Test {
 protected:
  SettingsSandbox sandbox;
  char buffer[256];
};

TEST_F(BuildPath, FailsWithoutInstallFolderOrAPartAndJoinsOnlyPlainFileNames) {
  std::strcpy(buffer, "stale");
  EXPECT_EQ(buildPath(buffer, sizeof buffer, "Work", "Defaults", "VRI"), 0);
  EXPECT_STREQ(buffer, "");
  ASSERT_EQ(writeRegistryString("Path", kRoot), 1);
  EXPECT_EQ(buildPath(buffer, sizeof buffer, nullptr, "Defaults", "VRI"), 0);
  EXPECT_EQ(buildPath(buffer, sizeof buffer, "Work", nullptr, "VRI"), 0);
  EXPECT_EQ(buildPath(buffer, sizeof buffer, "Work", "Defaults", nullptr), 0);
  EXPECT_EQ(buildPath(nullptr, 64, "Work", "Defaults", "VRI"), 0);
  for (const char* name : {"..", ".", "", "../x", "..\\..\\x", "a/b", "a\\b", "C:x", "a|b", "a*",
                           "a?", "a<b", "a\"b", "a\x01"}) {
    std::strcpy(buffer, "stale");
    EXPECT_EQ(buildPath(buffer, sizeof buffer, "Work", name, "VRI"), 0) << name;
    EXPECT_STREQ(buffer, "") << name;
  }
  for (const char* name : {"Cube Turn Left", "Flip.Over", "..x", "Rnd_Software"}) {
    EXPECT_EQ(buildPath(buffer, sizeof buffer, "Work", name, "VRI"), 1) << name;
  }
  EXPECT_EQ(buildSearchPattern(buffer, sizeof buffer, "LIBS", "Rnd_*", "DLL"), 1);
  EXPECT_EQ(buildSearchPattern(buffer, sizeof buffer, "LIBS", "../*", "DLL"), 0);
}

// The install folder, folder, name and extension joined, in a buffer of
// exactly their size.
TEST_F(BuildPath, ExactFitSucceedsAndAnyShorterBufferFailsWithinItself) {
  ASSERT_EQ(writeRegistryString("Path", kRoot), 1);
  const uint32_t needed = static_cast<uint32_t>(std::strlen(kExpected) + 1);
  std::memset(buffer, '#', sizeof buffer);
  ASSERT_EQ(buildPath(buffer, needed, "Work", "Defaults", "VRI"), 1);
  EXPECT_STREQ(buffer, kExpected);
  EXPECT_EQ(buffer[needed], '#');
  for (uint32_t size : {needed - 1, 4u}) {  // too small for the name, for the folder
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(buildPath(buffer, size, "Work", "Defaults", "VRI"), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[size], '#');
  }
  buffer[0] = '#';
  EXPECT_EQ(buildPath(buffer, 0, "Work", "Defaults", "VRI"), 0);
  EXPECT_EQ(buffer[0], '#');
}

}  // namespace
}  // namespace vta
