#include "ui/update/effect_list_update_ui.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "ui/library_state.h"
#include "model/files/effect_list_update.h"
#include "platform/boundary.h"
#include "update_ids.h"

namespace vta {
namespace {

constexpr UINT_PTR kStartTimer = 1;
constexpr UINT kStartDelayMs = 500;

// Feeds the rebuild's progress to the window's progress bar, repainting it at
// once because the rebuild holds the thread.
class ProgressBar final : public BuildProgress {
 public:
  explicit ProgressBar(HWND bar) : bar_(bar) {}
  void setRange(uint32_t total) override { SendMessageA(bar_, PBM_SETRANGE32, 0, total); }
  void setPosition(uint32_t done) override {
    SendMessageA(bar_, PBM_SETPOS, done, 0);
    UpdateWindow(bar_);
  }

 private:
  HWND bar_;
};

// One host is known to run the update where no window may appear.
bool hostWantsSilentUpdate() {
  char host[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, host, sizeof host);
  return std::strstr(host, "cutdesk.exe") || std::strstr(host, "CUTDESK.EXE");
}

INT_PTR CALLBACK progressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetTimer(dialog, kStartTimer, kStartDelayMs, nullptr);
      return TRUE;
    case WM_TIMER: {
      if (wParam != kStartTimer) return FALSE;
      KillTimer(dialog, kStartTimer);
      auto* update = reinterpret_cast<EffectListUpdate*>(GetWindowLongPtrA(dialog, DWLP_USER));
      ProgressBar bar(GetDlgItem(dialog, IDC_UPDATE_PROGRESS));
      guarded(0, [&] { return update->build(&bar); });
      EndDialog(dialog, 1);
      return TRUE;
    }
    default: return FALSE;
  }
}

}  // namespace

void runEffectListUpdate(HWND owner) {
  EffectListUpdate update;
  if (!update.prepare()) return;
  if (hostWantsSilentUpdate() ||
      DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(IDD_UPDATE_PROGRESS), owner, progressProc,
                      reinterpret_cast<LPARAM>(&update)) == -1) {
    update.build(nullptr);
  }
  update.finish();
}

}  // namespace vta
