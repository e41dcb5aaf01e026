// The settings record and its description: compare, copy, ownership, the
// parameter index, and the layout hosts and plug-ins rely on; the texture
// images a description holds: row layout, pixel ownership and copies.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <utility>

#include "model/components/envelope.h"
#include "model/effect_settings.h"
#include "model/owned_text.h"
#include "model/texture_image.h"
#include "platform/byte_order.h"

namespace vta::test {
namespace {

// A minimal component kind for testing lists and records independently of
// the real kinds: one value that takes part in compare.
class TestComponent final : public EffectComponent {
 public:
  static constexpr uint32_t kTag = fourCC("TST0");

  TestComponent(uint16_t id, uint16_t linkId = 0, uint16_t parentId = 0, int value = 0)
      : EffectComponent(id, 0.0f, 1.0f, linkId, parentId), value(value) {}

  void destroy(bool freeSelf) override {
    ++destroyed;
    destroyComponent(this, freeSelf);
  }
  EffectComponent* clone() const override {
    return makeComponent<TestComponent>(id, linkId, parentId, value);
  }
  int readChunk(uint32_t, uint32_t, const uint8_t*) override { return 0; }
  int writeChunk(uint32_t* tag, uint32_t* length, uint8_t** payload) const override {
    *tag = kTag;
    *length = kComponentHeaderSize;
    *payload = newPayload(kComponentHeaderSize);
    return *payload ? 1 : 0;
  }
  int compare(const EffectComponent* other) const override {
    if (EffectComponent::compare(other)) return 1;
    return static_cast<const TestComponent*>(other)->value != value;
  }

