#include "ui/editors/path_editor.h"

#include <commctrl.h>

#include <cstring>

#include "model/files/effect_file.h"
#include "path_editor_ids.h"
#include "ui/editors/editor_procedure.h"
#include "ui/library_state.h"
#include "ui/pane/preview_pane.h"

namespace vta {
namespace {

constexpr int kTimeTick = 10;
constexpr uint32_t kTimeRange = 100;
// Every view draws the scene and the path; while dragging the renderer may
// draw a lighter scene.
constexpr uint32_t kViewShows = 3, kViewDragging = 7;

PathComponent* pathOf(const ComponentList& paths, uint32_t objectId) {
  for (EffectComponent* member = paths.head; member; member = member->next) {
    if (member->linkId == objectId) return static_cast<PathComponent*>(member);
  }
  return nullptr;
}

}  // namespace

PathEditor::PathEditor(EffectSettings* record)
    : DialogPage(&PathEditor::procedure),
      record_(record),
      backup_(std::make_unique<EffectSettings>()),
      effect_(std::make_unique<EffectDescription>()),
      job_(std::make_unique<RenderJob>()) {
  current = this;
}

PathEditor::~PathEditor() {
  if (current == this) current = nullptr;
}

void PathEditor::openPathEditor(HWND parent) {
  if (!record_) return;
  job_->range = kTimeRange;
  // The backup is taken first, so Cancel also gives back the fly mode.
  backup_->copyFrom(*record_);
  const float flyMode = record_->globalParams[VTA_FLY_MODE];
  record_->globalParams[VTA_FLY_MODE] = 0.0f;
  loadDescription(*effect_, record_->effectName, 0);
  ComponentList& paths = record_->description.lists[kPaths];
  path_ = pathOf(paths, objectId_);
  if (!path_) {
    if (const PathComponent* own = pathOf(effect_->lists[kPaths], objectId_)) {
      path_ = static_cast<PathComponent*>(own->clone());
      paths.append(path_);
    }
  }
  if (!path_) {
    record_->globalParams[VTA_FLY_MODE] = flyMode;
    return;
  }
  const INT_PTR result =
      DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(kTemplate), parent, dialogProc(), 0);
  record_->globalParams[VTA_FLY_MODE] = flyMode;
  if (result == kCancel) {
    record_->copyFrom(*backup_);
  } else if (result == kRemove) {
    record_->description.removeComponent(kPaths, path_);
  }
  path_ = nullptr;
}

INT_PTR CALLBACK PathEditor::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PathEditor* editor = current;
  return editorProcedure(editor, window, message, wParam, lParam, [&] {
    if (editor && editor->path_) editor->handleMessage(message, wParam, lParam);
  });
}

void PathEditor::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: start(); break;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window(), &paint);
      EndPaint(window(), &paint);
      UpdateWindow(viewWindow_);
      drawView();
      break;
    }
    case WM_DESTROY:
      stopDragging();
      shortcuts_.stop();
      unbindView();
      break;
    case WM_HSCROLL:
      if (lParam) updateTrackbarLabel(reinterpret_cast<HWND>(lParam));
      refreshControls();
      drawView();
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: startDrag(lParam); break;
    case WM_MOUSEMOVE:
      // Only a move with a button held drags: the system also reports the
      // pointer when the capture changes, and no button is held then.
      if (dragging_ && (wParam & (MK_LBUTTON | MK_RBUTTON))) applyDrag(wParam, lParam);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      // A release with no drag of ours (the end of a double-click that closed
      // a file dialog, after a message box) changes nothing.
      if (dragging_) endDrag(wParam, lParam);
      break;
    case WM_CAPTURECHANGED: onCaptureChanged(); break;
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == EN_KILLFOCUS) {
        onEditFocus(LOWORD(wParam), HIWORD(wParam));
      } else if (HIWORD(wParam) == BN_CLICKED) {
        onCommand(LOWORD(wParam), HIWORD(wParam));
      }
      break;
  }
}

void PathEditor::start() {
  setTrackbarRange(IDC_PATH_TIME, 0, kTimeRange, kTimeTick);
  refreshControls();
  setActivePage(this);
  refreshEffectTexts(*this);
  refreshRenderButton(*this);
  checkRadio(IDC_PATH_MOVE, IDC_PATH_STRETCH, 0);
  checkRadio(IDC_PATH_CAMERA, IDC_PATH_SIDE, 0);
  for (int box : {IDC_PATH_AXIS_X, IDC_PATH_AXIS_Y, IDC_PATH_AXIS_Z}) setCheck(box, 1);
  bindView();
  history_.start(path_->keys, path_->keyCount);
  shortcuts_.start(window(), [this](EditorShortcut shortcut) { onShortcut(shortcut); });
}

