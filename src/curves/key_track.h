#pragma once
// An owned array of keys in ascending time order and the operations that
// edit it, one copy for envelopes and paths. The array comes from
// allocate(); when memory runs out an operation leaves the keys as they were.

#include <cmath>
#include <cstdint>

#include "curves/key_array.h"
#include "curves/key_kind.h"

namespace vta {

// True when a key of this kind at keyTime is the key at time t: within the
// kind's window, or exactly at t for a window of 0.
template <class Key>
bool isKeyAt(float keyTime, float t) {
  return keyTime == t || std::fabs(static_cast<double>(keyTime) - t) < KeyKind<Key>::kTimeWindow;
}

template <class Key>
class KeyTrack {
 public:
  using KeyType = Key;

  KeyTrack() = default;
  ~KeyTrack() { release(keys); }
  KeyTrack(const KeyTrack&) = delete;
  KeyTrack& operator=(const KeyTrack&) = delete;

  // Replaces the keys by n zero-filled ones (none for 0).
  void setKeyCount(uint32_t n) { adoptKeys(newKeyArray<Key>(n), n); }

  // Copies key over keys[index]; an index at or past keyCount does nothing.
  void setKey(uint32_t index, const Key& key) {
    if (index < keyCount) keys[index] = key;
  }

  // Adds a copy in time order, after any keys of equal time; false when
  // memory runs out.
  bool insertKey(const Key& key) {
    Key* grown = withKeyInserted(keys, keyCount, key);
    if (grown) adoptKeys(grown, keyCount + 1);
    return grown != nullptr;
  }

  // Removes the keys whose time equals time exactly.
  void deleteKey(float time) {
    const uint32_t matching = countKeysAt(keys, keyCount, time);
    if (matching == 0) return;
    const uint32_t remaining = keyCount - matching;
    Key* kept = withoutKeysAt(keys, keyCount, time, remaining);
    if (kept || remaining == 0) adoptKeys(kept, remaining);
  }

  // The index of the first key at time t (isKeyAt), or -1.
  int keyIndexAt(float t) const {
    for (uint32_t i = 0; i < keyCount; ++i) {
      if (isKeyAt<Key>(keys[i].time, t)) return static_cast<int>(i);
    }
    return -1;
  }

  // 1 and a copy of the first key at time t, else 0.
  int findKey(float t, Key& out) const {
    const int index = keyIndexAt(t);
    if (index >= 0) out = keys[index];
    return index >= 0 ? 1 : 0;
  }

  // Stores key over the key at its time, which keeps its own time, or as a
  // new key; false when memory runs out.
  bool storeKey(Key key) {
    const int index = keyIndexAt(key.time);
    if (index < 0) return insertKey(key);
    key.time = keys[index].time;
    keys[index] = key;
    return true;
  }

  // The keys become a copy of count keys; false, keeping them, when memory
  // runs out.
  bool copyKeys(const Key* from, uint32_t count) {
    Key* copy = copyKeyArray(from, count);
    if (!copy && count > 0) return false;
    adoptKeys(copy, count);
    return true;
  }

  uint32_t keyCount = 0;
  Key* keys = nullptr;  // owned, from allocate(); null when keyCount is 0

 protected:
  void adoptKeys(Key* newKeys, uint32_t count) {
    release(keys);
    keys = newKeys;
    keyCount = newKeys ? count : 0;
  }
};

}  // namespace vta
