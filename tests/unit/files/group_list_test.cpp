#include <gtest/gtest.h>

#include "scratch_installation.h"
#include "model/files/group_list.h"

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

  // Groups hold sixteen names of forty characters.
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

  // Foreign or broken files give zero.
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

}  // namespace
}  // namespace vta
