// One edit session per run of the selection sheet: the host's record and
// the backup Cancel restores, the effect the user selected (its description
// loaded once per selection), the preferences, the key last copied in an
// editor, the Fly-On arrangement and the preview engine. Pages and editors
// change the record through here and say so with recordChanged(); showing a
// page changes nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "model/effect_description.h"
#include "model/effect_settings.h"
#include "preview/preview_renderer.h"
#include "session/copied_key.h"
#include "session/preferences.h"

namespace vta {

class EditSession {
 public:
  // record is the host's, edited in place; listener (may be null) hears the
  // preview engine's reports. Loads the preferences and starts the preview.
  EditSession(EffectSettings& record, bool filterMode, PreviewListener* listener);
  ~EditSession();
  EditSession(const EditSession&) = delete;
  EditSession& operator=(const EditSession&) = delete;

  EffectSettings& record() { return record_; }
  const EffectSettings& record() const { return record_; }
  bool filterMode() const { return filterMode_; }
  Preferences& preferences() { return preferences_; }
  const Preferences& preferences() const { return preferences_; }
  CopiedKey& copiedKey() { return copiedKey_; }

  // The user pressed Cancel somewhere in the sheet: finish() restores.
  void markCancelled() { cancelled_ = true; }
  bool cancelled() const { return cancelled_; }
  // Puts the record back as it was when the session began.
  void restoreRecord();

  // The description of the effect the record names once selectEffect ran;
  // null before and when the effect file cannot be read.
  const EffectDescription* selectedEffect() const { return selectedEffect_.get(); }
  // Makes name the record's effect (when it is not already) and loads its
  // description; the listener set below hears of it.
  void selectEffect(const char* name);
  void onEffectSelected(std::function<void()> listener) { effectSelected_ = std::move(listener); }
  // A record without an effect takes the stored default options; the
  // filter start's correction holds over them.
  void takeDefaults();

  // Fly-On arrangement: with "Reverse 1 and 2" on and a type-1 effect flown
  // on, objects 1 and 2 change places. The stored object entry behind the
  // object the user sees as n, and back (the exchange is its own inverse).
  bool objectsExchanged() const;
  // "Reverse 1 and 2" is on and the selected effect is of type 1.
  bool reversesFirstTwo() const;
  uint32_t storedObject(uint32_t shown) const;
  // The object the Fly-Off arrangement shows where the user sees object n:
  // flown on, objects 1 and 2 change places (the path editor's view).
  uint32_t flyOffObject(uint32_t shown) const;
  // Sets the fly mode; with "Reverse 1 and 2" on and a type-1 effect, a
  // change of mode exchanges the stored options and envelopes of objects 1
  // and 2, so each keeps what the user set for it.
  void setFlyMode(int flyMode);

  // The preview engine of this session (never null while it lasts).
  PreviewRenderer& preview() { return *preview_; }
  // A new engine from the stored preferences; the old worker ends after the
  // frame it is drawing.
  void replacePreview();
  // Asks for a render of the record as it is now.
  void requestPreview();
  // After an edit: when the record differs from the one last previewed, it
  // is copied once, remembered and, with automatic preview on, handed to a
  // restarted preview.
  void recordChanged();

 private:
  EffectSettings& record_;
  const bool filterMode_;
  PreviewListener* const listener_;
  EffectSettings backup_;
  // The record as last previewed, shared with the preview's worker.
  std::shared_ptr<const EffectSettings> previewed_;
  Preferences preferences_;
  CopiedKey copiedKey_;
  bool cancelled_ = false;
  std::unique_ptr<EffectDescription> selectedEffect_;
  std::function<void()> effectSelected_;
  std::unique_ptr<PreviewRenderer> preview_;
};

// With a second record, a filter frame count of 0 or not-a-number becomes 100
// and switches the filter on.
void correctFilterStart(EffectSettings& record);

}  // namespace vta
