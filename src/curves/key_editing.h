#pragma once
// The decisions of the keyframe editors that need no window: where the time
// slider's whole percents meet key times, where Next and Previous Key go,
// how mouse values snap, which loaded keys an editor can work with, and what
// a press on the envelope graph grabs.

#include <cmath>
#include <cstdint>

#include "curves/envelope_key.h"
#include "curves/key_track.h"

namespace vta {

// The slider position that shows time t: the nearest whole percent, halves
// up, within 0 to 100.
int percentOfTime(float t);

// value taken to the nearest multiple of step, halves going up (also below
// zero).
float snapToStep(double value, float step);

// Key times the editors set by hand are multiples of 1 / steps: 1000 for
// tenths of a percent, 10000 for hundredths. The multiple nearest fraction.
float steppedTime(double fraction, double steps);

// The multiple of 1 / steps nearest fraction that lies strictly between
// before and after, the times of a key's neighbours; false when none does.
bool steppedTimeBetween(double fraction, double steps, float before, float after, float& time);

// Next and Previous Key pass over keys this close to the slider's time.
constexpr float kStepSlack = 0.00999f;

// The slider position of the first key beyond the slider's time t (forward:
// later, else earlier) by more than kStepSlack whose position is not the
// slider's own; -1 when there is none. So a step always moves the slider.
template <class Key>
int steppedPercent(const Key* keys, uint32_t count, int percent, float t, bool forward) {
  for (uint32_t n = 0; n < count; ++n) {
    const Key& key = keys[forward ? n : count - 1 - n];
    const bool beyond = forward ? key.time > t + kStepSlack : key.time < t - kStepSlack;
    if (beyond && percentOfTime(key.time) != percent) return percentOfTime(key.time);
  }
  return -1;
}

// True for at least one key, every time a number from 0 to 1, never going
// back: the keys an editor can show, step through and save again.
template <class Key>
bool usableKeys(const Key* keys, uint32_t count) {
  float previous = 0.0f;
  for (uint32_t i = 0; i < count; ++i) {
    if (!(keys[i].time >= previous && keys[i].time <= 1.0f)) return false;
    previous = keys[i].time;
  }
  return count > 0;
}

// A press on the envelope graph at time t (a whole percent's time) and
// value: grabs the first key within grabTime in time and valueTolerance in
// value and gives it the value, else makes a key at t with the last key's
// spline fields. The index of the key grabbed or made; -1, changing
// nothing, when the press lies at a key's own time but far from its value,
// there are no keys, or memory runs out.
template <class Track>
int pressEnvelope(Track& track, float t, float value, float grabTime, float valueTolerance) {
  for (uint32_t i = 0; i < track.keyCount; ++i) {
    const EnvelopeKey& key = track.keys[i];
    if (std::fabs(key.time - t) < grabTime && std::fabs(key.value - value) < valueTolerance) {
      track.keys[i].value = value;
      return static_cast<int>(i);
    }
  }
  if (track.keyIndexAt(t) >= 0 || track.keyCount == 0) return -1;
  EnvelopeKey key = track.keys[track.keyCount - 1];
  key.time = t;
  key.value = value;
  if (!track.insertKey(key)) return -1;
  return track.keyIndexAt(t);
}

}  // namespace vta
