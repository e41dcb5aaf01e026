#include "scene_components.h"

namespace rnd {

namespace {

const vta::PathComponent* findPath(const vta::EffectDescription& d, unsigned objectId) {
  for (auto* c = d.lists[vta::kPaths].head; c; c = c->next)
    if (c->linkId == objectId) return static_cast<const vta::PathComponent*>(c);
  return nullptr;
}

bool replaces(const vta::EnvelopeComponent& a, const vta::EnvelopeComponent& b) {
  return a.linkId == b.linkId && a.parameterIndex == b.parameterIndex;
}

float* optionSlot(FrameOptions& options, unsigned index) {
  if (index < 30) return &options.global[index];
  unsigned entry = index / 100, k = index % 100;
  if (entry < 1 || entry > 20 || k >= 10) return nullptr;
  return &options.object[entry - 1][k];
}

}  // namespace

float FrameOptions::forSurface(unsigned surfaceId, int option) const {
  return surfaceId >= 1 && surfaceId <= 20 ? object[surfaceId - 1][option] : 0.0f;
}

SceneComponents::SceneComponents(vta::EffectDescription& effect, const vta::EffectDescription& user)
    : effect_(effect), user_(user) {
  for (auto* c = user.lists[vta::kEnvelopes].head; c; c = c->next)
    envelopes_.push_back(static_cast<const vta::EnvelopeComponent*>(c));
  size_t userCount = envelopes_.size();
  for (auto* c = effect.lists[vta::kEnvelopes].head; c; c = c->next) {
    auto* envelope = static_cast<const vta::EnvelopeComponent*>(c);
    bool replaced = false;
    for (size_t i = 0; i < userCount; ++i) replaced |= replaces(*envelopes_[i], *envelope);
    if (!replaced) envelopes_.push_back(envelope);
  }
}

const vta::PathComponent* SceneComponents::pathFor(unsigned objectId) const {
  const vta::PathComponent* path = findPath(user_, objectId);
  return path ? path : findPath(effect_, objectId);
}

vta::EffectComponent* SceneComponents::findComponent(unsigned id) const {
  for (const auto& list : effect_.lists)
    if (auto* c = list.findById(static_cast<uint16_t>(id))) return c;
  return nullptr;
}

void SceneComponents::apply(float u, FrameOptions& options) const {
  for (const auto* envelope : envelopes_) {
    if (envelope->keyCount == 0) continue;
    float value = envelope->evaluate(u);
    if (envelope->linkId == 0) {
      if (float* slot = optionSlot(options, envelope->parameterIndex)) *slot = value;
    } else if (auto* target = findComponent(envelope->linkId)) {
      target->setParameter(envelope->parameterIndex, value);
    }
  }
}

}  // namespace rnd
