#include "tour_mapping.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

#include "objects_page_ids.h"
#include "tour_steps.h"
#include "window_driver.h"

namespace vta::host {
namespace {

constexpr int kFrames = 6, kWidth = 64, kHeight = 48;
constexpr int kBitmapSequence = 2;    // the source list's "Bitmap Sequence (BMP)"
constexpr int kFileNameBox = 0x47c;   // the open dialog's file name box

void put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Frame k: a colour of its own with a white bar that moves right frame by
// frame, as a 24-bit bottom-up BMP (rows of 64 pixels need no padding).
std::vector<uint8_t> frameBitmap(int k) {
  std::vector<uint8_t> out{'B', 'M'};
  put(out, 54 + kWidth * kHeight * 3, 4);
  put(out, 0, 4);
  put(out, 54, 4);
  put(out, 40, 4);
  put(out, kWidth, 4);
  put(out, kHeight, 4);
  put(out, 1, 2);
  put(out, 24, 2);
  for (int i = 0; i < 6; ++i) put(out, 0, 4);
  const uint8_t blue = uint8_t(255 - 40 * k), green = uint8_t(40 * k), red = uint8_t(120 + 20 * k);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const bool bar = x >= 4 + 10 * k && x < 12 + 10 * k;
      out.insert(out.end(), {bar ? uint8_t(255) : blue, bar ? uint8_t(255) : green,
                             bar ? uint8_t(255) : red});
    }
  return out;
}

// The sequence's first file, tour_logo01.bmp to tour_logo06.bmp written,
// named with backslashes only, as the open dialog gives names back.
std::string writeSequence(std::string folder) {
  std::replace(folder.begin(), folder.end(), '/', '\\');
  for (int k = 0; k < kFrames; ++k) {
    const std::vector<uint8_t> bytes = frameBitmap(k);
    std::ofstream file(folder + "\\tour_logo0" + std::to_string(k + 1) + ".bmp", std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) return "";
  }
  return folder + "\\tour_logo01.bmp";
}

// Turns the sheet to the Objects page; null when it has none.
HWND objectsPage(HWND sheet) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  const int pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < pages; ++i) {
    SendMessageA(sheet, PSM_SETCURSEL, i, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (GetDlgItem(page, IDC_OBJECTS_SOURCE_LIST)) return page;
  }
  return nullptr;
}

}  // namespace

bool mapTourSequence(HWND sheet, const std::string& folder) {
  const std::string first = writeSequence(folder);
  if (first.empty()) return failed("could not write the tour's BMP sequence");
  HWND page = objectsPage(sheet);
  if (!page) return failed("the selection sheet has no Objects page");
  HWND sources = GetDlgItem(page, IDC_OBJECTS_SOURCE_LIST);
  SendMessageA(sources, CB_SETCURSEL, kBitmapSequence, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_OBJECTS_SOURCE_LIST, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(sources));
  clickButton(page, IDC_OBJECTS_SELECT_FILE);
  HWND dialog = waitForWindow("Select video to map onto object");
  if (!dialog) return failed("the open dialog for the mapped file did not appear");
  SetDlgItemTextA(dialog, kFileNameBox, first.c_str());
  clickButton(dialog, IDOK);
  if (!waitForWindowGone(dialog)) {
    capture(dialog, folder + "\\objects_page_open_dialog.png");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return failed("the open dialog did not close");
  }
  if (!waitUntil([&] { return windowText(GetDlgItem(page, IDC_OBJECTS_FILE_NAME)) == first; }))
    return failed("the Objects page does not show the mapped file");
  Sleep(1200);  // the preview plays a few frames of the mapped object
  return capture(sheet, folder + "\\objects_page_mapped.png");
}

}  // namespace vta::host
