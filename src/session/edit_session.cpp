#include "session/edit_session.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "model/components/envelope.h"
#include "model/files/defaults_file.h"
#include "model/files/effect_file.h"

namespace vta {
namespace {

constexpr int kFirstObjectIndex = VTA_OBJECT_PARAM_INDEX(0, 0);
constexpr int kSecondObjectIndex = VTA_OBJECT_PARAM_INDEX(1, 0);
constexpr int kThirdObjectIndex = VTA_OBJECT_PARAM_INDEX(2, 0);

// Objects 1 and 2 trade their options and the envelopes that animate them.
void exchangeFirstTwoObjects(EffectSettings& record) {
  std::swap(record.objectParams[0], record.objectParams[1]);
  for (EffectComponent* member = record.description.lists[kEnvelopes].head; member;
       member = member->next) {
    auto* envelope = static_cast<EnvelopeComponent*>(member);
    if (envelope->linkId != 0) continue;
    const int index = envelope->parameterIndex;
    if (index >= kFirstObjectIndex && index < kSecondObjectIndex)
      envelope->parameterIndex += 100;
    else if (index >= kSecondObjectIndex && index < kThirdObjectIndex)
      envelope->parameterIndex -= 100;
  }
}

}  // namespace

EditSession::EditSession(EffectSettings& record, bool filterMode, PreviewListener* listener)
    : record_(record),
      filterMode_(filterMode),
      listener_(listener),
      previewed_(std::make_shared<EffectSettings>()) {
  backup_.copyFrom(record);
  if (filterMode_) correctFilterStart(record_);
  preferences_.load();
  preview_ = std::make_unique<PreviewRenderer>(filterMode_, listener_);
}

// The engine's worker is stopped before anything it may report about goes.
EditSession::~EditSession() { preview_.reset(); }

void EditSession::restoreRecord() { record_.copyFrom(backup_); }

void EditSession::selectEffect(const char* name) {
  if (std::strcmp(record_.effectName, name) != 0)
    std::snprintf(record_.effectName, sizeof record_.effectName, "%s", name);
  auto loaded = std::make_unique<EffectDescription>();
  loadDescription(*loaded, record_.effectName, 0);
  selectedEffect_ = std::move(loaded);
  if (effectSelected_) effectSelected_();
}

void EditSession::takeDefaults() {
  loadDefaults(record_);
  if (filterMode_) correctFilterStart(record_);
}

bool EditSession::reversesFirstTwo() const {
  return preferences_.autoReverse && selectedEffect_ && selectedEffect_->effectType == 1;
}

bool EditSession::objectsExchanged() const {
  return reversesFirstTwo() && record_.globalParams[VTA_FLY_MODE] != 0.0f;
}

uint32_t EditSession::storedObject(uint32_t shown) const {
  return objectsExchanged() && shown <= 1 ? shown ^ 1 : shown;
}

uint32_t EditSession::flyOffObject(uint32_t shown) const {
  return record_.globalParams[VTA_FLY_MODE] == 1.0f && shown <= 1 ? shown ^ 1 : shown;
}

void EditSession::setFlyMode(int flyMode) {
  const float stored = record_.globalParams[VTA_FLY_MODE];
  // The mode changes when the whole number shown differs (NaN shows as 0).
  const bool changed = std::isnan(stored) ? flyMode != 0 : flyMode != static_cast<int>(stored);
  if (changed && reversesFirstTwo()) exchangeFirstTwoObjects(record_);
  record_.globalParams[VTA_FLY_MODE] = static_cast<float>(flyMode);
}

void EditSession::replacePreview() {
  preview_.reset();
  preview_ = std::make_unique<PreviewRenderer>(filterMode_, listener_);
}

void EditSession::requestPreview() { preview_->requestRender(record_, selectedEffect_.get()); }

void EditSession::recordChanged() {
  if (!record_.differs(*previewed_)) return;
  auto copy = std::make_shared<EffectSettings>();
  copy->copyFrom(record_);
  previewed_ = std::move(copy);
  if (!preferences_.previewRender) return;
  if (preview_->isBusy()) preview_->requestStop();
  preview_->requestRender(previewed_, selectedEffect_.get());
}

void correctFilterStart(EffectSettings& record) {
  const float frames = record.globalParams[VTA_FILTER_FRAMES];
  if (frames == 0.0f || std::isnan(frames)) {
    record.globalParams[VTA_FILTER_FRAMES] = 100.0f;
    record.globalParams[VTA_FILTER_ON] = 1.0f;
  }
}

}  // namespace vta
