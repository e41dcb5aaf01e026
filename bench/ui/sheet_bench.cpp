// Times the selection sheet as a host's user meets it, on the installation
// the registry names with Rnd_Software as the preview's renderer (automatic
// preview on, medium size, one frame, the fastest playback): from the
// VTAGUI_Select call to the sheet and all its controls painted, and from a
// click on an effect icon to its preview frame on the screen. Each round
// opens the sheet anew. A Windows program, run under Wine here.
// Run: sheet_bench [--figures] [rounds]
#include <windows.h>
#include <prsht.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "figures.h"
#include "library_under_test.h"
#include "registry_value.h"

namespace {

using Clock = std::chrono::steady_clock;
using vta::test::RegistryValue;

constexpr char kSheetCaption[] = "Vantaro - Selection Dialog";
constexpr int kFirstIcon = 1001, kPicture = 1042;
constexpr uint32_t kUndrawnFrame = 0xC0C0C0;
constexpr DWORD kTimeoutMs = 10000;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Polls condition every millisecond; false after the timeout.
template <typename Condition>
bool pollUntil(Condition condition) {
  const Clock::time_point start = Clock::now();
  while (!condition()) {
    if (msSince(start) > kTimeoutMs) return false;
    Sleep(1);
  }
  return true;
}

BOOL CALLBACK childPainted(HWND child, LPARAM painted) {
  if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(painted) = false;
  return FALSE;
}

// Shown, with nothing left to paint in it or its controls.
bool painted(HWND window) {
  if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
  bool all = true;
  EnumChildWindows(window, childPainted, reinterpret_cast<LPARAM>(&all));
  return all;
}

// The page's preview picture as the screen shows it, as 0x00RRGGBB values.
std::vector<uint32_t> previewPixels(HWND page) {
  HWND picture = GetDlgItem(page, kPicture);
  RECT area;
  GetClientRect(picture, &area);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = area.right;
  info.bmiHeader.biHeight = -area.bottom;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC window = GetDC(picture);
  HDC memory = CreateCompatibleDC(window);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<uint32_t> pixels;
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, area.right, area.bottom, window, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const uint32_t*>(bits);
    pixels.assign(first, first + size_t(area.right) * area.bottom);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(picture, window);
  return pixels;
}

// A frame not yet drawn is grey; so is the picture before any frame.
bool undrawn(const std::vector<uint32_t>& pixels) {
  return pixels.empty() || (pixels[pixels.size() / 2] & 0xFFFFFF) == kUndrawnFrame;
}

void clickIcon(HWND page, int slot) {
  SendMessageA(GetDlgItem(page, kFirstIcon + slot), BM_CLICK, 0, 0);
}

// Shows the second icon's effect, then times a click on the first icon up
// to its frame on the screen: a one-frame preview holds still, so the
// picture changes only when the new frame is shown (frames not yet drawn
// are grey). -1 when the picture did not change.
double timeIconClick(HWND page) {
  clickIcon(page, 1);
  if (!pollUntil([&] { return !undrawn(previewPixels(page)); })) return -1;
  Sleep(200);  // the frame is shown; let the render end
  const std::vector<uint32_t> shown = previewPixels(page);
  const Clock::time_point click = Clock::now();
  clickIcon(page, 0);
  const bool changed = pollUntil([&] {
    const std::vector<uint32_t> now = previewPixels(page);
    return now != shown && !undrawn(now);
  });
  return changed ? msSince(click) : -1;
}

struct Round {
  double painted = -1, firstFrame = -1;
};

Round timeRound(const vta::test::LibraryUnderTest& library) {
  auto select = library.entry<VtaSelectFunction>("VTAGUI_Select");
  VtaEffectSettings record{};
  Round round;
  Clock::time_point called;
  vta::test::runDriven<short>(
      [&] {
        called = Clock::now();
        return select(nullptr, &record, nullptr);
      },
      [&] {
        HWND sheet = nullptr;
        if (!pollUntil([&] { return (sheet = FindWindowA(nullptr, kSheetCaption)) != nullptr; }))
          return;
        if (pollUntil([&] { return painted(sheet); })) round.painted = msSince(called);
        HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        if (page) round.firstFrame = timeIconClick(page);
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        pollUntil([&] { return !IsWindow(sheet); });
      });
  return round;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  bench::Figures figures(bench::takeFiguresFlag(argc, argv));
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  RegistryValue engine{"Prev_Engine"}, automatic{"Prev_Render"}, quality{"Prev_Quality"},
      speed{"Prev_Speed"}, frames{"Prev_Frames"};
  engine.setText("Rnd_Software");
  automatic.setNumber(1);
  quality.setNumber(1);
  speed.setNumber(30);
  frames.setNumber(1);
  vta::test::LibraryUnderTest library;
  if (!library.loaded()) return std::fprintf(stderr, "Vantaro30.dll not found\n"), 1;
  std::vector<double> painted, firstFrame;
  for (int i = 0; i < rounds; ++i) {
    const Round round = timeRound(library);
    if (round.painted < 0 || round.firstFrame < 0) {
      return std::fprintf(stderr, "round %d: the sheet or the preview frame did not appear\n", i),
             1;
    }
    painted.push_back(round.painted), firstFrame.push_back(round.firstFrame);
  }
  std::printf(
      "VTAGUI_Select to the sheet painted: %.1f ms; icon click to the first preview "
      "frame shown (Rnd_Software, 64 px, shown at 30 fps): %.1f ms (median of %d)\n",
      median(painted), median(firstFrame), rounds);
  figures.add("Wine: VTAGUI_Select to the sheet painted", median(painted), "ms");
  figures.add("Wine: icon click to the first preview frame shown", median(firstFrame), "ms");
  return 0;
}
