#pragma once
// The states a key array goes through while it is edited, for undo and redo:
// the state it started from, then one state per edit. Undo and redo move
// between them; an edit made after an undo drops the states that were undone.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vta {

template <class Key>
class KeyHistory {
 public:
  using State = std::vector<Key>;

  KeyHistory() : states_(1) {}

  // Forgets every state; these keys become the only one.
  void start(const Key* keys, uint32_t count) {
    states_.assign(1, State(keys, keys + count));
    at_ = 0;
  }

  // Keeps these keys as the state after an edit; false, keeping nothing,
  // when they are byte for byte the current state.
  bool record(const Key* keys, uint32_t count) {
    const State& current = states_[at_];
    if (current.size() == count &&
        (count == 0 || std::memcmp(current.data(), keys, count * sizeof(Key)) == 0)) {
      return false;
    }
    states_.resize(at_ + 1);
    states_.emplace_back(keys, keys + count);
    ++at_;
    return true;
  }

  // The state before (undo) or after (redo) the current one, which it
  // becomes; null when there is none.
  const State* undo() { return at_ > 0 ? &states_[--at_] : nullptr; }
  const State* redo() { return at_ + 1 < states_.size() ? &states_[++at_] : nullptr; }

 private:
  std::vector<State> states_;
  size_t at_ = 0;
};

}  // namespace vta
