// The settings store, and the paths inside the installation folder that
// its "Path" names.
#include "platform/settings_store.h"
#include "platform/install_paths.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "settings_sandbox.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <filesystem>
#include <fstream>
#endif

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

class SettingsStore : public ::testing::Test {
 protected:
  SettingsSandbox sandbox;
};

TEST_F(SettingsStore, RoundTripsValuesByNameInAnyCaseAndLaterWritesReplaceThem) {
  ASSERT_EQ(writeRegistryString("Path", "/opt/old"), 1);
  ASSERT_EQ(writeRegistryString("Path", "/opt/vantaro"), 1);
  ASSERT_EQ(writeRegistryDword("Effect_Count", 12), 1);
  ASSERT_EQ(writeRegistryDword("Largest", 0xFFFFFFFFu), 1);
  ASSERT_EQ(writeRegistryString("Empty", ""), 1);
  char text[64] = "x";
  ASSERT_EQ(readRegistryString(text, sizeof text, "Path"), 1);
  EXPECT_STREQ(text, "/opt/vantaro");
  ASSERT_EQ(readRegistryString(text, sizeof text, "Empty"), 1);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(readRegistryDword("EFFECT_COUNT"), 12u);
  EXPECT_EQ(readRegistryDword("Largest"), 0xFFFFFFFFu);
  ASSERT_EQ(writeRegistryDword("effect_count", 8), 1);
  EXPECT_EQ(readRegistryDword("Effect_Count"), 8u);
  EXPECT_EQ(readRegistryDword("Count"), 0u) << "a missing value";
  EXPECT_EQ(readRegistryString(text, sizeof text, "Missing"), 0);
}

TEST_F(SettingsStore, NothingReadsFromAKeyNeverWrittenAndStringsMustFitWithTheirTerminator) {
  char bytes[8] = "keep";
  EXPECT_EQ(readRegistryDword("Count"), 0u);
  EXPECT_EQ(readRegistryString(bytes, sizeof bytes, "Path"), 0);
  ASSERT_EQ(writeRegistryString("Name", "abcd"), 1);
  std::memset(bytes, '#', sizeof bytes);
  EXPECT_EQ(readRegistryString(bytes, 4, "Name"), 0);
  EXPECT_EQ(std::string(bytes + 4, 4), "####");
  EXPECT_EQ(readRegistryString(bytes, 0, "Name"), 0);
  EXPECT_EQ(readRegistryString(nullptr, 8, "Name"), 0);

  ASSERT_EQ(readRegistryString(bytes, 5, "Name"), 1);
  EXPECT_EQ(std::string(bytes, 8), std::string("abcd\0###", 8));
}

TEST(SettingsKey, LongPathsAreCut) {
  std::string longPath(300, 'k');
  EXPECT_EQ(setRegistryKey(longPath.c_str()), 1);
  EXPECT_EQ(std::string(registryKeyPath()), longPath.substr(0, 255));
  EXPECT_EQ(setRegistryKey(nullptr), 1);
  EXPECT_STREQ(registryKeyPath(), "");
  setRegistryKey(kRegistryRoot);
  EXPECT_STREQ(registryKeyPath(), kRegistryRoot);
}

#ifdef _WIN32

// Stores bytes as a string value exactly as given, without adding a NUL.
void writeRawString(const char* name, const char* bytes, DWORD size) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, registryKeyPath(), 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes), size);
  RegCloseKey(key);
}

TEST_F(SettingsStore, UnterminatedRegistryStringIsTerminated) {
  writeRawString("Raw", "abcd", 4);
  char bytes[8];
  std::memset(bytes, '#', sizeof bytes);
  ASSERT_EQ(readRegistryString(bytes, 5, "Raw"), 1);
  EXPECT_EQ(std::string(bytes, 6), std::string("abcd\0#", 6));
  EXPECT_EQ(readRegistryString(bytes, 4, "Raw"), 0);
  EXPECT_EQ(bytes[4], '\0');  // untouched since the successful read
}

#else

