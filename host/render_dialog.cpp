#include "render_dialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <cstring>
#include <filesystem>

#include "engine_choice.h"
#include "platform/boundary.h"
#include "picture_file.h"
#include "png_writer.h"
#include "render_dialog_ids.h"
#include "render_worker.h"
#include "sample_pictures.h"

namespace vta::host {
namespace {

constexpr uint32_t kMinSide = 16, kMaxSide = 4096, kMaxFrames = 1000, kMaxThreads = 64;
// The host keeps every frame to play it; renders that would need more are refused.
constexpr uint64_t kMaxFrameBytes = uint64_t{1} << 30;

struct RenderDialog {
  RenderDialog(const EffectSettings& r, RenderChoices& c, std::vector<render::RgbPicture>& f)
      : record(r), choices(c), frames(f) {}

  const EffectSettings& record;
  RenderChoices& choices;
  std::vector<render::RgbPicture>& frames;
  EngineChoice engine = readEngineChoice();
  RenderWorker worker;
  bool closeWhenEnded = false;
};

std::string effectName(const EffectSettings& record) {
  return std::string(record.effectName, strnlen(record.effectName, sizeof record.effectName));
}

std::string defaultFolder() {
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "Vantaro Render";
}

std::string fieldText(HWND dialog, int id) {
  char text[MAX_PATH] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

void setStatus(HWND dialog, const std::string& text) {
  SetDlgItemTextA(dialog, IDC_RENDER_STATUS, text.c_str());
}

void showChoices(HWND dialog, const RenderDialog& d) {
  SetDlgItemTextA(dialog, IDC_RENDER_EFFECT, effectName(d.record).c_str());
  SetDlgItemTextA(dialog, IDC_RENDER_ENGINE,
                  (d.engine.engine + " (" + d.engine.pluginPath + ")").c_str());
  SetDlgItemInt(dialog, IDC_RENDER_WIDTH, d.choices.width, FALSE);
  SetDlgItemInt(dialog, IDC_RENDER_HEIGHT, d.choices.height, FALSE);
  SetDlgItemInt(dialog, IDC_RENDER_FRAMES, d.choices.frames, FALSE);
  SetDlgItemInt(dialog, IDC_RENDER_THREADS, d.choices.threads, FALSE);
  SetDlgItemTextA(dialog, IDC_RENDER_FROM, d.choices.from.c_str());
  SetDlgItemTextA(dialog, IDC_RENDER_TO, d.choices.to.c_str());
  SetDlgItemTextA(dialog, IDC_RENDER_FOLDER, d.choices.folder.c_str());
}

// Reads the fields into c; false with the reason when one is out of range.
bool readChoices(HWND dialog, RenderChoices& c, std::string& problem) {
  BOOL ok[4] = {};
  c.width = GetDlgItemInt(dialog, IDC_RENDER_WIDTH, &ok[0], FALSE);
  c.height = GetDlgItemInt(dialog, IDC_RENDER_HEIGHT, &ok[1], FALSE);
  c.frames = GetDlgItemInt(dialog, IDC_RENDER_FRAMES, &ok[2], FALSE);
  c.threads = GetDlgItemInt(dialog, IDC_RENDER_THREADS, &ok[3], FALSE);
  c.from = fieldText(dialog, IDC_RENDER_FROM);
  c.to = fieldText(dialog, IDC_RENDER_TO);
  c.folder = fieldText(dialog, IDC_RENDER_FOLDER);
  const auto side = [](BOOL read, uint32_t value) {
    return read && value >= kMinSide && value <= kMaxSide;
  };
  if (!side(ok[0], c.width) || !side(ok[1], c.height))
    problem = "Width and height must lie between 16 and 4096 pixels.";
  else if (!ok[2] || c.frames < 1 || c.frames > kMaxFrames)
    problem = "The frame count must lie between 1 and 1000.";
  else if (!ok[3] || c.threads > kMaxThreads)
    problem = "The thread count must lie between 0 (one per core) and 64.";
  else if (uint64_t{c.width} * c.height * 3 * c.frames > kMaxFrameBytes)
    problem = "Too many frames at this size to play: choose fewer or smaller frames.";
  else if (c.from.empty() != c.to.empty())
    problem = "Choose both pictures, or neither for the sample pictures.";
  else if (c.folder.empty())
    problem = "Choose a folder for the frames.";
  return problem.empty();
}

// The sample pictures, with the user's two in place of sources 1 and 2.
bool loadSources(const RenderDialog& d, std::vector<render::RgbPicture>& sources, std::string& problem) {
  sources = samplePictures(d.engine.installFolder);
  if (d.choices.from.empty()) return true;
  return readPictureFile(d.choices.from, sources[0], problem) &&
         readPictureFile(d.choices.to, sources[1], problem);
}

bool encodePngFrame(const render::RgbPicture& frame, std::string& file) {
  file = pngBytes(static_cast<int>(frame.width), static_cast<int>(frame.height), frame.rgb.data());
  return !file.empty();
}

void setRendering(HWND dialog, bool rendering) {
  for (int id = IDC_RENDER_WIDTH; id <= IDC_RENDER_FOLDER_BROWSE; ++id)
    EnableWindow(GetDlgItem(dialog, id), !rendering);
  EnableWindow(GetDlgItem(dialog, IDC_RENDER_THREADS), !rendering);
  EnableWindow(GetDlgItem(dialog, IDOK), !rendering);
}

void onRender(HWND dialog, RenderDialog& d) {
  std::string problem;
  std::vector<render::RgbPicture> sources;
  std::error_code ec;
  if (!readChoices(dialog, d.choices, problem) || !loadSources(d, sources, problem))
    return setStatus(dialog, problem);
  std::filesystem::create_directories(d.choices.folder, ec);
  if (!std::filesystem::is_directory(d.choices.folder, ec))
    return setStatus(dialog, "The folder " + d.choices.folder + " could not be made.");
  const RenderChoices& c = d.choices;
  SendDlgItemMessageA(dialog, IDC_RENDER_PROGRESS, PBM_SETRANGE32, 0, c.frames);
  SendDlgItemMessageA(dialog, IDC_RENDER_PROGRESS, PBM_SETPOS, 0, 0);
  setRendering(dialog, true);
  setStatus(dialog, "Rendering...");
  d.worker.start(dialog, d.engine.pluginPath, d.record,
                 {c.width, c.height, c.frames, std::move(sources), c.threads},
                 render::FrameFolder(c.folder, effectName(d.record), ".png", encodePngFrame));
}

void onFrame(HWND dialog, const RenderDialog& d, uint32_t done) {
  SendDlgItemMessageA(dialog, IDC_RENDER_PROGRESS, PBM_SETPOS, done, 0);
  setStatus(dialog,
            "Frame " + std::to_string(done) + " of " + std::to_string(d.choices.frames) + " done.");
}

void onEnded(HWND dialog, RenderDialog& d, render::RenderEnd end) {
  d.worker.finish();
  if (end == render::RenderEnd::finished || d.closeWhenEnded) {
    if (end == render::RenderEnd::finished) d.frames = std::move(d.worker.frames());
    EndDialog(dialog, end == render::RenderEnd::finished ? IDOK : IDCANCEL);
    return;
  }
  setRendering(dialog, false);
  const size_t kept = d.worker.frames().size();
  setStatus(dialog, end == render::RenderEnd::cancelled ? "Cancelled. The folder keeps the " +
                                                      std::to_string(kept) + " frames done before."
                                                : d.worker.error());
}

void onCancel(HWND dialog, RenderDialog& d, bool close) {
  if (!d.worker.running()) {
    EndDialog(dialog, IDCANCEL);
    return;
  }
  d.closeWhenEnded = d.closeWhenEnded || close;
  d.worker.cancel();
  setStatus(dialog, "Cancelling...");
}

void browsePicture(HWND dialog, int field) {
  char path[MAX_PATH] = "";
  OPENFILENAMEA box = {};
  box.lStructSize = sizeof box;
  box.hwndOwner = dialog;
  box.lpstrFilter = "Pictures\0*.bmp;*.png;*.jpg;*.jpeg;*.gif;*.tif;*.tiff\0All files\0*.*\0";
  box.lpstrFile = path;
  box.nMaxFile = MAX_PATH;
  box.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameA(&box)) SetDlgItemTextA(dialog, field, path);
}

void browseFolder(HWND dialog) {
  char path[MAX_PATH] = "";
  BROWSEINFOA box = {};
  box.hwndOwner = dialog;
  box.lpszTitle = "Folder for the rendered frames";
  box.ulFlags = BIF_RETURNONLYFSDIRS;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&box);
  if (!chosen) return;
  if (SHGetPathFromIDListA(chosen, path)) SetDlgItemTextA(dialog, IDC_RENDER_FOLDER, path);
  CoTaskMemFree(chosen);
}

void onCommand(HWND dialog, RenderDialog& d, int id) {
  switch (id) {
    case IDOK: onRender(dialog, d); break;
    case IDCANCEL: onCancel(dialog, d, false); break;
    case IDC_RENDER_FROM_BROWSE: browsePicture(dialog, IDC_RENDER_FROM); break;
    case IDC_RENDER_TO_BROWSE: browsePicture(dialog, IDC_RENDER_TO); break;
    case IDC_RENDER_FOLDER_BROWSE: browseFolder(dialog); break;
    default: break;
  }
}

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    showChoices(dialog, *reinterpret_cast<RenderDialog*>(lParam));
    return TRUE;
  }
  auto* d = reinterpret_cast<RenderDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!d) return FALSE;
  switch (message) {
    case WM_COMMAND: onCommand(dialog, *d, LOWORD(wParam)); return TRUE;
    case WM_CLOSE: onCancel(dialog, *d, true); return TRUE;
    case kFrameRendered: onFrame(dialog, *d, static_cast<uint32_t>(wParam)); return TRUE;
    case kRenderEnded: onEnded(dialog, *d, static_cast<render::RenderEnd>(wParam)); return TRUE;
    default: return FALSE;
  }
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return guarded<INT_PTR>(FALSE, [&] { return handle(dialog, message, wParam, lParam); });
}

}  // namespace

bool showRenderDialog(HWND owner, const EffectSettings& record, RenderChoices& choices,
                      std::vector<render::RgbPicture>& frames) {
  if (choices.folder.empty()) choices.folder = defaultFolder();
  RenderDialog d(record, choices, frames);
  const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_RENDER),
                                         owner, dialogProc, reinterpret_cast<LPARAM>(&d));
  return result == IDOK;
}

}  // namespace vta::host
