// vtahost: a small demo host for Vantaro30.dll. It binds the library at run
// time, the way a video editor does, and calls its exports from buttons.
//
//   vtahost.exe                 interactive
//   vtahost.exe --capture DIR   unattended: shows each dialog, saves PNG
//                               captures into DIR, then closes by itself
#include <windows.h>

#include <cstring>
#include <string>
#include <thread>

#include "vantaro/vantaro.h"
#include "window_driver.h"

namespace {

constexpr char kHostCaption[] = "Vantaro Demo Host";
constexpr int kAboutButton = 100;
constexpr int kStatusText = 101;

struct Library {
  HMODULE module = nullptr;
  VtaAboutFunction about = nullptr;
};
Library g_library;

bool bindLibrary() {
  g_library.module = LoadLibraryA("Vantaro30.dll");
  if (!g_library.module) return false;
  g_library.about = reinterpret_cast<VtaAboutFunction>(
      reinterpret_cast<void*>(GetProcAddress(g_library.module, "VTAGUI_About")));
  return g_library.about != nullptr;
}

void showStatus(HWND window, const std::string& text) {
  SetDlgItemTextA(window, kStatusText, text.c_str());
}

void onAbout(HWND window) {
  const short result = g_library.about(window, nullptr, nullptr);
  showStatus(window, "VTAGUI_About returned " + std::to_string(result) + ".");
}

void createControls(HWND window) {
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HWND about = CreateWindowA("BUTTON", "About...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 16, 16,
                             110, 28, window, reinterpret_cast<HMENU>(kAboutButton), nullptr, nullptr);
  HWND status = CreateWindowA("STATIC", "Vantaro30.dll loaded. Choose an action.",
                              WS_CHILD | WS_VISIBLE | SS_LEFT, 16, 60, 380, 20, window,
                              reinterpret_cast<HMENU>(kStatusText), nullptr, nullptr);
  SendMessageA(about, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(status, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      createControls(window);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kAboutButton) onAbout(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND createHostWindow(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = hostProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "VantaroDemoHost";
  RegisterClassA(&windowClass);
  return CreateWindowA("VantaroDemoHost", kHostCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                       440, 140, nullptr, nullptr, instance, nullptr);
}

// Walks through every dialog of the library once, saving a capture of each.
void captureTour(std::string folder) {
  auto path = [&](const char* name) { return folder + "\\" + name + ".png"; };
  HWND host = vta::waitForWindow(kHostCaption);
  if (!host) return;
  vta::captureWindow(host, path("host"));
  vta::clickButton(host, kAboutButton);
  if (HWND about = vta::waitForWindow("About Vantaro")) {
    vta::captureWindow(about, path("about"));
    vta::pressKey(about, VK_ESCAPE);
    vta::waitForWindowGone(about);
  }
  vta::captureWindow(host, path("host_after_about"));
  PostMessageA(host, WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (!bindLibrary()) {
    MessageBoxA(nullptr, "Vantaro30.dll could not be loaded.", kHostCaption, MB_ICONERROR);
    return 1;
  }
  HWND window = createHostWindow(GetModuleHandleA(nullptr));
  std::thread tour;
  if (argc == 3 && std::strcmp(argv[1], "--capture") == 0) tour = std::thread(captureTour, argv[2]);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  if (tour.joinable()) tour.join();
  FreeLibrary(g_library.module);
  return 0;
}
