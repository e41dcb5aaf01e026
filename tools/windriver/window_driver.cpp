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

struct OwnedQuery {
  HWND owner;
  const char* className;
  HWND found;
};

BOOL CALLBACK matchOwned(HWND window, LPARAM lParam) {
  auto* query = reinterpret_cast<OwnedQuery*>(lParam);
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (GetWindow(window, GW_OWNER) != query->owner || !IsWindowVisible(window) ||
      lstrcmpiA(name, query->className) != 0) {
    return TRUE;
  }
  query->found = window;
  return FALSE;
}

// A screen coordinate as the normalised absolute coordinate that maps back
// to it exactly.
LONG absolute(LONG coordinate, int screenSize) {
  return static_cast<LONG>((coordinate * 65536LL + screenSize - 1) / screenSize);
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

void holdKeys(std::initializer_list<UINT> virtualKeys, bool down) {
  std::vector<INPUT> events;
  for (UINT key : virtualKeys) {
    INPUT event{};
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = static_cast<WORD>(key);
    event.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    events.insert(down ? events.end() : events.begin(), event);
  }
  if (!events.empty()) SendInput(static_cast<UINT>(events.size()), events.data(), sizeof events[0]);
}

void mouseTo(HWND window, POINT point, DWORD buttonFlags) {
  ClientToScreen(window, &point);
  INPUT event{};
  event.type = INPUT_MOUSE;
  event.mi.dx = absolute(point.x, GetSystemMetrics(SM_CXSCREEN));
  event.mi.dy = absolute(point.y, GetSystemMetrics(SM_CYSCREEN));
  event.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  SendInput(1, &event, sizeof event);
}

std::string dragWatching(HWND window, POINT from, POINT to, std::initializer_list<UINT> heldKeys,
                         const char* popupClass, const std::function<bool()>& moved) {
  // The keys held go to the focus of the foreground window, and the mouse
  // messages' key flags come from the keys its thread has seen: a dialog
  // without a focus would lose them.
  SetForegroundWindow(window);
  waitUntil([&] { return GetForegroundWindow() == window; });
  if (!focusOf(window)) SendMessageA(window, WM_NEXTDLGCTL, 0, FALSE);
  holdKeys(heldKeys, true);
  mouseTo(window, from, MOUSEEVENTF_LEFTDOWN);
  // Wine under X also reports where the display server's pointer went, a
  // moment later and possibly out of turn; the pointer is sent to its end
  // again until the window has moved there. A window that has just come to
  // the front takes the display server's keyboard state, in which nothing is
  // held, so a key it has dropped is pressed again.
  waitUntil([&] {
    for (UINT key : heldKeys) {
      if (GetAsyncKeyState(static_cast<int>(key)) >= 0) holdKeys({key}, true);
    }
    mouseTo(window, to);
    return moved() && ownedWindow(window, popupClass);
  });
  HWND popup = ownedWindow(window, popupClass);
  const std::string text = popup ? windowText(popup) : "";
  mouseTo(window, to, MOUSEEVENTF_LEFTUP);
  holdKeys(heldKeys, false);
  waitUntil([&] { return !ownedWindow(window, popupClass); });
  // Answered once the handler of the release, which closed the popup, is done.
  SendMessageA(window, WM_NULL, 0, 0);
  return text;
}

void typeText(HWND foreground, const char* text) {
  for (const char* c = text; *c; ++c) {
    const SHORT key = VkKeyScanA(*c);
    if (key & 0x100) {
      typeKeys(foreground, {VK_SHIFT, static_cast<UINT>(key & 0xFF)});
    } else {
      typeKey(foreground, static_cast<UINT>(key & 0xFF));
    }
  }
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

bool tabReaches(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  HWND before = GetNextDlgTabItem(dialog, control, TRUE);
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(before), TRUE);
  typeKey(dialog, VK_TAB);
  return waitUntil([&] { return focusOf(dialog) == control; });
}

std::vector<uint32_t> clientPixels(HWND window) {
  RECT area;
  GetClientRect(window, &area);
  const int width = area.right, height = area.bottom;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC dc = GetDC(window), memory = CreateCompatibleDC(dc);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(first, first + (bits ? width * height : 0));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, dc);
  return pixels;
}

HWND ownedWindow(HWND owner, const char* className) {
  OwnedQuery query = {owner, className, nullptr};
  EnumThreadWindows(GetWindowThreadProcessId(owner, nullptr), matchOwned,
                    reinterpret_cast<LPARAM>(&query));
  return query.found;
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
