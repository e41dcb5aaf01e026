#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "component_test_support.h"
#include "model/components/component_arrays.h"
#include "model/components/warp.h"
#include "platform/settings_store.h"
#include "settings_sandbox.h"
#include "temp_folder.h"

namespace vta::test {
namespace {

using EntryFunction = int (*)();

// Every warp test runs with private settings, as reading a warp looks for
// its plug-in in the installation folder.
class Warp : public ::testing::Test {
 protected:
  static Owned<WarpComponent> patternedWarp(const char* name = "Ripple") {
    auto warp = make<WarpComponent>();
    std::strcpy(warp->warpName, name);
    warp->warpAmount = 0.5f;
    warp->valueCount = 3;
    warp->values = allocateArray<float>(3);
    warp->values[0] = 1.0f;
    warp->values[1] = -2.0f;
    warp->values[2] = 3.5f;
    return warp;
  }

  SettingsSandbox sandbox;
};

TEST_F(Warp, PayloadHoldsNameAmountAndValuesAndRoundTrips) {
  auto warp = patternedWarp();
  Payload payload(*warp);
  ASSERT_EQ(payload.result, 1);
  EXPECT_EQ(payload.tag, WarpComponent::kTag);
  ASSERT_EQ(payload.length, 65u + 4 * 3);
  EXPECT_TRUE(payload.bytesAt(16, "Ripple", 7));
  for (size_t i = 16 + 7; i < 57; ++i) ASSERT_EQ(payload.data[i], 0) << i;
  EXPECT_EQ(payload.f32(57), 0.5f);
  EXPECT_EQ(payload.u32(61), 3u);
  EXPECT_EQ(payload.f32(65), 1.0f);
  EXPECT_EQ(payload.f32(73), 3.5f);
  expectRoundTrip(*warp);
  auto cloned = expectCloneWritesTheSame(*warp);
  ASSERT_TRUE(cloned);
  EXPECT_NE(cloned->values, warp->values);
}

// Without an installation folder the warp loads without its entries.
TEST_F(Warp, NameWithoutNulIsCutToFortyCharactersAndParametersSetAmountOrValues) {
  Payload payload(*patternedWarp());
  std::vector<uint8_t> bytes = payload.bytes();
  std::memset(bytes.data() + 16, 'W', 41);
  auto copy = readBack<WarpComponent>(WarpComponent::kTag, bytes);
  ASSERT_TRUE(copy);
  EXPECT_EQ(std::string(copy->warpName), std::string(40, 'W'));
  EXPECT_EQ(copy->warpAmount, 0.5f);
  EXPECT_EQ(copy->warpEntry, nullptr);
  EXPECT_EQ(copy->warpSetEntry, nullptr);
  EXPECT_EQ(copy->warpCallbackEntry, nullptr);

  auto warp = patternedWarp();
  warp->setParameter(0, 0.125f);
  EXPECT_EQ(warp->warpAmount, 0.125f);
  warp->setParameter(2, 9.0f);
  EXPECT_EQ(warp->values[2], 9.0f);
  warp->setParameter(1, 8.0f);
  EXPECT_EQ(warp->values[1], 8.0f);
  EXPECT_EQ(warp->values[0], 1.0f);
  warp->setParameter(3, 7.0f);  // past the last value: ignored
  EXPECT_EQ(warp->warpAmount, 0.125f);
  EXPECT_EQ(warp->values[2], 9.0f);
}

TEST_F(Warp, CompareSeesNameAmountCountAndEachValue) {
  auto warp = patternedWarp();
  auto other = test::cloneOf(*warp);
  other->warpName[30] = 'x';  // after the NUL
  EXPECT_EQ(warp->compare(other.get()), 0);

  expectEachChangeSeen(
      *warp, [](auto& w) { w.warpName[0] = 'r'; }, [](auto& w) { w.warpAmount = 0.0f; },
      [](auto& w) { w.valueCount = 2; }, [](auto& w) { w.values[0] = 0.0f; },
      [](auto& w) { w.values[2] = 0.0f; });
}

TEST_F(Warp, TruncatedPayloadsAndValueCountsBeyondThemAreRefusedAndChangeNothing) {
  auto warp = patternedWarp();
  Payload payload(*warp);
  auto target = test::cloneOf(*warp);
  for (uint32_t length = 0; length < payload.length; ++length) {
    ASSERT_EQ(target->readChunk(WarpComponent::kTag, length, payload.data), 0) << length;
  }
  std::vector<uint8_t> bytes = payload.bytes();
  bytes[61] = 4;  // three values are present
  EXPECT_EQ(
      target->readChunk(WarpComponent::kTag, static_cast<uint32_t>(bytes.size()), bytes.data()), 0);
  bytes[61] = 0xFF;
  bytes[64] = 0x3F;
  EXPECT_EQ(readBack<WarpComponent>(WarpComponent::kTag, bytes), nullptr);
  EXPECT_EQ(target->compare(warp.get()), 0);
}

// The test plug-in, copied to WARPS/<name>.WRP of a temporary installation
// folder named by the "Path" setting.
class WarpPlugin : public Warp {
 protected:
  void SetUp() override {
    std::ifstream in(VTA_TEST_WARP_PLUGIN, std::ios::binary);
    std::string module(std::istreambuf_iterator<char>(in), {});
    ASSERT_FALSE(module.empty()) << VTA_TEST_WARP_PLUGIN;
    install.write("WARPS/TestWarp.WRP", module);
    ASSERT_EQ(writeRegistryString("Path", install.path().c_str()), 1);
  }

  TempFolder install;
};

TEST_F(WarpPlugin, LoadsPluginFromWarpsOnlyAndFindsItsEntriesUntilAnotherNameIsRead) {
  Payload payload(*patternedWarp("TestWarp"));
  auto warp = readBack<WarpComponent>(payload);
  ASSERT_TRUE(warp);
  ASSERT_NE(warp->warpEntry, nullptr);
  ASSERT_NE(warp->warpSetEntry, nullptr);
  EXPECT_EQ(warp->warpCallbackEntry, nullptr);
  EXPECT_EQ(reinterpret_cast<EntryFunction>(warp->warpEntry)(), 1);
  EXPECT_EQ(reinterpret_cast<EntryFunction>(warp->warpSetEntry)(), 2);

  auto cloned = test::cloneOf(*warp);
  ASSERT_TRUE(cloned);
  EXPECT_EQ(cloned->warpEntry, nullptr);
  EXPECT_EQ(cloned->warpSetEntry, nullptr);
  EXPECT_EQ(cloned->compare(warp.get()), 0);

  Payload missing(*patternedWarp("NoSuchWarp"));
  ASSERT_EQ(warp->readChunk(missing.tag, missing.length, missing.data), 1);
  EXPECT_STREQ(warp->warpName, "NoSuchWarp");
  EXPECT_EQ(warp->warpEntry, nullptr);
  EXPECT_EQ(warp->warpSetEntry, nullptr);

  // A name that climbs out of WARPS loads nothing.
  std::ifstream in(VTA_TEST_WARP_PLUGIN, std::ios::binary);
  install.write("Outside.WRP", std::string(std::istreambuf_iterator<char>(in), {}));
  for (const char* name : {"../Outside", "..\\Outside", "..", "WARPS/../TestWarp"}) {
    Payload climbing(*patternedWarp(name));
    auto outside = readBack<WarpComponent>(climbing);
    ASSERT_TRUE(outside) << name;
    EXPECT_EQ(outside->warpEntry, nullptr) << name;
    EXPECT_EQ(outside->warpSetEntry, nullptr) << name;
  }
}

}  // namespace
}  // namespace vta::test