std::string fileText(const SettingsSandbox& sandbox) {
  std::ifstream in(sandbox.file(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFileText(const SettingsSandbox& sandbox, const std::string& text) {
  std::ofstream(sandbox.file(), std::ios::binary) << text;
}

TEST_F(SettingsStore, FileHoldsOneValuePerLineAndWritesLeaveNoTemporaryFiles) {
  ASSERT_EQ(writeRegistryString("Path", "/opt/vantaro"), 1);
  ASSERT_EQ(writeRegistryDword("Effect_Count", 12), 1);
  ASSERT_EQ(writeRegistryString("Path", "/usr/vantaro"), 1);
  EXPECT_EQ(fileText(sandbox), "Path=s:/usr/vantaro\nEffect_Count=d:12\n");

  ASSERT_EQ(writeRegistryDword("A", 1), 1);
  ASSERT_EQ(writeRegistryDword("B", 2), 1);
  const auto folder = std::filesystem::path(sandbox.file()).parent_path();
  EXPECT_EQ(fileNames(folder.string()), std::set<std::string>{"settings.ini"});
}

TEST_F(SettingsStore, RefusesWhatTheFileCannotHoldAndIgnoresAndKeepsGarbledLines) {
  EXPECT_EQ(writeRegistryString("Notes", "two\nlines"), 0);
  EXPECT_EQ(writeRegistryString("Notes", "cr\r"), 0);
  EXPECT_EQ(writeRegistryString("A=B", "x"), 0);
  EXPECT_EQ(writeRegistryString("A\nB", "x"), 0);
  EXPECT_EQ(writeRegistryString("Notes", nullptr), 0);
  EXPECT_EQ(writeRegistryDword(nullptr, 1), 0);
  EXPECT_FALSE(std::filesystem::exists(sandbox.file()));

  writeFileText(sandbox,
                "junk\n=\nCount\nCount=\nCount=d\nCount=x:5\nCount=d:12x\n"
                "Big=d:4294967296\nEmpty=d:\nName=d:3\nGood=d:9\r\n");
  EXPECT_EQ(readRegistryDword("Count"), 0u);
  EXPECT_EQ(readRegistryDword("Big"), 0u);
  EXPECT_EQ(readRegistryDword("Empty"), 0u);
  EXPECT_EQ(readRegistryDword("Good"), 9u);
  char text[16];
  EXPECT_EQ(readRegistryString(text, sizeof text, "Name"), 0) << "a number is not text";
  ASSERT_EQ(writeRegistryString("Added", "x=y"), 1);
  ASSERT_EQ(readRegistryString(text, sizeof text, "Added"), 1);
  EXPECT_STREQ(text, "x=y");
  EXPECT_EQ(fileText(sandbox).substr(0, 10), "junk\n=\nCou");
}

// Sets an environment variable for one scope and restores it afterwards.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    hadOld_ = old != nullptr;
    old_ = hadOld_ ? old : "";
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedVariable() { hadOld_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  bool hadOld_;
  std::string old_;
};

TEST(SettingsLocation, FollowsConfigFoldersAndKeyPath) {
  TempFolder config;
  TempFolder home;
  ScopedVariable noFile("VANTARO_SETTINGS", nullptr);
  ScopedVariable homeVariable("HOME", home.path().c_str());
  setRegistryKey("Software\\Corvane\\Test");
  {
    ScopedVariable xdg("XDG_CONFIG_HOME", config.path().c_str());
    EXPECT_EQ(writeRegistryDword("A", 1), 1);
    EXPECT_EQ(readRegistryDword("A"), 1u);
  }
  {
    ScopedVariable xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(readRegistryDword("A"), 0u);
    EXPECT_EQ(writeRegistryDword("A", 2), 1);
  }
  setRegistryKey(kRegistryRoot);
  EXPECT_EQ(config.read("vantaro/Software/Corvane/Test.ini"), "A=d:1\n");
  EXPECT_EQ(home.read(".config/vantaro/Software/Corvane/Test.ini"), "A=d:2\n");
}

#endif

}  // namespace
}  // namespace vta
