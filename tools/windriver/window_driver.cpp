#include "window_driver.h"

#include <commctrl.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "png_writer.h"

namespace vta {
namespace {

struct WindowQuery {
  const char* caption;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam) {
  auto* query = reinterpret_cast<WindowQuery*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
      windowText(window) == query->caption) {
    query->found = window;
    return FALSE;
  }
  return TRUE;
}

// Makes sure every pending paint of window has been done before a capture.
void settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
}

}  // namespace

HWND waitForWindow(const char* caption, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    WindowQuery query = {caption, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&query));
    if (query.found) return query.found;
    Sleep(20);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

bool waitForWindowGone(HWND window, DWORD timeoutMs) {
  return waitUntil([window] { return !IsWindow(window); }, timeoutMs);
}

bool driveModal(const char* caption, const std::function<void()>& show,
                const std::function<void(HWND)>& drive) {
  bool shown = false;
  std::thread driver([&] {
    HWND window = waitForWindow(caption);
    shown = window != nullptr;
    if (!window) return;
    drive(window);
    if (!waitForWindowGone(window, 2000)) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  });
  show();
  driver.join();
  return shown;
}

void pressKey(HWND window, UINT virtualKey) {
  PostMessageA(window, WM_KEYDOWN, virtualKey, 1);
  PostMessageA(window, WM_KEYUP, virtualKey, 0xC0000001);
}

void typeKey(HWND foreground, UINT virtualKey) { typeKeys(foreground, {virtualKey}); }

void typeKeys(HWND foreground, std::initializer_list<UINT> virtualKeys) {
  SetForegroundWindow(foreground);
  std::vector<INPUT> events(virtualKeys.size() * 2);
  size_t down = 0, up = events.size();
  for (UINT key : virtualKeys) {
    INPUT& press = events[down++];
    INPUT& release = events[--up];
    press.type = release.type = INPUT_KEYBOARD;
    press.ki.wVk = release.ki.wVk = static_cast<WORD>(key);
    release.ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(static_cast<UINT>(events.size()), events.data(), sizeof events[0]);
}

void clickButton(HWND dialog, int buttonId) {
  PostMessageA(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

void moveTrackbar(HWND dialog, int id, int position, bool dragging) {
  HWND trackbar = GetDlgItem(dialog, id);
  SendMessageA(trackbar, TBM_SETPOS, TRUE, position);
  const WPARAM code = dragging ? MAKEWPARAM(TB_THUMBTRACK, position) : TB_ENDTRACK;
  SendMessageA(dialog, WM_HSCROLL, code, reinterpret_cast<LPARAM>(trackbar));
}

void sendClick(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string windowText(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string answerMessageBox(const char* caption) {
  HWND box = waitForWindow(caption);
  if (!box) return "(no message box)";
  // The message is the box's longest text that is not its button.
  std::string message;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string text = windowText(child);
    if (GetDlgCtrlID(child) != IDOK && text.size() > message.size()) message = text;
  }
  clickButton(box, IDOK);
  waitForWindowGone(box);
  return message;
}

bool captureWindow(HWND window, const std::string& pngPath) {
  settle(window);
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<uint8_t> bgrx(static_cast<size_t>(width) * height * 4);
  const bool read =
      GetDIBits(memory, bitmap, 0, height, bgrx.data(), &info, DIB_RGB_COLORS) == height;
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!read) return false;

  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
    rgb[i * 3] = bgrx[i * 4 + 2];
    rgb[i * 3 + 1] = bgrx[i * 4 + 1];
    rgb[i * 3 + 2] = bgrx[i * 4];
  }
  return writePng(pngPath.c_str(), width, height, rgb.data());
}

std::string screenshotPath(const char* name) {
  // The folder is made when missing, so that a first run by hand captures too.
  const char* folder = std::getenv("VTA_SCREENSHOT_DIR");
  if (!folder || !*folder) return std::string(name) + ".png";
  CreateDirectoryA(folder, nullptr);
  return std::string(folder) + "\\" + name + ".png";
}

}  // namespace vta
