#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "scratch_installation.h"
#include "model/files/envelope_target.h"

namespace vta {
namespace {

EnvelopeComponent* envelopeWithId(uint16_t id, uint16_t owner = 0, uint16_t parameter = 0) {
  auto* envelope = makeComponent<EnvelopeComponent>(id, 0.0f, 1.0f, owner, 0);
  envelope->parameterIndex = parameter;
  return envelope;
}

TEST(NewEnvelopeId, OneAboveTheHighestNeverATakenOneAndNoneWhenAllAreTaken) {
  ComponentList envelopes;
  EXPECT_EQ(40001, newEnvelopeId(envelopes));
  envelopes.append(envelopeWithId(40002));
  envelopes.append(envelopeWithId(40001));  // lists come in any order
  EXPECT_EQ(40003, newEnvelopeId(envelopes));
  envelopes.append(envelopeWithId(40005));
  envelopes.append(envelopeWithId(12));
  EXPECT_EQ(40006, newEnvelopeId(envelopes));
  envelopes.append(envelopeWithId(65535));
  EXPECT_EQ(40003, newEnvelopeId(envelopes)) << "past 65535: the lowest free one";

  ComponentList full;
  for (uint32_t id = 40001; id <= 65535; ++id)
    full.append(envelopeWithId(static_cast<uint16_t>(id)));
  EXPECT_EQ(0, newEnvelopeId(full));
}

class FindOrAddEnvelope : public ::testing::Test {
 protected:
  Installation install;
  EffectSettings record;
};

TEST_F(FindOrAddEnvelope, FindsTheRecordsOwnOrAddsANewKeylessOne) {
  EnvelopeComponent* own = envelopeWithId(40001, 0, VTA_SHADOWS);
  record.description.lists[kEnvelopes].append(own);
  EnvelopeTarget found = findOrAddEnvelope(record, 0, VTA_SHADOWS);
  EXPECT_EQ(own, found.envelope);
  EXPECT_FALSE(found.added);

  EnvelopeTarget added = findOrAddEnvelope(record, 0, VTA_LIGHTING);
  ASSERT_NE(nullptr, added.envelope);
  EXPECT_TRUE(added.added);
  EXPECT_EQ(40002, added.envelope->id);
  EXPECT_EQ(VTA_LIGHTING, added.envelope->parameterIndex);
  EXPECT_EQ(0u, added.envelope->keyCount);
  EXPECT_EQ(2u, record.description.lists[kEnvelopes].count);
}

TEST_F(FindOrAddEnvelope, AnObjectsEnvelopeIsCopiedFromTheEffect) {
  EnvelopeComponent* morph = envelopeWithId(7, 3, 1);
  morph->insertKey({0.0f, 2.0f, 0, 0, 0, 0, 0});
  morph->insertKey({1.0f, 5.0f, 0, 0, 0, 0, 0});
  uint32_t tag = 0, length = 0;
  uint8_t* payload = nullptr;
  ASSERT_EQ(1, morph->writeChunk(&tag, &length, &payload));
  install.write(
      "Effects/Morpher.VTA",
      ChunkBytes("VTAE").chunk("ENV0", std::string(reinterpret_cast<char*>(payload), length)));
  release(payload);
  std::strcpy(record.effectName, "Morpher");

  EnvelopeTarget copied = findOrAddEnvelope(record, 3, 1);
  ASSERT_NE(nullptr, copied.envelope);
  EXPECT_TRUE(copied.added);
  EXPECT_EQ(0, copied.envelope->compare(morph)) << "the effect's own keys, id and owner";
  EXPECT_EQ(copied.envelope, record.description.lists[kEnvelopes].head);
  morph->destroy(true);
}

}  // namespace
}  // namespace vta
