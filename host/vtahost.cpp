// vtahost: a small demo host for Vantaro30.dll. It binds the library at run
// time, the way a video editor does, keeps one effect settings record, lets
// the user choose a transition for it, shows what the record holds, saves it
// to and opens it from a file, and renders the transition at its own size
// through the renderer plug-in the user chose, then plays the frames.
//
//   vtahost.exe                 interactive
//   vtahost.exe --capture DIR   unattended: shows each dialog, saves PNG
//                               captures into DIR, then closes by itself
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "capture_tour.h"
#include "frame_player.h"
#include "platform/boundary.h"
#include "host_ids.h"
#include "host_layout.h"
#include "model/files/defaults_file.h"
#include "record_listing.h"
#include "render_dialog.h"
#include "vantaro/vantaro.h"

namespace vta::host {
namespace {

struct Library {
  HMODULE module = nullptr;
  VtaSelectFunction select = nullptr;
  VtaAboutFunction about = nullptr;

  template <typename Function>
  Function entry(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }
  bool bind() {
    module = LoadLibraryA("Vantaro30.dll");
    if (!module) return false;
    select = entry<VtaSelectFunction>("VTAGUI_Select");
    about = entry<VtaAboutFunction>("VTAGUI_About");
    return select && about;
  }
};

Library g_library;
EffectSettings g_record;
RenderChoices g_renderChoices;

const char* const kResults[] = {"OK", "cancelled", "dialog not created"};

void showRecord(HWND window, const std::string& status) {
  SetDlgItemTextA(window, kRecordView, describeRecord(g_record).c_str());
  SetDlgItemTextA(window, kStatusText, status.c_str());
}

std::string resultText(const char* call, short result) {
  const char* meaning = result >= 0 && result <= 2 ? kResults[result] : "unknown";
  return std::string(call) + " returned " + std::to_string(result) + " (" + meaning + ").";
}

void onChoose(HWND window) {
  EffectSettings second;
  const bool filterMode = IsDlgButtonChecked(window, kFilterModeCheck) == BST_CHECKED;
  const short result =
      g_library.select(window, reinterpret_cast<VtaEffectSettings*>(&g_record),
                       filterMode ? reinterpret_cast<VtaEffectSettings*>(&second) : nullptr);
  showRecord(window, resultText("VTAGUI_Select", result));
}

void onRender(HWND window) {
  if (g_record.effectName[0] == '\0') {
    MessageBoxA(window, "Choose a transition first.", kCaption, MB_ICONINFORMATION);
    return;
  }
  std::vector<render::RgbPicture> frames;
  if (!showRenderDialog(window, g_record, g_renderChoices, frames)) return;
  const RenderChoices& c = g_renderChoices;
  layOut(window, static_cast<int>(c.width), static_cast<int>(c.height));
  playFrames(GetDlgItem(window, kFramePlayer), std::move(frames));
  showRecord(window, "Rendered " + std::to_string(c.frames) + " frames of " +
                         std::to_string(c.width) + " x " + std::to_string(c.height) + " into " +
                         c.folder + "; playing them below.");
}

void onAbout(HWND window) {
  showRecord(window, resultText("VTAGUI_About", g_library.about(window, nullptr, nullptr)));
}

// Asks for a record file name; false when the user cancelled.
bool askFileName(HWND window, bool saving, char (&path)[MAX_PATH]) {
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
  dialog.lpstrFilter = "Vantaro records (*.vri)\0*.vri\0All files\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = "vri";
  dialog.Flags = saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
  return saving ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
}

void onOpen(HWND window) {
  char path[MAX_PATH] = "";
  if (!askFileName(window, false, path)) return;
  EffectSettings loaded;
  if (!loadDefaultsFile(loaded, path)) {
    MessageBoxA(window, "The file is not a complete Vantaro record.", kCaption, MB_ICONERROR);
    return;
  }
  g_record.copyFrom(loaded);
  showRecord(window, std::string("Opened ") + path + ".");
}

void onSave(HWND window) {
  char path[MAX_PATH] = "";
  if (!askFileName(window, true, path)) return;
  if (!saveDefaultsFile(g_record, path)) {
    MessageBoxA(window, "The record could not be saved.", kCaption, MB_ICONERROR);
    return;
  }
  showRecord(window, std::string("Saved ") + path + ".");
}

LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      createControls(window);
      showRecord(window, "Vantaro30.dll loaded. Choose a transition.");
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kChooseButton: onChoose(window); break;
        case kRenderButton: onRender(window); break;
        case kAboutButton: onAbout(window); break;
        case kOpenButton: onOpen(window); break;
        case kSaveButton: onSave(window); break;
        default: break;
      }
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return guarded<LRESULT>(0, [&] { return handle(window, message, wParam, lParam); });
}

HWND createHostWindow(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = hostProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "VantaroDemoHost";
  RegisterClassA(&windowClass);
  // Sized to its controls when they are made (layOut).
  return CreateWindowA("VantaroDemoHost", kCaption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 0, 0,
                       nullptr, nullptr, instance, nullptr);
}

}  // namespace
}  // namespace vta::host

int main(int argc, char** argv) {
  using namespace vta::host;
  const bool unattended = argc == 3 && std::strcmp(argv[1], "--capture") == 0;
  if (!g_library.bind()) {
    // Unattended, nobody would close a message box.
    if (unattended)
      std::fprintf(stderr, "vtahost: Vantaro30.dll could not be loaded.\n");
    else
      MessageBoxA(nullptr, "Vantaro30.dll could not be loaded.", kCaption, MB_ICONERROR);
    return 1;
  }
  // The render dialog's progress bar, also before the library's first call.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  HWND window = createHostWindow(GetModuleHandleA(nullptr));
  if (!window) return 1;
  std::thread tour;
  bool tourPassed = true;
  if (unattended) {
    tour = std::thread([&] {
      tourPassed = vta::guarded(false, [&] { return runCaptureTour(window, argv[2]); });
      if (!tourPassed) PostMessageA(window, WM_CLOSE, 0, 0);  // also after an exception
    });
  }

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  if (tour.joinable()) tour.join();
  g_record.clear();
  FreeLibrary(g_library.module);
  return tourPassed ? 0 : 1;
}
