#include "ui/editors/drag_readout.h"

#include "ui/library_state.h"

namespace vta {
namespace {

// Distance from the pointer, clear of the arrow, and the text's margin.
constexpr int kPointerOffset = 16;
constexpr int kMargin = 3;

SIZE textSize(HWND window, HFONT font, const std::string& text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size;
}

}  // namespace

void DragReadout::show(HWND owner, const std::string& text, POINT at) {
  const auto font = reinterpret_cast<HFONT>(SendMessageA(owner, WM_GETFONT, 0, 0));
  if (!window_) {
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "Static", "",
                              WS_POPUP | WS_BORDER | SS_CENTER | SS_CENTERIMAGE, 0, 0, 0, 0, owner,
                              nullptr, moduleInstance(), nullptr);
    if (!window_) return;
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  SetWindowTextA(window_, text.c_str());
  const SIZE size = textSize(window_, font, text);
  ClientToScreen(owner, &at);
  SetWindowPos(window_, HWND_TOP, at.x + kPointerOffset, at.y + kPointerOffset,
               size.cx + 2 * kMargin + 2, size.cy + 2 * kMargin, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void DragReadout::hide() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  window_ = nullptr;
}

}  // namespace vta
