#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "json.h"
#include "json_access.h"
#include "tool_files.h"

namespace vtafx {
namespace {

std::string parseError(const std::string& text) {
  Json out;
  std::string error;
  EXPECT_FALSE(parseJson(text, out, error)) << text;
  return error;
}

uint32_t bitsOf(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

TEST(Json, DocumentsSurviveWritingAndReadingWithBytesAndEscapes) {
  Json doc = Json::object();
  doc.add("text", Json::string(std::string("a\"b\\c\n\x01\xe9", 7)))
      .add("list", Json::array().push(jsonUint(1)).push(Json()).push(Json::boolean(false)))
      .add("nested", Json::object().add("x", Json::array()));
  const Json back = parsedJson(writeJson(doc));
  EXPECT_EQ(std::string("a\"b\\c\n\x01\xe9", 7), back.find("text")->text());
  ASSERT_EQ(3u, back.find("list")->items().size());
  EXPECT_TRUE(back.find("list")->items()[1].isNull());
  EXPECT_EQ(writeJson(doc), writeJson(back));
}

TEST(Json, MalformedDocumentsAreRefusedWithTheirOffset) {
  EXPECT_NE(std::string::npos, parseError("{\"a\": 1,}").find("at byte 8"));
  parseError("[1 2]");
  parseError("\"unterminated");
  parseError("\"\\u0100\"");  // strings hold bytes only
  parseError("01x");
  parseError("-");
  parseError("{} {}");
  parseError("");
  parseError("[\"tab\there\"]");
}

TEST(Json, NestingDeeperThanTheLimitIsRefusedWithoutRecursingFurther) {
  const std::string deep(static_cast<size_t>(kMaxJsonDepth) + 2, '[');
  EXPECT_NE(std::string::npos, parseError(deep).find("nesting too deep"));
  const std::string ok = std::string(10, '[') + std::string(10, ']');
  parsedJson(ok);
}

TEST(JsonAccess, FloatsRoundTripBitForBitIncludingSpecialValues) {
  const float values[] = {0.1f,     -0.0f,         1e-45f,    3.4028235e38f,
                          0.3f * 7, std::nanf(""), -INFINITY, 123456789.0f};
  for (float v : values) {
    const Json text = parsedJson(writeJson(Json::array().push(jsonF32(v))));
    EXPECT_EQ(bitsOf(v), bitsOf(readF32(text.items()[0], "v"))) << writeJson(jsonF32(v));
  }
}

TEST(JsonAccess, PercentTimesAreMadeAsTheEditorsMakeThem) {
  EXPECT_EQ(bitsOf(35 * 0.01f), bitsOf(readTime(Json::string("35%"), "t")));
  EXPECT_THROW(readTime(Json::string("3.5%"), "t"), BuildError);
  EXPECT_THROW(readTime(Json::string("%"), "t"), BuildError);
}

TEST(JsonAccess, WholeNumbersAndHexAreCheckedAgainstTheirRange) {
  EXPECT_EQ(65535u, readUint(Json::number("65535"), "n", 0xFFFF));
  EXPECT_THROW(readUint(Json::number("65536"), "n", 0xFFFF), BuildError);
  EXPECT_THROW(readUint(Json::number("-1"), "n"), BuildError);
  EXPECT_THROW(readUint(Json::number("1.5"), "n"), BuildError);
  EXPECT_THROW(readUint(Json::number("99999999999999999999999"), "n"), BuildError);
  EXPECT_EQ((std::vector<uint8_t>{0x0f, 0xa0}), readHex(Json::string("0fA0"), "h", 2));
  EXPECT_THROW(readHex(Json::string("0fa"), "h", 2), BuildError);
  EXPECT_THROW(readHex(Json::string("0fa011"), "h", 2), BuildError);
  EXPECT_THROW(readHex(Json::string("zz"), "h", 2), BuildError);
  EXPECT_THROW(readHex(Json::string("-1"), "h", 2), BuildError);
}

}  // namespace
}  // namespace vtafx
