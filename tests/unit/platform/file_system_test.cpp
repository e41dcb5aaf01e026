// Files and folders found in any letter case, file reads and writes, and
// modules loaded by path (in any letter case too) or by system name.
#include "platform/file_system.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/dynamic_library.h"
#include "platform/file.h"
#include "platform/safe_save.h"
#include "temp_folder.h"

namespace vta {
namespace {

using Names = std::vector<std::string>;

TEST(MatchesPattern, LiteralsIgnoreCaseQuestionMarkTakesOneAndStarAnyRun) {
  const struct {
    const char* pattern;
    std::vector<const char*> matching, notMatching;
  } cases[] = {
      {"a.vta", {"A.VTA", "a.vta"}, {"a.vtb", "a.vt", "a.vtab"}},
      {"A.VTA", {"a.vta"}, {}},
      {"x?.vta", {"x1.vta"}, {"x.vta", "x12.vta"}},
      {"?", {"?"}, {""}},
      {"*.vta", {"A.VTA", ".vta"}, {"a.vta.bak"}},
      {"*", {"anything", ""}, {}},
      {"pre*", {"Preset"}, {}},
      {"pre**", {"pre"}, {}},
      {"a*bcd", {"abcbcd"}, {}},  // needs backtracking
      {"a*b*c", {"a-b-c"}, {"a-b-"}},
      {"", {""}, {"a"}},
  };
  for (const auto& c : cases) {
    for (const char* name : c.matching) EXPECT_TRUE(matchesPattern(name, c.pattern)) << name;
    for (const char* name : c.notMatching) EXPECT_FALSE(matchesPattern(name, c.pattern)) << name;
  }
  EXPECT_FALSE(matchesPattern(nullptr, "*"));
  EXPECT_FALSE(matchesPattern("a", nullptr));
}

class FileSystem : public ::testing::Test {
 protected:
  FileSystem() {
    folder.write("Effects/Foo.VTA", "foo");
    folder.write("Effects/bar.vta", "bar");
    folder.write("Effects/notes.txt", "");
    folder.write("Effects/Sub.vta/inner.vta", "");  // a folder, not a file
  }
  std::string effects() const { return folder.file("Effects"); }

