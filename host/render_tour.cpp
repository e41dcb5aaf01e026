#include "render_tour.h"

#include <commctrl.h>

#include <cstdlib>

#include "frame_player.h"
#include "host_ids.h"
#include "render_dialog_ids.h"
#include "tour_steps.h"
#include "window_driver.h"
#include "window_driver.h"

namespace vta::host {
namespace {

constexpr DWORD kRenderTimeoutMs = 120000;
// Long enough at this size that a cancel comes while it is under way.
constexpr int kLongWidth = 1280, kLongHeight = 720, kLongFrames = 300;
constexpr int kTourWidth = 320, kTourHeight = 180, kTourFrames = 20;

// Counts the files matching pattern in folder, deleting them when asked.
int filesIn(const std::string& folder, const char* pattern, bool remove) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    ++count;
    if (remove) DeleteFileA((folder + "\\" + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

// An empty folder for frames: those of an earlier tour are deleted.
std::string framesFolder(const std::string& folder, const char* name) {
  const std::string frames = folder + "\\" + name;
  CreateDirectoryA(frames.c_str(), nullptr);
  filesIn(frames, "*.*", true);
  return frames;
}

struct TourRender {
  int width, height, frames;
  std::string from, to, folder;  // pictures empty: the sample pictures
};

// Fills in the dialog as a user would and presses Render.
void startRender(HWND dialog, const TourRender& r) {
  SetDlgItemInt(dialog, IDC_RENDER_WIDTH, r.width, FALSE);
  SetDlgItemInt(dialog, IDC_RENDER_HEIGHT, r.height, FALSE);
  SetDlgItemInt(dialog, IDC_RENDER_FRAMES, r.frames, FALSE);
  SetDlgItemTextA(dialog, IDC_RENDER_FROM, r.from.c_str());
  SetDlgItemTextA(dialog, IDC_RENDER_TO, r.to.c_str());
  SetDlgItemTextA(dialog, IDC_RENDER_FOLDER, r.folder.c_str());
  clickButton(dialog, IDOK);
}

int framesDone(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageA(dialog, IDC_RENDER_PROGRESS, PBM_GETPOS, 0, 0));
}

// A long render from the tour's first capture to the about box's, cancelled
// after its second frame: the dialog stays open and the folder holds the
// whole frames done before and no part of another.
bool cancelledRender(HWND dialog, const std::string& folder) {
  const std::string frames = framesFolder(folder, "render_cancelled");
  const std::string from = folder + "\\host.png", to = folder + "\\about.png";
  startRender(dialog, {kLongWidth, kLongHeight, kLongFrames, from, to, frames});
  if (!waitUntil([&] { return framesDone(dialog) >= 2; }, kRenderTimeoutMs))
    return failed("the long render did not get under way");
  bool ok = capture(dialog, folder + "\\render_dialog_progress.png");
  clickButton(dialog, IDCANCEL);
  HWND status = GetDlgItem(dialog, IDC_RENDER_STATUS);
  if (!waitUntil([&] { return windowText(status).rfind("Cancelled.", 0) == 0; }, kRenderTimeoutMs))
    return failed("the long render did not stop: " + windowText(status));
  ok = capture(dialog, folder + "\\render_dialog_cancelled.png") && ok;
  const std::string said = "Cancelled. The folder keeps the ";  // "... N frames done before."
  const int kept = std::atoi(windowText(status).c_str() + said.size());
  const bool whole = kept >= 2 && kept < kLongFrames &&
                     filesIn(frames, "*_???.png", false) == kept &&
                     filesIn(frames, "*.tmp", false) == 0;
  return (whole || failed("the cancelled render left other files than its whole frames")) && ok;
}

// The render the host then plays, and a contact sheet of its frames.
bool playedRender(HWND host, HWND dialog, const std::string& folder) {
  const std::string frames = framesFolder(folder, "render");
  startRender(dialog, {kTourWidth, kTourHeight, kTourFrames, "", "", frames});
  if (!waitForWindowGone(dialog, kRenderTimeoutMs)) {
    failed("the render did not finish: " + windowText(GetDlgItem(dialog, IDC_RENDER_STATUS)));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    waitForWindowGone(dialog, kRenderTimeoutMs);
    return false;
  }
  bool ok = filesIn(frames, "*_???.png", false) == kTourFrames ||
            failed("the render folder lacks frames");
  ok = capture(host, folder + "\\host_playing.png") && ok;
  const std::string sheet = folder + "\\render_sheet.png";
  HWND player = GetDlgItem(host, kFramePlayer);
  return (SendMessageA(player, kSaveContactSheet, 0, reinterpret_cast<LPARAM>(sheet.c_str())) ||
          failed("the contact sheet could not be saved")) &&
         ok;
}

}  // namespace

bool tourRender(HWND host, const std::string& folder) {
  clickButton(host, kRenderButton);
  HWND dialog = waitForWindow("Render Transition");
  if (!dialog) return failed("the render dialog did not appear");
  bool ok = capture(dialog, folder + "\\render_dialog.png");
  if (!cancelledRender(dialog, folder)) {
    PostMessageA(dialog, WM_CLOSE, 0, 0);  // cancels a render still running
    waitForWindowGone(dialog, kRenderTimeoutMs);
    return false;
  }
  return playedRender(host, dialog, folder) && ok;
}

}  // namespace vta::host
