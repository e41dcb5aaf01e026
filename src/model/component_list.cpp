#include "model/component_list.h"

namespace vta {

void ComponentList::append(EffectComponent* component) {
  if (!component) return;
  component->next = nullptr;
  EffectComponent** slot = &head;
  while (*slot) slot = &(*slot)->next;
  *slot = component;
  ++count;
}

bool ComponentList::unlink(EffectComponent* component) {
  for (EffectComponent** slot = &head; *slot; slot = &(*slot)->next) {
    if (*slot == component) {
      *slot = component->next;
      component->next = nullptr;
      --count;
      return true;
    }
  }
  return false;
}

void ComponentList::clear() {
  EffectComponent* member = head;
  head = nullptr;
  count = 0;
  while (member) {
    EffectComponent* following = member->next;
    member->destroy(true);
    member = following;
  }
}

void ComponentList::copyList(const ComponentList& other) {
  if (&other == this) return;
  clear();
  for (const EffectComponent* member = other.head; member; member = member->next) {
    append(member->clone());
  }
}

EffectComponent* ComponentList::at(int position) const {
  if (position < 0) return nullptr;
  EffectComponent* member = head;
  for (; member && position > 0; --position) member = member->next;
  return member;
}

EffectComponent* ComponentList::findById(uint16_t id) const {
  for (EffectComponent* member = head; member; member = member->next) {
    if (member->id == id) return member;
  }
  return nullptr;
}

bool ComponentList::equals(const ComponentList& other) const {
  if (count != other.count) return false;
  const EffectComponent* a = head;
  const EffectComponent* b = other.head;
  for (; a && b; a = a->next, b = b->next) {
    if (a->compare(b) != 0) return false;
  }
  return !a && !b;
}

void ComponentList::clearReferencesTo(const EffectComponent* target) {
  for (EffectComponent* member = head; member; member = member->next) {
    if (member->link == target) {
      member->link = nullptr;
      member->linkId = 0;
    }
    if (member->parent == target) {
      member->parent = nullptr;
      member->parentId = 0;
    }
    if (member->attached == target) member->attached = nullptr;
  }
}

}  // namespace vta
