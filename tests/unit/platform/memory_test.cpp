#include "platform/memory.h"

#include <cstring>

#include <gtest/gtest.h>

namespace vta {
namespace {

TEST(AllocateAndCompareBytes, ZeroFilledDistinctBlocksAndUnsignedComparesClampedToOne) {
  auto* block = static_cast<unsigned char*>(allocate(4096));
  ASSERT_NE(block, nullptr);
  for (size_t i = 0; i < 4096; ++i) {
    ASSERT_EQ(block[i], 0) << "at " << i;
  }
  release(block);

  auto* a = static_cast<unsigned char*>(allocate(0));
  auto* b = static_cast<unsigned char*>(allocate(0));
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  EXPECT_EQ(a[0], 0);
  a[0] = 1;  // the one byte is really ours
  release(a);
  release(b);
  release(nullptr);

  const unsigned char low[] = {0x10, 0x7F};
  const unsigned char high[] = {0x10, 0x80};
  EXPECT_EQ(compareBytes(low, high, 2), -1);
  EXPECT_EQ(compareBytes(high, low, 2), 1);
  EXPECT_EQ(compareBytes(low, low, 2), 0);
  EXPECT_EQ(compareBytes("z", "a", 1), 1);
  EXPECT_EQ(compareBytes("a", "z", 1), -1);
  EXPECT_EQ(compareBytes("abX", "abY", 2), 0);
  EXPECT_EQ(compareBytes("a\0X", "a\0Y", 3), -1) << "a NUL does not stop it";
  EXPECT_EQ(compareBytes(nullptr, "a", 1), 0);
  EXPECT_EQ(compareBytes("a", nullptr, 1), 0);
  EXPECT_EQ(compareBytes("a", "b", 0), 0);
}

TEST(CopiesAndFills, BytesForwardEvenOverlappingStringsWithTheirTerminatorNothingWithNull) {
  char to[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(copyBytes(to, "abc", 3), to);
  EXPECT_EQ(std::memcmp(to, "abcx", 4), 0);
  char higher[] = "abcdef";
  copyBytes(higher + 1, higher, 4);
  EXPECT_STREQ(higher, "aaaaaf") << "overlap to a higher address repeats the leading bytes";
  char lower[] = "abcdef";
  copyBytes(lower, lower + 2, 4);
  EXPECT_STREQ(lower, "cdefef");
  EXPECT_EQ(copyBytes(to, nullptr, 2), nullptr);
  EXPECT_EQ(copyBytes(nullptr, "ab", 2), nullptr);
  EXPECT_EQ(copyBytes(to, "xy", 0), nullptr);
  EXPECT_EQ(to[0], 'a');

  unsigned char bytes[4] = {};  // filled with the low byte of the value
  EXPECT_EQ(fillBytes(bytes, 0x1AB, 3), bytes);
  EXPECT_EQ(bytes[0], 0xAB);
  EXPECT_EQ(bytes[2], 0xAB);
  EXPECT_EQ(bytes[3], 0);
  EXPECT_EQ(fillBytes(nullptr, 1, 3), nullptr);
  EXPECT_EQ(fillBytes(bytes, 1, 0), nullptr);
  EXPECT_EQ(bytes[0], 0xAB);

  char text[8];
  std::memset(text, 'x', sizeof text);
  EXPECT_EQ(copyString(text, "ab"), text);
  EXPECT_EQ(std::memcmp(text, "ab\0xxxxx", 8), 0);
  EXPECT_EQ(copyString(text, nullptr), nullptr);
  EXPECT_EQ(copyString(nullptr, "abc"), nullptr);
  EXPECT_EQ(appendString(text, "cd"), text);
  EXPECT_EQ(appendString(text, ""), text);
  EXPECT_STREQ(text, "abcd");
  EXPECT_EQ(appendString(text, nullptr), nullptr);
  EXPECT_EQ(appendString(nullptr, "x"), nullptr);
  EXPECT_STREQ(text, "abcd");

  // Strings order by signed bytes, clamped; lengths count up to the NUL.
  EXPECT_EQ(compareStrings("abc", "abc"), 0);
  EXPECT_EQ(compareStrings("abc", "abd"), -1);
  EXPECT_EQ(compareStrings("b", "a"), 1);
  EXPECT_EQ(compareStrings("a", "z"), -1);
  EXPECT_EQ(compareStrings("ab", "abc"), -1);
  EXPECT_EQ(compareStrings("abc", "ab"), 1);
  // Signed bytes: 0x80 is -128, below 'A'; the byte compare says the reverse.
  const char high[] = {'\x80', '\0'};
  EXPECT_EQ(compareStrings(high, "A"), -1);
  EXPECT_EQ(compareStrings("A", high), 1);
  EXPECT_EQ(compareBytes(high, "A", 1), 1);
  EXPECT_EQ(compareStrings(nullptr, "a"), 0);
  EXPECT_EQ(compareStrings("a", nullptr), 0);
  EXPECT_EQ(stringLength("abc"), 3u);
  EXPECT_EQ(stringLength(""), 0u);
  EXPECT_EQ(stringLength("ab\0cd"), 2u);
  EXPECT_EQ(stringLength(nullptr), 0u);
}

}  // namespace
}  // namespace vta
