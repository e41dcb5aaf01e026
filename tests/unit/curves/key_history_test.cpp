// The edit history of a key array: undo, redo and what an edit after an undo
// leaves to redo.
#include "curves/key_history.h"

#include <gtest/gtest.h>

#include "curves/envelope_key.h"

namespace vta {
namespace {

using Keys = std::vector<EnvelopeKey>;

Keys keysWith(std::initializer_list<float> values) {
  Keys keys;
  for (float value : values)
    keys.push_back({static_cast<float>(keys.size()), value, 0, 0, 0, 0, 0});
  return keys;
}

float firstValue(const Keys* state) { return state && !state->empty() ? (*state)[0].value : -1; }

TEST(KeyHistory, UndoAndRedoWalkTheRecordedStatesAndAnEditAfterAnUndoDropsTheRest) {
  KeyHistory<EnvelopeKey> history;
  const Keys opening = keysWith({1, 5}), edited = keysWith({2, 5}), grown = keysWith({3, 5, 7});
  history.start(opening.data(), 2);
  EXPECT_FALSE(history.record(opening.data(), 2)) << "no change, no step";
  EXPECT_TRUE(history.record(edited.data(), 2));
  EXPECT_TRUE(history.record(grown.data(), 3));
  const Keys* back = history.undo();
  ASSERT_NE(nullptr, back);
  EXPECT_EQ(2u, back->size());
  EXPECT_EQ(2.0f, firstValue(back));
  EXPECT_EQ(1.0f, firstValue(history.undo()));
  EXPECT_EQ(nullptr, history.undo()) << "nothing before the opening";
  EXPECT_EQ(2.0f, firstValue(history.redo()));
  EXPECT_EQ(3u, history.redo()->size());
  EXPECT_EQ(nullptr, history.redo());

  // An edit after an undo drops what was undone.
  const Keys other = keysWith({4});
  history.undo();
  history.undo();
  EXPECT_TRUE(history.record(other.data(), 1));
  EXPECT_EQ(nullptr, history.redo());
  EXPECT_EQ(1.0f, firstValue(history.undo()));
  EXPECT_EQ(4.0f, firstValue(history.redo()));

  history.start(grown.data(), 3);
  EXPECT_EQ(nullptr, history.undo()) << "a new start forgets the old states";
  EXPECT_EQ(nullptr, history.redo());
}

}  // namespace
}  // namespace vta
