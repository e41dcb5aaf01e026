#include "ui/pages/about_box.h"

#include "about_ids.h"
#include "ui/library_state.h"

namespace vta {
namespace {

constexpr size_t kMaxLineLength = 79;

// What one showing of the box displays; lives for the duration of the modal loop.
struct AboutContent {
  char title[kMaxLineLength + 1];
  char release[kMaxLineLength + 1];
  HFONT titleFont;
  HFONT releaseFont;
};

void copyLine(char (&line)[kMaxLineLength + 1], const char* text, const char* fallback) {
  lstrcpynA(line, text ? text : fallback, sizeof line);
}

HFONT createBoldArial(int height) {
  return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Arial");
}

void showLine(HWND dialog, int controlId, HFONT font, const char* text) {
  HWND control = GetDlgItem(dialog, controlId);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowTextA(control, text);
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* content = reinterpret_cast<const AboutContent*>(lParam);
      showLine(dialog, IDC_ABOUT_TITLE, content->titleFont, content->title);
      showLine(dialog, IDC_ABOUT_RELEASE, content->releaseFont, content->release);
      return FALSE;
    }
    case WM_COMMAND:
      // Any command closes the box: Enter, Escape and the close box all send one.
      EndDialog(dialog, 1);
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

int showAboutBox(HWND parent, const char* titleText, const char* releaseText) {
  AboutContent content;
  copyLine(content.title, titleText, "Vantaro");
  copyLine(content.release, releaseText, "Release 3");
  content.titleFont = createBoldArial(28);
  content.releaseFont = createBoldArial(18);

  INT_PTR result = DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(IDD_ABOUT), parent, aboutProc,
                                   reinterpret_cast<LPARAM>(&content));

  DeleteObject(content.titleFont);
  DeleteObject(content.releaseFont);
  return result == -1 ? 2 : 0;
}

}  // namespace vta