  int value;
  static inline int destroyed = 0;
};

inline TestComponent* makeTest(uint16_t id, uint16_t linkId = 0, uint16_t parentId = 0,
                               int value = 0) {
  return makeComponent<TestComponent>(id, linkId, parentId, value);
}

TEST(RecordParameters, IndexesNameTheRealAtItsOffsetAndEveryRealCountsInCompare) {
  EffectSettings record;
  auto offsetOf = [&](int index) {
    return reinterpret_cast<char*>(record.parameter(index)) - reinterpret_cast<char*>(&record);
  };
  const std::pair<int, ptrdiff_t> offsets[] = {
      {0, 44}, {29, 160}, {100, 164}, {507, 164 + 40 * 4 + 4 * 7}, {2009, 960}};
  for (const auto& [index, offset] : offsets) EXPECT_EQ(offset, offsetOf(index)) << index;
  for (int index : {30, 99, 110, 2100, -1}) EXPECT_EQ(nullptr, record.parameter(index)) << index;

  EffectSettings a, b;
  EXPECT_EQ(0, a.differs(b));
  for (int index : {0, 9, 29, 100, 104, 1005, 2009}) {
    *b.parameter(index) = 0.5f;
    EXPECT_EQ(1, a.differs(b)) << "parameter " << index;
    *b.parameter(index) = 0.0f;
  }
  std::strcpy(b.effectName, "Spin");
  EXPECT_EQ(1, a.differs(b));
  // A name without its terminator is compared within its field only.
  std::memset(a.effectName, 'x', sizeof a.effectName);
  std::memset(b.effectName, 'x', sizeof b.effectName);
  a.padding[0] = 1;
  EXPECT_EQ(0, a.differs(b));
}

TEST(RecordCompare, NegativeZeroEqualsZeroAndARecordHoldingNaNEqualsItsCopy) {
  EffectSettings a, b;
  *b.parameter(3) = -0.0f;
  EXPECT_EQ(0, a.differs(b));
  *a.parameter(3) = *b.parameter(3) = __builtin_nanf("");
  *a.parameter(1005) = *b.parameter(1005) = -__builtin_nanf("");
  EXPECT_EQ(0, a.differs(b));
  EffectSettings copy;
  copy.copyFrom(a);
  EXPECT_EQ(0, copy.differs(a));
  *b.parameter(3) = 0.0f;
  EXPECT_EQ(1, a.differs(b));
}

TEST(RecordCompare, TextsDoNotCountButComponentsDo) {
  EffectSettings a, b;
  b.description.setVariantText(0, "ignored");
  replaceText(b.description.title, "Other title");
  EXPECT_EQ(0, a.differs(b));

  b.description.lists[kEnvelopes].append(makeTest(7));
  EXPECT_EQ(1, a.differs(b));
  a.description.lists[kEnvelopes].append(makeTest(7, 0, 0, 1));
  EXPECT_EQ(1, a.differs(b)) << "a changed component";
  static_cast<TestComponent*>(a.description.lists[kEnvelopes].head)->value = 0;
  EXPECT_EQ(0, a.differs(b));
  b.description.allowFlags = 1;
  EXPECT_EQ(1, a.differs(b));
}

TEST(RecordCopy, IsDeepAndEqual) {
  auto* source = new EffectSettings;
  std::strcpy(source->effectName, "Page Turn");
  *source->parameter(1005) = 3.0f;
  source->description.resetVariants(2);
  source->description.setVariantText(1, "Second");
  source->description.lists[kObjects].append(makeTest(1));
  source->description.lists[kObjects].append(makeTest(2, 0, 1));
  source->description.lists[kEnvelopes].append(makeTest(3, 2));

  EffectSettings copy;
  copy.copyFrom(*source);
  EXPECT_EQ(0, copy.differs(*source));
  EXPECT_NE(source->description.lists[kObjects].head, copy.description.lists[kObjects].head);
  delete source;

  char text[16];
  copy.description.getVariantText(1, text, sizeof text);
  EXPECT_STREQ("Second", text);
  EffectComponent* child = copy.description.lists[kObjects].at(1);
  EXPECT_EQ(copy.description.lists[kObjects].head, child->parent) << "links resolved in the copy";
  EXPECT_EQ(child, copy.description.lists[kEnvelopes].head->link);
}

TEST(DescriptionCopy, ReleasesTextsTheSourceLacksAndCopiesTexturesIndependently) {
  EffectDescription source, target;
  replaceText(target.title, "Old title");
  replaceText(target.text, "Old text");
  replaceText(target.reservedText, "Old reserved");
  target.textures = static_cast<TextureImage**>(allocate(sizeof(TextureImage*)));
  target.textures[0] = newTextureImage();
  target.textureCount = 1;

  source.textures = static_cast<TextureImage**>(allocate(2 * sizeof(TextureImage*)));
  source.textureCount = 2;
  for (int i = 0; i < 2; ++i) {
    source.textures[i] = newTextureImage();
    ASSERT_TRUE(source.textures[i]->describeBgr24(2, 1, 4));
    const uint8_t pixels[8] = {1, 2, 3, 4, 5, 6, 0, 0};
    ASSERT_TRUE(source.textures[i]->takePixels(pixels, sizeof pixels));
  }
  target.copyFrom(source);
  EXPECT_EQ(nullptr, target.title);
  EXPECT_EQ(nullptr, target.text);
  EXPECT_EQ(nullptr, target.reservedText);
  ASSERT_EQ(2u, target.textureCount);
  EXPECT_NE(source.textures[1]->pixels, target.textures[1]->pixels);
  EXPECT_EQ(0, std::memcmp(source.textures[1]->pixels, target.textures[1]->pixels, 8));
}

TEST(DescriptionTexts, MissingTextsReadEmptyLongOnesAreCutAndClearReleasesThem) {
  EffectDescription description;
  description.resetVariants(3);
  description.setVariantText(0, "Left");
  char buffer[5] = "junk";
  description.getVariantText(5, buffer, sizeof buffer);
  EXPECT_STREQ("", buffer);
  description.getTitle(buffer, sizeof buffer);
  EXPECT_STREQ("", buffer);
  replaceText(description.text, "A long description");
  description.getText(buffer, sizeof buffer);
  EXPECT_STREQ("A lo", buffer);

  // Clear keeps the type, best moment and flags but releases the rest.
  description.effectType = 1;
  description.best = 40.0f;
  description.allowFlags = 1;
  replaceText(description.title, "T");
  description.lists[kCameras].append(makeTest(1));
  description.clear();
  EXPECT_EQ(1u, description.effectType);
  EXPECT_EQ(40.0f, description.best);
  EXPECT_EQ(1u, description.allowFlags);
  EXPECT_EQ(nullptr, description.title);
  EXPECT_EQ(0u, description.lists[kCameras].count);
}

TEST(ComponentLinks, RemovalClearsReferencesHeldByEveryListAndLaterListsWinForAnId) {
  EffectDescription description;
  TestComponent* object = makeTest(1);
  description.lists[kObjects].append(object);
  description.lists[kObjects].append(makeTest(2, 0, 1));  // child of 1
  description.lists[kEnvelopes].append(makeTest(3, 1));   // drives object 1
  description.lists[kSurfaces].append(makeTest(4, 2));    // on object 2, which stays
  description.resolveLinks();
  description.lists[kEnvelopes].head->attached = object;

  EXPECT_TRUE(description.removeComponent(kObjects, object));
  EffectComponent* child = description.lists[kObjects].head;
  EffectComponent* envelope = description.lists[kEnvelopes].head;
  EXPECT_EQ(nullptr, child->parent);
  EXPECT_EQ(0, child->parentId);
  EXPECT_EQ(nullptr, envelope->link);
  EXPECT_EQ(0, envelope->linkId);
  EXPECT_EQ(nullptr, envelope->attached);
  EXPECT_EQ(child, description.lists[kSurfaces].head->link);
  EXPECT_FALSE(description.removeComponent(kObjects, envelope)) << "not a member of that list";

  description.lists[kCameras].append(makeTest(5));
  description.lists[kWarps].append(makeTest(5));
  description.lists[kEnvelopes].append(makeTest(9, 5));
  description.resolveLinks();
  EXPECT_EQ(description.lists[kWarps].head, description.lists[kEnvelopes].at(1)->link);
}

TEST(ComponentList, PositionsCopiesEqualityAndEnvelopesFoundByOwnerAndParameter) {
  ComponentList list, other;
  for (uint16_t id = 1; id <= 3; ++id) list.append(makeTest(id));
  EXPECT_EQ(3, list.at(2)->id);
  EXPECT_EQ(nullptr, list.at(3));
  EXPECT_EQ(nullptr, list.at(-1));
  EXPECT_EQ(2, list.findById(2)->id);
  EXPECT_EQ(nullptr, list.findById(4));

  other.copyList(list);
  EXPECT_TRUE(other.equals(list));
  static_cast<TestComponent*>(other.at(1))->value = 9;
  EXPECT_FALSE(other.equals(list));
  other.append(makeTest(4));
  EXPECT_FALSE(other.equals(list));

  const int before = TestComponent::destroyed;
  other.clear();
  EXPECT_EQ(4, TestComponent::destroyed - before);
  EXPECT_EQ(nullptr, other.head);

  EffectDescription description;
  auto addEnvelope = [&](uint16_t id, uint16_t owner, uint16_t parameter) {
    auto* envelope = makeComponent<EnvelopeComponent>(id, 0.0f, 1.0f, owner, 0);
    envelope->parameterIndex = parameter;
    description.lists[kEnvelopes].append(envelope);
    return envelope;
  };
  addEnvelope(1, 0, 7);
  EnvelopeComponent* morph = addEnvelope(2, 4, 1);
  EnvelopeComponent* blur = addEnvelope(3, 0, 1);
  addEnvelope(4, 0, 1);
  EXPECT_EQ(blur, description.findEnvelope(0, 1)) << "the first match";
  EXPECT_EQ(morph, description.findEnvelope(4, 1));
  EXPECT_EQ(nullptr, description.findEnvelope(4, 7));
}

TextureImage& sized(TextureImage& image, uint32_t rowPixels, uint8_t bytesPerPixel,
                    uint8_t rowAlign, uint32_t rowCount) {
  image.rowPixels = rowPixels;
  image.bytesPerPixel = bytesPerPixel;
  image.rowAlign = rowAlign;
  image.rowCount = rowCount;
  return image;
}

TEST(TextureRowLayout, RoundsRowsUpToTheAlignmentKeepsValuesForZeroAndRefusesHugeOnes) {
  TextureImage image;
  ASSERT_TRUE(sized(image, 3, 3, 4, 5).computeRowLayout());
  EXPECT_EQ(12u, image.rowBytes);
  EXPECT_EQ(60u, image.dataSize);
  ASSERT_TRUE(sized(image, 3, 3, 8, 5).computeRowLayout());
  EXPECT_EQ(16u, image.rowBytes);
  ASSERT_TRUE(sized(image, 3, 3, 3, 1).computeRowLayout());
  EXPECT_EQ(9u, image.rowBytes) << "alignment need not be a power of two";
  image.rowBytes = 7;
  image.dataSize = 70;
  ASSERT_TRUE(sized(image, 100, 4, 0, 100).computeRowLayout());
  EXPECT_EQ(7u, image.rowBytes);
  EXPECT_EQ(70u, image.dataSize);

  image.rowBytes = 1;
  EXPECT_FALSE(sized(image, 8193, 3, 4, 10).computeRowLayout());
  EXPECT_FALSE(sized(image, 10, 3, 4, 0xFFFFFFFFu).computeRowLayout());
  image.width = 9000;
  EXPECT_FALSE(sized(image, 10, 3, 4, 10).computeRowLayout());
  EXPECT_EQ(1u, image.rowBytes) << "a refused layout changes nothing";
  image.width = 8192;
  EXPECT_TRUE(sized(image, 8192, 4, 4, 8192).computeRowLayout());
  EXPECT_EQ(8192u * 4 * 8192, image.dataSize);
  EXPECT_FALSE(sized(image, 8192, 255, 255, 8192).computeRowLayout())
      << "more than 32 bits of pixel data";
}

TEST(TexturePixels, ShortDataLeavesTheImageWithoutPixelsAndClearKeepsBorrowedOnes) {
  TextureImage image;
  ASSERT_TRUE(sized(image, 2, 3, 4, 2).computeRowLayout());  // 16 bytes
  const uint8_t data[16] = {9};
  EXPECT_FALSE(image.takePixels(data, 15));
  EXPECT_EQ(nullptr, image.pixels);
  EXPECT_EQ(0u, image.ownsPixels);
  EXPECT_TRUE(image.takePixels(data, 16));
  EXPECT_EQ(9, image.pixels[0]);
  EXPECT_EQ(1u, image.ownsPixels);
  uint8_t borrowed[4] = {1, 2, 3, 4};
  image.clear();
  image.pixels = borrowed;  // not owned: a render target, say
  image.clear();
  EXPECT_EQ(nullptr, image.pixels);
  EXPECT_EQ(4, borrowed[3]) << "clear does not release borrowed pixels";
}

TEST(TextureCopy, IsIndependentAndComplete) {
  TextureImage source;
  source.setName("brick");
  source.format = 2;
  source.imageReals[3] = 0.25f;
  source.skipRows = 1;
  ASSERT_TRUE(sized(source, 1, 4, 4, 2).computeRowLayout());
  const uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  ASSERT_TRUE(source.takePixels(data, sizeof data));

  TextureImage copy;
  copy.copyFrom(source);
  EXPECT_STREQ("brick", copy.name);
  EXPECT_NE(source.name, copy.name);
  EXPECT_EQ(2, copy.format);
  EXPECT_EQ(0.25f, copy.imageReals[3]);
  EXPECT_EQ(1u, copy.skipRows);
  EXPECT_EQ(8u, copy.dataSize);
  ASSERT_NE(nullptr, copy.pixels);
  EXPECT_NE(source.pixels, copy.pixels);
  EXPECT_EQ(0, std::memcmp(data, copy.pixels, 8));

  source.clear();
  EXPECT_EQ(8, copy.pixels[7]);
}

}  // namespace
}  // namespace vta::test
