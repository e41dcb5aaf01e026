// Envelope "ENV0" payloads: layout, round trips, refusal of short payloads
// and completion of the end keys.
#include <gtest/gtest.h>

#include <cmath>

#include "curve_test_support.h"

namespace vta {
namespace {

constexpr uint32_t kEnv0 = 0x30564E45;  // bytes 'E' 'N' 'V' '0'

// A payload as the description lays it out: header, parameter, count, keys.
std::vector<uint8_t> craftPayload(uint16_t parameter, uint32_t count,
                                  std::initializer_list<EnvelopeKey> keys) {
  std::vector<uint8_t> bytes(22, 0);
  bytes[0] = 0x63;  // id 99, which readChunk must not take
  bytes[16] = static_cast<uint8_t>(parameter);
  bytes[17] = static_cast<uint8_t>(parameter >> 8);
  for (int i = 0; i < 4; ++i) bytes[18 + i] = static_cast<uint8_t>(count >> (8 * i));
  for (const EnvelopeKey& key : keys) {
    const auto* raw = reinterpret_cast<const uint8_t*>(&key);
    bytes.insert(bytes.end(), raw, raw + sizeof key);
  }
  return bytes;
}

int readInto(EnvelopeComponent& envelope, const std::vector<uint8_t>& bytes, uint32_t tag = kEnv0) {
  return envelope.readChunk(tag, static_cast<uint32_t>(bytes.size()), bytes.data());
}

TEST(EnvelopePayload, TwoKeysWriteSeventyBytesInTheDescribedLayout) {
  auto envelope = Owned<EnvelopeComponent>(
      makeComponent<EnvelopeComponent>(uint16_t{0x1234}, 0.25f, 0.75f, uint16_t{5}, uint16_t{6}));
  envelope->parameterIndex = 0x0102;
  envelope->insertKey(envKey(0.0f, 10, 0, 0.5f));
  envelope->insertKey(envKey(1.0f, 20, 1, 0, 0, -0.25f));
  Payload payload(*envelope);
  EXPECT_EQ(payload.tag, kEnv0);
  ASSERT_EQ(payload.length, 70u);
  EXPECT_EQ(payload.u16(0), 0x1234);
  EXPECT_EQ(payload.u16(2), 0);
  EXPECT_EQ(payload.f32(4), 0.25f);
  EXPECT_EQ(payload.f32(8), 0.75f);
  EXPECT_EQ(payload.u16(12), 5);
  EXPECT_EQ(payload.u16(14), 6);
  EXPECT_EQ(payload.u16(16), 0x0102);
  EXPECT_EQ(payload.u32(18), 2u);
  EXPECT_EQ(payload.f32(22 + 4), 10.0f);
  EXPECT_EQ(payload.f32(22 + 8), 0.5f);
  EXPECT_EQ(payload.f32(46 + 0), 1.0f);
  EXPECT_EQ(payload.f32(46 + 16), -0.25f);
  EXPECT_EQ(payload.u16(46 + 20), 1);
}

TEST(EnvelopePayload, RoundTripTakesKeysAndParameterButNotTheHeader) {
  auto source = envelopeWith({envKey(0.0f, 10), envKey(1.0f, 20, 1, 0.1f, 0.2f, 0.3f)});
  source->parameterIndex = 103;
  std::vector<uint8_t> bytes = payloadOf(*source);
  auto target = newEnvelope(55, 8);
  target->parameterIndex = 4;
  EXPECT_EQ(readInto(*target, bytes), 1);
  EXPECT_EQ(target->parameterIndex, 103);
  EXPECT_EQ(target->id, 55);
  EXPECT_EQ(target->linkId, 8);
  target->id = source->id;
  target->linkId = source->linkId;
  EXPECT_EQ(target->compare(source.get()), 0);
}

TEST(EnvelopePayload, MissingEndKeysAreCompletedAsStraightHoldsWhateverTheTag) {
  auto envelope = newEnvelope();
  ASSERT_EQ(readInto(*envelope, craftPayload(0, 2, {envKey(0.3f, 5), envKey(0.6f, 7)})), 1);
  ASSERT_EQ(envelope->keyCount, 4u);
  const EnvelopeKey* k = envelope->keys;
  EXPECT_EQ(k[0].time, 0.0f);
  EXPECT_EQ(k[0].value, 5.0f);
  EXPECT_EQ(k[0].linear, 1);
  EXPECT_EQ(k[1].time, 0.3f);
  EXPECT_EQ(k[1].linear, 0);
  EXPECT_EQ(k[2].time, 0.6f);
  EXPECT_EQ(k[3].time, 1.0f);
  EXPECT_EQ(k[3].value, 7.0f);
  EXPECT_EQ(k[3].linear, 1);
  EXPECT_EQ(envelope->evaluate(0.8f), 7.0f);  // holds the last value
  // Completion runs for other tags too and leaves empty envelopes empty.
  auto other = envelopeWith({envKey(0.5f, 3)});
  EXPECT_EQ(other->readChunk(0x30485450 /* PTH0 */, 0, nullptr), 0);
  ASSERT_EQ(other->keyCount, 3u);
  EXPECT_EQ(other->keys[0].time, 0.0f);
  EXPECT_EQ(other->keys[2].time, 1.0f);
  auto empty = newEnvelope();
  EXPECT_EQ(readInto(*empty, craftPayload(2, 0, {})), 1);
  EXPECT_EQ(empty->keyCount, 0u);
  EXPECT_EQ(empty->keys, nullptr);
  EXPECT_EQ(empty->parameterIndex, 2);
  std::vector<uint8_t> extra = craftPayload(1, 2, {envKey(0.0f, 5), envKey(1.0f, 6)});
  extra.resize(extra.size() + 10, 0xEE);
  EXPECT_EQ(readInto(*envelope, extra), 1);
  EXPECT_EQ(envelope->keyCount, 2u) << "bytes after the keys are ignored";
}

TEST(EnvelopePayload, ShortOrHostilePayloadsAreRefusedAndChangeNothing) {
  auto envelope = envelopeWith({envKey(0.0f, 1), envKey(1.0f, 2)});
  envelope->parameterIndex = 17;
  Owned<EffectComponent> before(envelope->clone());
  std::vector<uint8_t> full = craftPayload(9, 2, {envKey(0.0f, 5), envKey(1.0f, 6)});
  std::vector<uint8_t> oneShort(full.begin(), full.end() - 1);
  std::vector<uint8_t> hostile = craftPayload(9, 0xFFFFFFFFu, {envKey(0.0f, 5)});
  // 24 x this count wraps to 8 in 32 bits, and the payload has 8 key bytes.
  std::vector<uint8_t> overflowing = craftPayload(9, 0x0AAAAAABu, {});
  overflowing.resize(overflowing.size() + 8, 0);
  std::vector<uint8_t> noCount(full.begin(), full.begin() + 21);
  // Times end-key completion cannot frame: each load would add keys again.
  std::vector<uint8_t> backwards = craftPayload(9, 2, {envKey(0.5f, 5), envKey(0.25f, 6)});
  std::vector<uint8_t> pastTheEnd = craftPayload(9, 1, {envKey(2.0f, 5)});
  std::vector<uint8_t> notANumber = craftPayload(9, 1, {envKey(std::nanf(""), 5)});
  for (const auto* bytes :
       {&oneShort, &hostile, &overflowing, &noCount, &backwards, &pastTheEnd, &notANumber}) {
    EXPECT_EQ(readInto(*envelope, *bytes), 0);
    EXPECT_EQ(envelope->compare(before.get()), 0);
  }
  EXPECT_EQ(envelope->readChunk(kEnv0, 70, nullptr), 0);
  EXPECT_EQ(envelope->compare(before.get()), 0);
  EXPECT_EQ(readInto(*envelope, full), 1);
  EXPECT_EQ(envelope->parameterIndex, 9);
}

}  // namespace
}  // namespace vta
