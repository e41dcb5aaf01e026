// Saves fail at each step in turn: the target is then the whole old file (or
// still absent), after a save that succeeds the whole new one, and no
// temporary file is ever left in the folder.
#include "platform/safe_save.h"

#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "failing_saves.h"
#include "temp_folder.h"

namespace vta {
namespace {

const std::string kOld = "the previous file, whole";
const std::string kNew(100000, 'n');  // written in several pieces below

// Saves kNew in pieces of 1000 bytes.
bool saveInPieces(const std::string& target) {
  SafeSave save;
  bool written = save.begin(target.c_str());
  for (size_t at = 0; written && at < kNew.size(); at += 1000)
    written = save.write(kNew.data() + at, 1000);
  return written && save.commit();
}

struct Fault {
  SaveStep step;
  int fromOccurrence;
  const char* name;
};
const Fault kFaults[] = {{SaveStep::kOpen, 1, "open"},
                         {SaveStep::kWrite, 1, "first write"},
                         {SaveStep::kWrite, 40, "a later write"},
                         {SaveStep::kFlush, 1, "flush"},
                         {SaveStep::kReplace, 1, "replace"}};

// With an old file the target keeps it whole, beside a file of the user's
// that happens to bear the temporary name; without one none is made.
TEST(SafeSave, AFailureAtAnyStepKeepsTheOldFileOrNoneAndLeavesNoTemporaryFile) {
  for (const Fault& fault : kFaults) {
    for (const bool hadOld : {true, false}) {
      SCOPED_TRACE(std::string(fault.name) + (hadOld ? " over the old file" : " of a new file"));
      TempFolder folder;
      const std::string target = folder.file("list.org");
      if (hadOld) {
        folder.write("list.org", kOld);
        folder.write("list.org.tmp", "a file of the user's");
      }
      const std::set<std::string> before = folder.names();
      {
        FailingSaves failing(fault.step, fault.fromOccurrence);
        EXPECT_FALSE(saveInPieces(target));
      }
      EXPECT_EQ(before, folder.names());
      if (hadOld) EXPECT_EQ(kOld, folder.read("list.org"));
      ASSERT_TRUE(saveInPieces(target)) << "once nothing fails";
      EXPECT_EQ(kNew, folder.read("list.org"));
      if (hadOld) EXPECT_EQ("a file of the user's", folder.read("list.org.tmp"));
      EXPECT_EQ(hadOld ? before : std::set<std::string>{"list.org"}, folder.names());
    }
  }
}

// The system loses the old target while the replacement fails, as Windows
// can when it cannot move the new file into place.
std::string g_lostTarget;
bool replaceLosesTheTarget(SaveStep step) {
  if (step != SaveStep::kReplace) return false;
  std::filesystem::remove(g_lostTarget);
  return true;
}

TEST(SafeSave, AReplaceThatLosesTheOldFileKeepsTheNewOne) {
  TempFolder folder;
  g_lostTarget = folder.write("lost.vta", kOld);
  g_saveStepFails = &replaceLosesTheTarget;
  const bool saved = saveInPieces(g_lostTarget);
  g_saveStepFails = nullptr;
  EXPECT_FALSE(saved);
  const std::set<std::string> left = folder.names();
  ASSERT_EQ(1u, left.size());
  EXPECT_NE("lost.vta", *left.begin());
  EXPECT_EQ(kNew, folder.read(*left.begin())) << "the temporary file holds the only copy";
}

TEST(SafeSave, UncommittedOrUnstartedSavesChangeNothingAndNoneReplacesAFolder) {
  TempFolder folder;
  const std::string target = folder.write("kept.vta", kOld);
  {
    SafeSave save;
    ASSERT_TRUE(save.begin(target.c_str()));
    ASSERT_TRUE(save.write("partial", 7));
    EXPECT_EQ(2u, folder.names().size()) << "the temporary file sits beside the target";
  }
  EXPECT_EQ(kOld, folder.read("kept.vta"));
  EXPECT_EQ((std::set<std::string>{"kept.vta"}), folder.names());

  SafeSave idle;
  EXPECT_FALSE(idle.write("x", 1));
  EXPECT_FALSE(idle.commit());
  EXPECT_FALSE(idle.begin(nullptr));
  EXPECT_FALSE(saveFile(folder.file("no-folder/x.vta").c_str(), "x", 1));
  EXPECT_EQ((std::set<std::string>{"kept.vta"}), folder.names());

  folder.write("taken.vta/inside", "kept");
  EXPECT_FALSE(saveFile(folder.file("taken.vta").c_str(), "x", 1));
  EXPECT_EQ((std::set<std::string>{"kept.vta", "taken.vta"}), folder.names());
  EXPECT_EQ("kept", folder.read("taken.vta/inside"));
}

TEST(SafeSave, TwoSavesOfOneTargetAtOnceDoNotCollide) {
  TempFolder folder;
  const std::string target = folder.write("both.vta", kOld);
  SafeSave first, second;
  ASSERT_TRUE(first.begin(target.c_str()));
  ASSERT_TRUE(second.begin(target.c_str()));
  ASSERT_TRUE(first.write("first", 5));
  ASSERT_TRUE(second.write("second", 6));
  ASSERT_TRUE(first.commit());
  EXPECT_EQ("first", folder.read("both.vta"));
  ASSERT_TRUE(second.commit());
  EXPECT_EQ("second", folder.read("both.vta"));
  EXPECT_EQ((std::set<std::string>{"both.vta"}), folder.names());
}

TEST(SafeSave, ReplacesATargetNamedInTheSystemCodePage) {
  TempFolder folder;
  const std::string target = folder.file("caf") + "\xE9.vta";  // e acute in Latin-1
  ASSERT_TRUE(saveFile(target.c_str(), "old", 3));
  ASSERT_TRUE(saveFile(target.c_str(), "new", 3));
  File file;
  ASSERT_TRUE(file.openForReading(target.c_str()));
  char bytes[4] = {};
  EXPECT_EQ(3u, file.read(bytes, sizeof bytes));
  EXPECT_STREQ("new", bytes);
  EXPECT_EQ(1u, folder.names().size());
}

#ifndef _WIN32
TEST(SafeSave, KeepsTheTargetsPermissions) {
  TempFolder folder;
  const std::string target = folder.write("private.ini", kOld);
  ASSERT_EQ(0, chmod(target.c_str(), 0600));
  ASSERT_TRUE(saveFile(target.c_str(), "new", 3));
  struct stat info;
  ASSERT_EQ(0, stat(target.c_str(), &info));
  EXPECT_EQ(0600u, info.st_mode & 0777u);
}
#endif

}  // namespace
}  // namespace vta