  TempFolder folder;
};

TEST_F(FileSystem, ListsMatchingFilesSortedAndTellsFilesFromFolders) {
  EXPECT_EQ(listDirectory(effects().c_str(), "*.VTA"), (Names{"Foo.VTA", "bar.vta"}));
  EXPECT_EQ(listDirectory(effects().c_str(), "*"), (Names{"Foo.VTA", "bar.vta", "notes.txt"}));
  EXPECT_EQ(listDirectory(effects().c_str(), "*.none"), Names{});
  EXPECT_EQ(listDirectory(folder.file("Missing").c_str(), "*"), Names{});
  EXPECT_EQ(listDirectory(nullptr, "*"), Names{});
  EXPECT_TRUE(fileExists(folder.file("Effects/Foo.VTA").c_str()));
  EXPECT_FALSE(fileExists(effects().c_str()));
  EXPECT_FALSE(fileExists(folder.file("Effects/Gone.vta").c_str()));
  EXPECT_FALSE(fileExists(nullptr));
}

#ifdef _WIN32

TEST(ResolvePath, LeavesWindowsPathsAlone) {
  EXPECT_EQ(resolvePath("C:\\Some\\PATH/x.VTA"), "C:\\Some\\PATH/x.VTA");
  EXPECT_EQ(resolvePath(nullptr), "");
}

#else

TEST_F(FileSystem, ResolvesAnyCasePreferringTheExactSpellingAndKeepsThatOfMissingNames) {
  std::string expected = folder.path() + "/Effects/Foo.VTA";
  EXPECT_EQ(resolvePath((folder.path() + "/EFFECTS/foo.vta").c_str()), expected);
  EXPECT_EQ(resolvePath((folder.path() + "/effects\\FOO.vta").c_str()), expected);
  EXPECT_EQ(resolvePath(expected.c_str()), expected);
  // Among case variants the exact spelling, else the lowest in byte order.
  folder.write("Effects/foo.vta", "lower");
  EXPECT_EQ(resolvePath((folder.path() + "/Effects/foo.vta").c_str()),
            folder.path() + "/Effects/foo.vta");
  EXPECT_EQ(resolvePath((folder.path() + "/Effects/FOO.VTA").c_str()),
            folder.path() + "/Effects/Foo.VTA");

  EXPECT_EQ(resolvePath((folder.path() + "/EFFECTS/New.vta").c_str()),
            folder.path() + "/Effects/New.vta");
  EXPECT_EQ(resolvePath((folder.path() + "/Gone/EFFECTS").c_str()),
            folder.path() + "/Gone/EFFECTS");
  EXPECT_EQ(resolvePath((folder.path() + "//effects/./x/../").c_str()),
            folder.path() + "//Effects/./x/../");
  EXPECT_EQ(resolvePath(nullptr), "");

  // A file added after a lookup is seen.
  const std::string effects = folder.path() + "/EFFECTS/";
  EXPECT_EQ(resolvePath((effects + "new.vta").c_str()), folder.path() + "/Effects/new.vta");
  folder.write("Effects/New.VTA", "made later");
  EXPECT_EQ(resolvePath((effects + "new.vta").c_str()), folder.path() + "/Effects/New.VTA");
  folder.write("Effects/NEW.vta", "lower in byte order");
  EXPECT_EQ(resolvePath((effects + "new.vta").c_str()), folder.path() + "/Effects/NEW.vta");
}

TEST_F(FileSystem, FilesOpenAndFoldersListThroughWindowsStylePaths) {
  EXPECT_EQ(listDirectory((folder.path() + "\\EFFECTS").c_str(), "*.vta"),
            (Names{"Foo.VTA", "bar.vta"}));
  File file;
  ASSERT_TRUE(file.openForReading((folder.path() + "\\EFFECTS\\foo.vta").c_str()));
  EXPECT_EQ(file.size(), 3u);
  ASSERT_TRUE(saveFile((folder.path() + "\\effects\\Made.vta").c_str(), "new", 3));
  EXPECT_EQ(folder.read("Effects/Made.vta"), "new");
  ASSERT_TRUE(saveFile((folder.path() + "\\EFFECTS\\made.VTA").c_str(), "again", 5));
  EXPECT_EQ(folder.read("Effects/Made.vta"), "again");
  EXPECT_EQ(listDirectory((folder.path() + "/Effects").c_str(), "made.vta"), (Names{"Made.vta"}));
}

#endif

TEST(File, ReadsWhatWasWrittenAndCreatingNeverTouchesAnExistingFile) {
  TempFolder folder;
  std::string path = folder.file("data.bin");
  File file;
  EXPECT_EQ(file.size(), 0u);
  EXPECT_FALSE(file.write("x", 1));
  ASSERT_TRUE(file.createNew(path.c_str()));
  ASSERT_TRUE(file.write("abcdef", 6));
  ASSERT_TRUE(file.write("", 0));
  EXPECT_EQ(file.read(nullptr, 0), 0u);
  ASSERT_TRUE(file.openForReading(path.c_str()));
  EXPECT_EQ(file.size(), 6u);
  char bytes[8] = {};
  EXPECT_EQ(file.read(bytes, 4), 4u);
  EXPECT_EQ(file.read(bytes + 4, 4), 2u);
  EXPECT_EQ(std::string(bytes), "abcdef");
  EXPECT_FALSE(file.write("x", 1));
  file.close();
  EXPECT_FALSE(file.isOpen());
  EXPECT_EQ(file.read(bytes, 1), 0u);

  EXPECT_FALSE(file.createNew(path.c_str()));
  EXPECT_FALSE(file.createNew(folder.path().c_str()));
  EXPECT_EQ(folder.read("data.bin"), "abcdef");
  EXPECT_FALSE(file.openForReading(folder.file("none.bin").c_str()));
}

using AnswerFunction = int (*)();

// The test module is built beside this program. On POSIX systems its path
// is opened with the file name's letter case changed, which only works
// through the case-blind lookup.
#ifdef _WIN32
const std::string kModule = VTA_TEST_MODULE_NAME;
#else
std::string moduleWithOtherCase() {
  std::string path = VTA_TEST_MODULE_PATH;
  for (size_t i = path.rfind('/') + 1; i < path.size(); ++i) {
    path[i] = static_cast<char>(toupper(static_cast<unsigned char>(path[i])));
  }
  return path;
}
const std::string kModule = moduleWithOtherCase();
#endif

TEST(DynamicLibrary, OpensModulesAndSystemLibrariesFindsSymbolsAndMovesOwnership) {
  DynamicLibrary library;
  ASSERT_TRUE(library.open(kModule.c_str())) << kModule;
  EXPECT_TRUE(library.isOpen());
  auto answer = reinterpret_cast<AnswerFunction>(library.symbol("vtaTestAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(library.symbol("vtaNoSuchSymbol"), nullptr);
  EXPECT_EQ(library.symbol(nullptr), nullptr);
  library.close();
  EXPECT_FALSE(library.isOpen());
  EXPECT_EQ(library.symbol("vtaTestAnswer"), nullptr);

  DynamicLibrary first;
  ASSERT_TRUE(first.open(kModule.c_str()));
  DynamicLibrary second(std::move(first));
  EXPECT_FALSE(first.isOpen());
  ASSERT_TRUE(second.isOpen());
  DynamicLibrary third;
  third = std::move(second);
  EXPECT_FALSE(second.isOpen());
  EXPECT_NE(third.symbol("vtaTestAnswer"), nullptr);

  // A system library opens by its name alone; a missing one fails.
  DynamicLibrary system;
#ifdef _WIN32
  ASSERT_TRUE(system.open("kernel32.dll"));
  EXPECT_NE(system.symbol("GetTickCount"), nullptr);
#else
  ASSERT_TRUE(system.open("libm.so.6"));
  EXPECT_NE(system.symbol("cos"), nullptr);
#endif
  EXPECT_FALSE(system.open("vta_no_such_library.dll"));
  EXPECT_FALSE(system.open(nullptr));
  EXPECT_FALSE(system.isOpen());
  EXPECT_EQ(system.symbol("GetTickCount"), nullptr);
}

}  // namespace
}  // namespace vta
