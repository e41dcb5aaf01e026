// Group lists, and finding effects: the search over a group list's effects,
// and the user's "Favourites" and "Recently Used" as stored in their own
// folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "scratch_installation.h"
#include "model/files/effect_search.h"
#include "model/files/group_list.h"
#include "model/files/personal_lists.h"
#include "platform/file_system.h"

namespace vta {
namespace {

const std::string kName41(41, 'n');

TEST(GroupList, TwoGroupFileSurvivesARoundTripAndGroupsHoldSixteenNamesOfForty) {
  Installation install;
  install.write("Orgs/Mine.org", ChunkBytes("VTAG")
                                     .chunk("OITM", textBytes("orphan"))
                                     .chunk("OGRP", textBytes("A"))
                                     .chunk("OITM", textBytes("a1"))
                                     .chunk("OITM", textBytes("a2"))
                                     .chunk("OITM", textBytes("a3"))
                                     .chunk("NOTE", "skipped")
                                     .chunk("OGRP", textBytes("B"))
                                     .chunk("OITM", textBytes("b1")));
  EffectGroupList list;
  ASSERT_EQ(1, list.loadByName("Mine"));
  ASSERT_EQ(2, list.groupCount());
  EXPECT_STREQ("A", list.group(0)->groupName);
  EXPECT_EQ(3, list.itemCount(0));
  EXPECT_EQ(1, list.itemCount(1));
  EXPECT_STREQ("a3", list.itemName(0, 2));
  EXPECT_EQ(nullptr, list.itemName(1, 1));
  EXPECT_EQ(-1, list.findGroupOf("orphan"));

  const std::string copy = install.path("copy.org");
  ASSERT_EQ(1, list.save(copy.c_str()));
  EffectGroupList reloaded;
  ASSERT_EQ(1, reloaded.loadFromPath(copy.c_str()));
  ASSERT_EQ(2, reloaded.groupCount());
  EXPECT_STREQ("B", reloaded.group(1)->groupName);
  EXPECT_STREQ("b1", reloaded.itemName(1, 0));
  EXPECT_EQ(3, reloaded.itemCount(0));

  ChunkBytes file("VTAG");
  file.chunk("OGRP", textBytes(kName41));
  for (int i = 0; i < 17; ++i) file.chunk("OITM", textBytes("fx" + std::to_string(i)));
  file.chunk("OGRP", kName41);  // no NUL at all
  file.chunk("OITM", kName41 + kName41);
  EffectGroupList big;
  ASSERT_EQ(1, big.loadFromPath(install.write("big.org", file).c_str()));
  EXPECT_EQ(16, big.itemCount(0));
  EXPECT_STREQ("fx15", big.itemName(0, 15));
  EXPECT_EQ(kName41.substr(0, 40), big.group(0)->groupName);
  EXPECT_EQ(kName41.substr(0, 40), big.group(1)->groupName);
  EXPECT_EQ(kName41.substr(0, 40), big.itemName(1, 0));
  EXPECT_EQ(0, big.addItem(0, "seventeenth"));
  EXPECT_EQ(0, big.addItem(2, "no such group"));
}

TEST(GroupList, FindsTheFirstGroupHoldingANameAndForeignOrBrokenFilesGiveZero) {
  EffectGroupList list;
  for (int g = 0; g < 6; ++g) list.addGroup(("G" + std::to_string(g)).c_str());
  list.addItem(2, "other");
  list.addItem(2, "Wipe");
  list.addItem(5, "Wipe");
  EXPECT_EQ(2, list.findGroupOf("Wipe"));
  EXPECT_EQ(1, list.findItemIndex("Wipe"));
  EXPECT_EQ(-1, list.findGroupOf("wipe"));
  EXPECT_EQ(-1, list.findItemIndex("wipe"));
  EXPECT_EQ(nullptr, list.group(6));
  EXPECT_EQ(nullptr, list.group(-1));

  Installation install;
  EffectGroupList loaded;
  const std::string foreign = install.write("x.org", ChunkBytes("VTAE").chunk("OGRP", "A"));
  EXPECT_EQ(0, loaded.loadFromPath(foreign.c_str()));
  EXPECT_EQ(0, loaded.groupCount());
  const std::string broken = install.write(
      "y.org", ChunkBytes("VTAG").chunk("OGRP", textBytes("A")).raw("OITM" + le32(99) + "b"));
  EXPECT_EQ(0, loaded.loadFromPath(broken.c_str()));
  EXPECT_EQ(1, loaded.groupCount());  // kept what was read before the break
  EXPECT_EQ(0, loaded.loadByName("absent"));
  EXPECT_EQ(0, loaded.groupCount());
}

std::vector<std::string> names(const EffectGroup& group) {
  return std::vector<std::string>(group.items, group.items + group.itemCount);
}

std::string numbered(const char* prefix, int i) { return prefix + std::to_string(i); }

TEST(EffectSearch, MatchesNameTitleAndTextIgnoringCaseInTheOrderAddedAndReadsTheFiles) {
  EffectSearch search;
  search.add("C1", "Cube Turn Left", "The picture turns away.");
  search.add("Door", "Door Swing", "A CUBE of light swings open.");
  search.add("Cuboid", "", nullptr);
  search.add("C1", "Twice", "added again: ignored");
  const struct {
    const char* query;
    std::vector<std::string> expected;
  } cases[] = {
      {"cube", {"C1", "Door"}},  // title, description text
      {"SWING", {"Door"}},       // case-blind
      {"cub", {"C1", "Door", "Cuboid"}},
      {"c1", {"C1"}},    // name
      {"left the", {}},  // no match across title and text
      {"twice", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    EffectGroup results = {};
    EXPECT_EQ(static_cast<int>(c.expected.size()), search.find(c.query, results)) << c.query;
    EXPECT_EQ(c.expected, names(results)) << c.query;
  }

  Installation install;
  install.write("EFFECTS/A.VTA", ChunkBytes("VTAE")
                                     .chunk("ENAM", textBytes("Cube Roll"))
                                     .chunk("DESC", textBytes("Rolls upward")));
  EffectGroupList groups;
  groups.addGroup("G");
  groups.addItem(0, "A");
  groups.addItem(0, "Missing");
  EffectSearch fromFiles;
  fromFiles.addGroups(groups);
  EffectGroup results = {};
  EXPECT_EQ(1, fromFiles.find("cube", results));
  EXPECT_EQ(1, fromFiles.find("upward", results));
  EXPECT_EQ(1, fromFiles.find("missing", results)) << "an unreadable file still matches by name";
}

TEST(PersonalLists, RecentlyUsedKeepsSixteenNewestFirstAndFavouritesRefuseWhenFull) {
  PersonalLists lists;
  for (int i = 1; i <= 17; ++i) lists.noteUsed(numbered("E", i).c_str());
  lists.noteUsed("E5");
  ASSERT_EQ(kMaxGroupItems, lists.recent().itemCount);
  EXPECT_STREQ("E5", lists.recent().items[0]);
  EXPECT_STREQ("E17", lists.recent().items[1]);
  EXPECT_STREQ("E2", lists.recent().items[15]) << "E1 dropped, E5 moved to the front";

  EXPECT_TRUE(lists.addFavourite("A"));
  EXPECT_FALSE(lists.addFavourite("A"));
  for (int i = 1; i < kMaxGroupItems; ++i)
    EXPECT_TRUE(lists.addFavourite(numbered("F", i).c_str()));
  EXPECT_FALSE(lists.addFavourite("One too many"));
  lists.removeFavourite("A");
  EXPECT_FALSE(lists.isFavourite("A"));
  EXPECT_EQ(kMaxGroupItems - 1, lists.favourites().itemCount);
  EXPECT_STREQ("F1", lists.favourites().items[0]);
}

TEST(PersonalLists, StoredAsTwoGroupsAndRereadWithoutUninstalledEffects) {
  TempFolder folder;
  const std::string path = folder.file("lists.org");
  PersonalLists lists;
  lists.addFavourite("Kept");
  lists.addFavourite("Gone");
  lists.noteUsed("Gone");
  ASSERT_TRUE(lists.save(path.c_str()));

  EffectGroupList stored;
  ASSERT_EQ(1, stored.loadFromPath(path.c_str()));
  ASSERT_EQ(2, stored.groupCount());
  EXPECT_STREQ("Favourites", stored.group(0)->groupName);
  EXPECT_STREQ("Recently Used", stored.group(1)->groupName);

  PersonalLists reread;
  reread.load(path.c_str());
  EXPECT_EQ((std::vector<std::string>{"Kept", "Gone"}), names(reread.favourites()));
  reread.keepOnly([](const char* name) { return std::string(name) != "Gone"; });
  EXPECT_EQ((std::vector<std::string>{"Kept"}), names(reread.favourites()));
  EXPECT_EQ(0, reread.recent().itemCount);

  PersonalLists none;
  none.load(folder.file("absent.org").c_str());
  EXPECT_EQ(0, none.favourites().itemCount + none.recent().itemCount);
}

#ifndef _WIN32
TEST(PersonalLists, LiveInTheUsersConfigurationFolder) {
  TempFolder folder;
  const char* previous = std::getenv("XDG_CONFIG_HOME");
  const std::string kept = previous ? previous : "";
  setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
  const std::string path = personalListsPath();
  PersonalLists lists;
  lists.addFavourite("A");
  const bool saved = lists.save(path.c_str());
  if (previous)
    setenv("XDG_CONFIG_HOME", kept.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(folder.file("vantaro/Effect Lists.org"), path);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(fileExists(path.c_str()));
}
#endif

}  // namespace
}  // namespace vta
