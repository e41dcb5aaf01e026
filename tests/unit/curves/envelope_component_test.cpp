// Envelopes: key editing and exact-time lookup, clone and compare, and their
// "ENV0" payloads (layout, round trips, refusal of short payloads and
// completion of the end keys).
#include <gtest/gtest.h>

#include <cmath>

#include "curve_test_support.h"
#include "curves/kb_spline.h"

namespace vta {
namespace {

std::vector<float> valuesOf(const EnvelopeComponent& envelope) {
  std::vector<float> values;
  for (uint32_t i = 0; i < envelope.keyCount; ++i) values.push_back(envelope.keys[i].value);
  return values;
}

TEST(EnvelopeKeys, InsertKeepsTimeOrderDeleteTakesAnExactTimeAndSetStaysInTheArray) {
  auto envelope = envelopeWith({envKey(0.0f, 1), envKey(0.5f, 2), envKey(1.0f, 3)});
  envelope->insertKey(envKey(0.5f, 9));
  EXPECT_EQ(valuesOf(*envelope), (std::vector<float>{1, 2, 9, 3}));
  envelope->insertKey(envKey(0.25f, 8));
  envelope->insertKey(envKey(2.0f, 7));
  envelope->insertKey(envKey(-1.0f, 6));
  EXPECT_EQ(valuesOf(*envelope), (std::vector<float>{6, 1, 8, 2, 9, 3, 7}));
  auto empty = newEnvelope();
  empty->insertKey(envKey(0.5f, 4));
  ASSERT_EQ(empty->keyCount, 1u);
  EXPECT_EQ(empty->keys[0].value, 4.0f);

  auto deleted = envelopeWith({envKey(0.0f, 1), envKey(0.5f, 2), envKey(1.0f, 3)});
  deleted->deleteKey(0.5001f);
  EXPECT_EQ(deleted->keyCount, 3u);
  deleted->deleteKey(0.5f);
  EXPECT_EQ(valuesOf(*deleted), (std::vector<float>{1, 3}));
  auto one = envelopeWith({envKey(0.5f, 2)});
  one->deleteKey(0.5f);
  EXPECT_EQ(one->keyCount, 0u);
  EXPECT_EQ(one->keys, nullptr);

  auto sized = newEnvelope();
  sized->setKeyCount(2);
  ASSERT_NE(sized->keys, nullptr);
  EXPECT_EQ(sized->keys[1].value, 0.0f);
  sized->setKey(1, envKey(1.0f, 5));
  sized->setKey(2, envKey(2.0f, 6));
  EXPECT_EQ(valuesOf(*sized), (std::vector<float>{0, 5}));
  sized->setKeyCount(0);
  EXPECT_EQ(sized->keyCount, 0u);
  EXPECT_EQ(sized->keys, nullptr);
}

TEST(EnvelopeKeys, FindComparesTimesExactly) {
  // Times are made as a 32-bit float product, written out here on its own.
  volatile float step = 0.01f;
  volatile float made = 35.0f * step;
  auto envelope =
      envelopeWith({envKey(0.0f, 1), envKey(made, 2), envKey(made, 4), envKey(1.0f, 3)});
  EnvelopeKey found{};
  ASSERT_EQ(envelope->findKey(keyTimeFromPercent(35), found), 1);
  EXPECT_EQ(found.value, 2.0f);  // the first of the two
  EXPECT_EQ(envelope->findKey(0.351f, found), 0);
  EXPECT_EQ(envelope->findKey(std::nextafter(static_cast<float>(made), 1.0f), found), 0);
}

TEST(KeyTime, IsTheFloatProductOfThePercentAndOneHundredth) {
  int differing = 0;
  for (int n = 0; n <= 100; ++n) {
    volatile float step = 0.01f;
    volatile float product = static_cast<float>(n) * step;
    EXPECT_EQ(keyTimeFromPercent(n), product) << n;
    differing += keyTimeFromPercent(n) != static_cast<float>(n / 100.0) ? 1 : 0;
  }
  // The product is not always the float nearest n / 100, which is why every
  // producer must use the same computation.
  EXPECT_GT(differing, 0);
}

TEST(EnvelopeClone, CopiesEverythingAndCopyFromTheKeysAndParameter) {
  auto envelope = newEnvelope(12, 4);
  envelope->parameterIndex = 101;
  envelope->insertKey(envKey(0.0f, 1, 0, 0.5f, -0.5f, 0.25f));
  envelope->insertKey(envKey(1.0f, 2, 1));
  Owned<EffectComponent> copy(envelope->clone());
  ASSERT_NE(copy, nullptr);
  auto* twin = static_cast<EnvelopeComponent*>(copy.get());
  EXPECT_EQ(twin->id, 12);
  EXPECT_EQ(twin->linkId, 4);
  EXPECT_EQ(twin->parameterIndex, 101);
  EXPECT_NE(twin->keys, envelope->keys);
  EXPECT_EQ(envelope->compare(twin), 0);
  EXPECT_EQ(twin->compare(envelope.get()), 0);
  // copyFrom takes the parameter and keys but not the base fields.
  auto target = newEnvelope(30, 5);
  target->insertKey(envKey(0.5f, 9));
  target->copyFrom(*envelope);
  EXPECT_EQ(target->id, 30);
  EXPECT_EQ(target->linkId, 5);
  EXPECT_EQ(target->parameterIndex, 101);
  EXPECT_EQ(valuesOf(*target), (std::vector<float>{1, 2}));
}

TEST(EnvelopeCompare, SeesEveryComparedFieldButNotTheReservedBytes) {
  auto envelope = envelopeWith({envKey(0.0f, 1), envKey(1.0f, 2)});
  auto check = [&](auto change, int expected) {
    Owned<EffectComponent> copy(envelope->clone());
    change(*static_cast<EnvelopeComponent*>(copy.get()));
    EXPECT_EQ(envelope->compare(copy.get()), expected);
  };
  check([](EnvelopeComponent& e) { e.keys[1].bias = 0.5f; }, 1);
  check([](EnvelopeComponent& e) { e.keys[0].tension = 0.5f; }, 1);
  check([](EnvelopeComponent& e) { e.keys[0].continuity = 0.5f; }, 1);
  check([](EnvelopeComponent& e) { e.keys[1].value = 3; }, 1);
  check([](EnvelopeComponent& e) { e.keys[1].time = 0.9f; }, 1);
  check([](EnvelopeComponent& e) { e.keys[1].linear = 1; }, 1);
  check([](EnvelopeComponent& e) { e.parameterIndex = 3; }, 1);
  check([](EnvelopeComponent& e) { e.spanEnd = 0.5f; }, 1);
  check([](EnvelopeComponent& e) { e.insertKey(envKey(0.5f, 1)); }, 1);
  check([](EnvelopeComponent& e) { e.keys[0].reserved = 7; }, 0);
  EXPECT_EQ(envelope->compare(nullptr), 1);
  auto path = newPath(envelope->id, envelope->linkId);
  path->spanStart = envelope->spanStart;
  path->spanEnd = envelope->spanEnd;
  path->parentId = envelope->parentId;
  EXPECT_EQ(envelope->compare(path.get()), 1);
}

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