// The view is drawn by a binding of the preview's renderer of its own,
// used only on this thread.
void PathEditor::bindView() {
  viewWindow_ = GetDlgItem(window(), IDC_PATH_VIEW);
  if (!viewWindow_) return;
  viewDC_ = GetDC(viewWindow_);
  RECT area;
  GetClientRect(viewWindow_, &area);
  RenderJob& job = *job_;
  job.width = static_cast<uint32_t>(area.right - area.left);
  job.height = static_cast<uint32_t>(area.bottom - area.top);
  job.output.describeBgr24(job.width, job.height, VTA_ROW_ALIGN_DWORD);
  job.viewDC = viewDC_;
  job.viewObject = objectId_;
  job.viewFlags = view_ | kViewShows;
  job.position = 0;
  if (!loadRenderer(true, renderer_, entries_) || !entries_.prepare) return;
  context_ = entries_.prepare(context_, reinterpret_cast<VtaEffectSettings*>(record_),
                              reinterpret_cast<VtaRenderJob*>(job_.get()));
}

void PathEditor::unbindView() {
  if (viewDC_) ReleaseDC(viewWindow_, viewDC_);
  viewDC_ = nullptr;
  if (context_ && entries_.freeContext) entries_.freeContext(context_);
  context_ = nullptr;
  entries_ = RendererEntries{};
  unloadRenderer(renderer_);
}

void PathEditor::drawView() {
  if (!window() || !renderer_.isOpen()) return;
  job_->position = static_cast<uint32_t>(getTrackbarValue(IDC_PATH_TIME));
  job_->viewObject = objectId_;
  job_->viewFlags = view_ | (dragging_ ? kViewDragging : kViewShows);
  if (context_ && entries_.render) {
    entries_.render(context_, reinterpret_cast<VtaEffectSettings*>(record_),
                    reinterpret_cast<VtaRenderJob*>(job_.get()));
  }
}

void PathEditor::onCommand(int id, int) {
  switch (id) {
    case IDOK: EndDialog(window(), kKeep); break;
    case IDCANCEL: EndDialog(window(), kCancel); break;
    case IDC_PATH_REMOVE: EndDialog(window(), kRemove); break;
    case IDC_PATH_NEXT_KEY: stepToKey(true); break;
    case IDC_PATH_PREVIOUS_KEY: stepToKey(false); break;
    case IDC_PATH_CREATE_KEY:
      commitKey();
      afterEdit();
      break;
    case IDC_PATH_DELETE_KEY:
      deleteKeyAtTime();
      afterEdit();
      break;
    case IDC_PATH_COPY_KEY:
      copyKey();
      afterEdit();
      break;
    case IDC_PATH_LOAD: loadPath(); break;
    case IDC_PATH_SAVE: savePath(); break;
    case IDC_PATH_LINEAR:
      applyEditsToKey();
      afterEdit();
      break;
    case IDC_PATH_AXIS_X: axis_[0] = isChecked(id); break;
    case IDC_PATH_AXIS_Y: axis_[1] = isChecked(id); break;
    case IDC_PATH_AXIS_Z: axis_[2] = isChecked(id); break;
    case IDC_PATH_MOVE: tool_ = PathTool::kMove; break;
    case IDC_PATH_ROTATE: tool_ = PathTool::kRotate; break;
    case IDC_PATH_STRETCH: tool_ = PathTool::kStretch; break;
    case IDC_PATH_CAMERA:
      view_ = kCameraView;
      drawView();
      break;
    case IDC_PATH_PERSPECTIVE:
      view_ = kPerspectiveView;
      drawView();
      break;
    case IDC_PATH_TOP:
      view_ = kTopView;
      drawView();
      break;
    case IDC_PATH_SIDE:
      view_ = kSideView;
      drawView();
      break;
  }
}

void PathEditor::onEditFocus(int id, int code) {
  HWND box = GetDlgItem(window(), id);
  if (!isEditBox(box)) return;
  if (code == EN_SETFOCUS) {
    boxMemory_.remember(box);
    return;
  }
  if (!boxMemory_.changed(box)) return;
  applyEditsToKey();
  afterEdit();
}

void PathEditor::afterEdit() {
  if (!dragging_) history_.record(path_->keys, path_->keyCount);
  checkPreviewRestart();
}

}  // namespace vta
