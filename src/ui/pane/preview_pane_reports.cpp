// Where the preview worker's reports go (the active page's window, by
// posted messages so the worker never waits for the dialog thread), and the
// restart check the pages run after each edit.
#include <atomic>

#include "ui/sheet/dialog_page.h"
#include "ui/sheet/preferences.h"
#include "ui/sheet/sheet_state.h"
#include "ui/pane/preview_pane.h"
#include "preview/preview_renderer.h"

namespace vta {
namespace {

// The active page's window, read by the worker thread.
std::atomic<HWND> g_reportWindow{nullptr};

class PanePreviewListener final : public PreviewListener {
 public:
  void renderStateChanged() override { post(kPaneStateMessage, 0); }
  void progressChanged(int percent) override { post(kPaneProgressMessage, percent); }

 private:
  static void post(UINT message, int value) {
    HWND window = g_reportWindow;
    if (window) PostMessageA(window, message, static_cast<WPARAM>(value), 0);
  }
};

PanePreviewListener g_listener;

}  // namespace

void setActivePage(DialogPage* page) {
  sheet().activePage = page;
  g_reportWindow = page ? page->window() : nullptr;
}

PreviewListener& panePreviewListener() { return g_listener; }

void checkPreviewRestart() {
  SheetState& state = sheet();
  if (!state.record || !state.lastPreviewed || !state.record->differs(*state.lastPreviewed)) return;
  state.lastPreviewed->copyFrom(*state.record);
  if (!state.preferences || !state.preferences->previewRender) return;
  if (state.preview && state.preview->isBusy()) state.preview->requestStop();
  requestPreviewRender();
}

}  // namespace vta
