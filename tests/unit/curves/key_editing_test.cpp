// The keyframe editors' decisions that need no window: the key at the
// slider, where Next and Previous go, snapping, which loaded keys an editor
// takes, what a press on the envelope graph does when memory runs out, and
// the edit history behind undo and redo.
#include "curves/key_editing.h"

#include <gtest/gtest.h>

#include <vector>

#include "curve_test_support.h"
#include "curves/kb_spline.h"
#include "curves/key_history.h"

namespace vta {
namespace {

TEST(SliderKeys, TheKeyShownIsNoNeighbourAPercentAwayAndNextAndPreviousAlwaysMove) {
  for (int percent = 0; percent < 100; ++percent) {
    const float here = keyTimeFromPercent(percent), next = keyTimeFromPercent(percent + 1);
    auto path = newPath();
    path->insertKey(pathKey(here, 1));
    EXPECT_EQ(0, path->keyIndexAt(here)) << percent;
    EXPECT_EQ(-1, path->keyIndexAt(next)) << "a path key at " << percent << "% seen from 1% on";
    auto envelope = envelopeWith({envKey(here, 1)});
    EXPECT_EQ(-1, envelope->keyIndexAt(next)) << percent;
  }
  auto path = newPath();
  path->insertKey(pathKey(0.503f, 1));
  EXPECT_EQ(0, path->keyIndexAt(keyTimeFromPercent(50))) << "path keys within 0.005";
  EXPECT_TRUE(path->storeKey(pathKey(keyTimeFromPercent(50), 7)));
  ASSERT_EQ(1u, path->keyCount);
  EXPECT_EQ(0.503f, path->keys[0].time) << "a stored key keeps the time of the one it replaces";
  EXPECT_EQ(7.0f, path->keys[0].positionX);
  auto envelope = envelopeWith({envKey(0.333f, 1)});
  EXPECT_EQ(-1, envelope->keyIndexAt(keyTimeFromPercent(33))) << "envelope keys exactly";

  // Next and Previous always move the slider and pass keys close to it.
  const struct {
    std::vector<float> times;
    int from;
    bool forward;
    int to;
  } cases[] = {
      {{0, 0.333f, 0.5f, 1}, 32, true, 33},
      {{0, 0.333f, 0.5f, 1}, 33, true, 50},
      {{0, 0.333f, 0.5f, 1}, 50, false, 33},
      {{0, 0.333f, 0.5f, 1}, 33, false, 0},
      {{0, 0.337f, 1}, 40, false, 34},
      {{0, 0.337f, 1}, 34, false, 0},
      {{0, 0.337f, 1}, 33, true, 100},
      {{0, 0.5f, 0.505f, 0.8f, 1}, 50, true, 80},
      {{0, 0.5f, 0.505f, 0.8f, 1}, 80, false, 51},
      {{0, 0.3f, 1}, 100, true, -1},
      {{0, 0.3f, 1}, 0, false, -1},
  };
  for (const auto& c : cases) {
    std::vector<EnvelopeKey> keys;
    for (float t : c.times) keys.push_back(envKey(t, 0));
    EXPECT_EQ(c.to, steppedPercent(keys.data(), static_cast<uint32_t>(keys.size()), c.from,
                                   keyTimeFromPercent(c.from), c.forward))
        << "from " << c.from << (c.forward ? " forward" : " back") << " over " << c.times[1];
  }
}

TEST(Steps, SteppedTimesStayStrictlyBetweenTheNeighboursAndSnapsTakeTheNearestHalvesUp) {
  const struct {
    double fraction, steps;
    float before, after, time;  // time -1: no step between
  } cases[] = {{0.623, 1000, 0.5f, 0.8f, 0.623f}, {0.95, 1000, 0.5f, 0.8f, 0.799f},
               {0.1, 1000, 0.505f, 0.8f, 0.506f}, {0.3725, 10000, 0, 0.5f, 0.3725f},
               {0.623, 100, 0.5f, 0.8f, 0.62f},   {0.5, 1000, 0.5f, 0.5009f, -1}};
  for (const auto& c : cases) {
    float time = -1;
    EXPECT_EQ(c.time >= 0, steppedTimeBetween(c.fraction, c.steps, c.before, c.after, time));
    EXPECT_EQ(c.time, time) << c.fraction << " between " << c.before << " and " << c.after;
  }
  EXPECT_EQ(0.3725f, steppedTime(0.37249999, 10000));

  // Snapping takes the nearest step, halves up on both sides of zero.
  const struct {
    double value;
    float step, snapped;
  } snaps[] = {{2.34, 0.1f, 2.3f}, {2.36, 0.1f, 2.4f}, {29.5, 1, 30}, {-1.4, 1, -1},
               {-2.4, 1, -2},      {-1.5, 1, -1},      {-1.6, 1, -2}, {-0.26, 0.5f, -0.5f},
               {-0.25, 0.5f, 0},   {0, 1, 0},          {-7.2, 5, -5}};
  for (const auto& c : snaps) {
    EXPECT_FLOAT_EQ(c.snapped, snapToStep(c.value, c.step)) << c.value << " by " << c.step;
  }
}

TEST(UsableKeys, AreSomeTimesFromZeroToOneThatNeverGoBack) {
  const struct {
    std::vector<float> times;
    bool usable;
  } cases[] = {{{}, false},
               {{0.5f}, true},
               {{0, 0.5f, 0.5f, 1}, true},
               {{0, 0.6f, 0.4f}, false},
               {{0, 1.5f}, false},
               {{-0.1f, 1}, false},
               {{0, std::nanf(""), 1}, false}};
  for (const auto& c : cases) {
    std::vector<PathKey> keys;
    for (float t : c.times) keys.push_back(pathKey(t, 0));
    EXPECT_EQ(c.usable, usableKeys(keys.data(), static_cast<uint32_t>(keys.size())))
        << c.times.size() << " keys";
  }
}

// Keys whose insertion always fails, as when memory runs out.
struct FullTrack {
  uint32_t keyCount;
  EnvelopeKey* keys;
  bool insertKey(const EnvelopeKey&) { return false; }
  int keyIndexAt(float t) const {
    for (uint32_t i = 0; i < keyCount; ++i) {
      if (keys[i].time == t) return static_cast<int>(i);
    }
    return -1;
  }
};

TEST(PressOnTheEnvelopeGraph, GrabsANearKeyMakesOneElsewhereAndChangesNothingWithoutMemory) {
  auto envelope = envelopeWith({envKey(0, 10), envKey(0.5f, 50), envKey(1, 90, 1, 0.25f)});
  EXPECT_EQ(1, pressEnvelope(*envelope, keyTimeFromPercent(52), 53, 0.03f, 5));
  EXPECT_EQ(53.0f, envelope->keys[1].value);
  EXPECT_EQ(-1, pressEnvelope(*envelope, 0.5f, 90, 0.03f, 5)) << "a key's time, far in value";
  EXPECT_EQ(2, pressEnvelope(*envelope, keyTimeFromPercent(80), 20, 0.03f, 5));
  EXPECT_EQ(0.25f, envelope->keys[2].tension) << "the new key has the last key's spline fields";

  std::vector<EnvelopeKey> keys = {envKey(0, 10), envKey(1, 90)};
  FullTrack full{2, keys.data()};
  EXPECT_EQ(-1, pressEnvelope(full, keyTimeFromPercent(40), 20, 0.03f, 5));
  EXPECT_EQ(10.0f, keys[0].value);
  EXPECT_EQ(90.0f, keys[1].value);
}

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
