#include "ui/pages/effect_icon_tips.h"

#include <commctrl.h>

#include "effects_page_ids.h"

namespace vta {
namespace {

constexpr int kTipWidth = 300;  // pixels; longer lines wrap

}  // namespace

HWND createIconTips(HWND page) {
  HWND tips = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, page, nullptr,
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(page, GWLP_HINSTANCE)),
                              nullptr);
  if (!tips) return nullptr;
  SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
  for (int id = IDC_EFFECTS_FIRST_ICON; id <= IDC_EFFECTS_LAST_ICON; ++id) {
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = page;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(page, id));
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  return tips;
}

std::string effectTipText(const char* title, const char* description) {
  std::string tip = title ? title : "";
  const std::string text = description ? description : "";
  const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
  if (!firstLine.empty()) tip += "\n" + firstLine;
  return tip;
}

}  // namespace vta
