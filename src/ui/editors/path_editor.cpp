#include "ui/editors/path_editor.h"

#include <commctrl.h>

#include <cstring>

#include "model/files/effect_file.h"
#include "model/files/path_file.h"
#include "path_editor_ids.h"
#include "ui/library_state.h"

namespace vta {
namespace {

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

const KeyEditorKind<PathComponent> kPathEditor = {
    IDD_PATH_EDITOR,
    {IDC_PATH_TIME, IDC_PATH_VIEW, IDC_PATH_KEY_GROUP, IDC_PATH_PREVIOUS_KEY, IDC_PATH_NEXT_KEY,
     IDC_PATH_CREATE_KEY, IDC_PATH_DELETE_KEY, IDC_PATH_REMOVE, IDC_PATH_LOAD, IDC_PATH_SAVE,
     IDC_PATH_TENSION, IDC_PATH_CONTINUITY, IDC_PATH_BIAS, IDC_PATH_LINEAR, IDC_PATH_KEY_TIME},
    "Values at",
    {"Paths", "Vantaro Paths (*.pth)\0*.pth\0", "pth"},
    "Load A Path",
    "Save A Path",
    "Could not read path from disk",
    "Could not write path to disk",
    &loadPathFile,
    &savePathFile};

// Black and white dots: they show on any picture, and drawing them again
// changes nothing (a focus rectangle drawn by XOR would go again).
void drawFocusFrame(HDC dc, const RECT& area) {
  HPEN pen = CreatePen(PS_DOT, 1, RGB(255, 255, 255));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  const int oldMode = SetBkMode(dc, OPAQUE);
  const COLORREF oldBack = SetBkColor(dc, RGB(0, 0, 0));
  Rectangle(dc, area.left, area.top, area.right, area.bottom);
  SetBkColor(dc, oldBack);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

}  // namespace

PathEditor::PathEditor(SheetContext& context)
    : KeyEditor(context, kPathEditor),
      backup_(std::make_unique<EffectSettings>()),
      job_(std::make_unique<RenderJob>()) {}

PathEditor::~PathEditor() = default;

void PathEditor::openPathEditor(HWND parent) {
  record_ = &session().record();
  job_->range = kTimeRange;
  // The backup is taken first, so Cancel also gives back the fly mode.
  backup_->copyFrom(*record_);
  const float flyMode = record_->globalParams[VTA_FLY_MODE];
  record_->globalParams[VTA_FLY_MODE] = 0.0f;
  const EffectDescription* effect = session().selectedEffect();
  ComponentList& paths = record_->description.lists[kPaths];
  PathComponent* path = pathOf(paths, objectId_);
  if (!path && effect) {
    if (const PathComponent* own = pathOf(effect->lists[kPaths], objectId_)) {
      path = static_cast<PathComponent*>(own->clone());
      paths.append(path);
    }
  }
  if (!path) {
    record_->globalParams[VTA_FLY_MODE] = flyMode;
    return;
  }
  const INT_PTR result = run(parent, *path);
  record_->globalParams[VTA_FLY_MODE] = flyMode;
  if (result == kCancel) {
    record_->copyFrom(*backup_);
  } else if (result == kRemove) {
    record_->description.removeComponent(kPaths, path);
  }
}

void PathEditor::onInitView() {
  checkRadio(IDC_PATH_MOVE, IDC_PATH_STRETCH, 0);
  checkRadio(IDC_PATH_CAMERA, IDC_PATH_SIDE, 0);
  for (int box : {IDC_PATH_AXIS_X, IDC_PATH_AXIS_Y, IDC_PATH_AXIS_Z}) setCheck(box, 1);
  bindView();
}

void PathEditor::onDestroyView() { unbindView(); }

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

// Without a renderer the view stays an empty frame. The focus shows as a
// dotted frame inside it; when the focus comes or goes the view is cleared
// first, since the renderer may draw nothing over it.
void PathEditor::redraw() {
  if (!window() || !viewDC_) return;
  RECT area;
  GetClientRect(viewWindow_, &area);
  InflateRect(&area, -1, -1);
  const bool focused = viewFocused();
  const bool rendering = renderer_.isOpen() && context_ && entries_.render;
  if (!rendering || focused != focusShown_) {
    FillRect(viewDC_, &area, GetSysColorBrush(COLOR_BTNFACE));
  }
  focusShown_ = focused;
  if (rendering) renderView();
  InflateRect(&area, -1, -1);
  if (focused) drawFocusFrame(viewDC_, area);
}

// The renderer keeps each view's framing until a job asks for a new one.
void PathEditor::renderView() {
  job_->position = static_cast<uint32_t>(getTrackbarValue(IDC_PATH_TIME));
  job_->viewObject = objectId_;
  job_->viewFlags =
      view_ | (dragging() ? kViewDragging : kViewShows) | (frameNext_ ? VTA_VIEW_FRAME : 0u);
  frameNext_ = false;
  entries_.render(context_, reinterpret_cast<VtaEffectSettings*>(record_),
                  reinterpret_cast<VtaRenderJob*>(job_.get()));
}

void PathEditor::frameView() {
  frameNext_ = true;
  redraw();
}

void PathEditor::onOwnCommand(int id) {
  switch (id) {
    case IDC_PATH_COPY_KEY:
      copyKey();
      afterEdit();
      break;
    case IDC_PATH_AXIS_X: axis_[0] = isChecked(id); break;
    case IDC_PATH_AXIS_Y: axis_[1] = isChecked(id); break;
    case IDC_PATH_AXIS_Z: axis_[2] = isChecked(id); break;
    case IDC_PATH_MOVE: tool_ = PathTool::kMove; break;
    case IDC_PATH_ROTATE: tool_ = PathTool::kRotate; break;
    case IDC_PATH_STRETCH: tool_ = PathTool::kStretch; break;
    case IDC_PATH_CAMERA: view_ = kCameraView; break;
    case IDC_PATH_PERSPECTIVE: view_ = kPerspectiveView; break;
    case IDC_PATH_TOP: view_ = kTopView; break;
    case IDC_PATH_SIDE: view_ = kSideView; break;
    case IDC_PATH_FRAME: return frameView();
    default: return;
  }
  if (id >= IDC_PATH_CAMERA && id <= IDC_PATH_SIDE) redraw();
}

}  // namespace vta
