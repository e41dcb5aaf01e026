#pragma once
// A singly linked list of components of one kind, laid out as
// VtaComponentList. The list owns its members.

#include <cstdint>

#include "model/effect_component.h"

namespace vta {

struct ComponentList {
  EffectComponent* head = nullptr;
  uint32_t count = 0;

  ComponentList() = default;
  ~ComponentList() { clear(); }
  ComponentList(const ComponentList&) = delete;
  ComponentList& operator=(const ComponentList&) = delete;

  // Adds at the tail; a null component is ignored.
  void append(EffectComponent* component);
  // Takes component out of the list without destroying it; false when it is
  // not a member.
  bool unlink(EffectComponent* component);
  // Destroys every member.
  void clear();
  // clear(), then appends a clone of each member of other, in order.
  void copyList(const ComponentList& other);
  // Member at a 0-based position; null when out of range.
  EffectComponent* at(int position) const;
  // First member with that id, or null.
  EffectComponent* findById(uint16_t id) const;
  // Same count and members pairwise equal by compare.
  bool equals(const ComponentList& other) const;
  // Clears every member's link, attached and parent that point at target
  // (and the ids behind link and parent).
  void clearReferencesTo(const EffectComponent* target);
};

}  // namespace vta
