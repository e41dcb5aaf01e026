// Envelope key editing and exact-time lookup.
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

  // Delete removes only a key of exactly that time.
  auto deleted = envelopeWith({envKey(0.0f, 1), envKey(0.5f, 2), envKey(1.0f, 3)});
  deleted->deleteKey(0.5001f);
  EXPECT_EQ(deleted->keyCount, 3u);
  deleted->deleteKey(0.5f);
  EXPECT_EQ(valuesOf(*deleted), (std::vector<float>{1, 3}));
  auto one = envelopeWith({envKey(0.5f, 2)});
  one->deleteKey(0.5f);
  EXPECT_EQ(one->keyCount, 0u);
  EXPECT_EQ(one->keys, nullptr);

  // Setting the count and a key stays inside the array.
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

}  // namespace
}  // namespace vta
