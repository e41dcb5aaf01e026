// Icons that play: while the pointer rests on an icon of the Effects page
// for half a second, the icon plays its effect's transition at icon size
// with the record's options, rendered in the background by a preview engine
// of its own (made at the first hover, kept while the page lasts); it stops
// when the pointer leaves. The icon stays still until a frame is ready, so
// without a renderer, in filter mode (one still frame) and when the page
// shows names only, it never moves.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>

#include "preview/preview_renderer.h"
#include "session/edit_session.h"

namespace vta {

// Posted to the page by the icon buttons: the pointer rested on the icon in
// slot wParam (lParam 1) or left it (lParam 0).
constexpr UINT kIconHoverMessage = WM_APP + 0x5660;
// Posted to the page by the engine's worker: the render's progress
// (wParam, percent) after each frame.
constexpr UINT kIconFrameMessage = WM_APP + 0x5661;
constexpr UINT_PTR kIconPlayTimer = 103;

class EffectIconPlayer final : public PreviewListener {
 public:
  static constexpr uint32_t kFrames = 30;
  static constexpr DWORD kRestMilliseconds = 500;

  explicit EffectIconPlayer(EditSession& session) : session_(session) {}
  ~EffectIconPlayer() { engine_.reset(); }
  EffectIconPlayer(const EffectIconPlayer&) = delete;
  EffectIconPlayer& operator=(const EffectIconPlayer&) = delete;

  // Watches the page's icon buttons for a resting and a leaving pointer.
  void attach(HWND page);
  // Renders the effect name as clicking the icon in slot would make it;
  // area is the icon button's client area. Nothing new while slot plays.
  void play(int slot, const char* name, const RECT& area);
  // Stops the playing icon, which shows its picture again.
  void stop();
  // The page's share of kIconFrameMessage and kIconPlayTimer.
  void handle(UINT message, WPARAM wParam);

  // The slot asked to play, -1 while none is.
  int playingSlot() const { return slot_; }
  // The slot whose frames are drawn, -1 while none is.
  int drawnSlot() const { return framesReady_ ? slot_ : -1; }
  // Draws the current frame into area (the button's client area).
  void drawFrame(HDC dc, const RECT& area) const;

 private:
  void renderStateChanged() override {}
  void progressChanged(int percent) override;
  void repaintSlot() const;
  void startEngine(const RECT& area);

  EditSession& session_;
  std::atomic<HWND> page_{nullptr};  // read by the worker thread
  std::unique_ptr<PreviewRenderer> engine_;
  int slot_ = -1;
  bool framesReady_ = false;
  uint32_t frame_ = 0;
};

}  // namespace vta
