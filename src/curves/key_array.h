#pragma once
// Key-array operations shared by envelopes and paths. Arrays come from
// allocate() and are kept in ascending time order; every function leaves its
// input untouched and returns a new array (null when memory runs out or the
// count would not fit in memory).

#include <cstddef>
#include <cstdint>

#include "platform/memory.h"

namespace vta {

// A zero-filled array of count keys; null for 0 keys or when memory runs out.
template <class Key>
Key* newKeyArray(uint32_t count) {
  if (count == 0 || count > SIZE_MAX / sizeof(Key)) return nullptr;
  return static_cast<Key*>(allocate(count * sizeof(Key)));
}

// A copy of count keys.
template <class Key>
Key* copyKeyArray(const Key* keys, uint32_t count) {
  Key* copy = newKeyArray<Key>(count);
  for (uint32_t i = 0; copy && i < count; ++i) copy[i] = keys[i];
  return copy;
}

// The count + 1 keys with key placed before the first key of a greater time,
// so after every key of an equal time.
template <class Key>
Key* withKeyInserted(const Key* keys, uint32_t count, const Key& key) {
  if (count == UINT32_MAX) return nullptr;
  Key* grown = newKeyArray<Key>(count + 1);
  if (!grown) return nullptr;
  uint32_t at = 0;
  while (at < count && !(keys[at].time > key.time)) ++at;
  for (uint32_t i = 0; i < at; ++i) grown[i] = keys[i];
  grown[at] = key;
  for (uint32_t i = at; i < count; ++i) grown[i + 1] = keys[i];
  return grown;
}

// How many of the keys have exactly this time.
template <class Key>
uint32_t countKeysAt(const Key* keys, uint32_t count, float time) {
  uint32_t found = 0;
  for (uint32_t i = 0; i < count; ++i) found += keys[i].time == time ? 1 : 0;
  return found;
}

// The keys whose time differs from time; remaining is their count.
template <class Key>
Key* withoutKeysAt(const Key* keys, uint32_t count, float time, uint32_t remaining) {
  Key* kept = newKeyArray<Key>(remaining);
  uint32_t next = 0;
  for (uint32_t i = 0; kept && i < count; ++i) {
    if (keys[i].time != time) kept[next++] = keys[i];
  }
  return kept;
}

}  // namespace vta
