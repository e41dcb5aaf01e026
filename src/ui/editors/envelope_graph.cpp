#include "ui/editors/envelope_graph.h"

#include <algorithm>
#include <cmath>

#include "curves/kb_spline.h"
#include "curves/key_editing.h"

namespace vta {
namespace {

constexpr int kKeySquareHalf = 3;
// Horizontal grid lines lie at least this many pixels apart.
constexpr int kGridSpacing = 3;
// Share of the text colour in the grid's colour, the rest the button face's.
constexpr int kGridTextShare = 25;
const COLORREF kCurveColour = RGB(0, 0, 255);
const COLORREF kCursorColour = RGB(0, 255, 255);

// The control's client rectangle less a one-pixel border: background and
// clip area of every drawing.
RECT paintArea(HWND graph) {
  RECT area;
  GetClientRect(graph, &area);
  InflateRect(&area, -1, -1);
  return area;
}

// The drawing rectangle within a paint area whose top left is at (x, y).
GraphArea drawingArea(const RECT& area, int x, int y) {
  return {x, y, x + (area.right - area.left) - 1, y + (area.bottom - area.top) - 1};
}

// The button face a quarter of the way to the button text: it reads on light
// and dark system colours alike.
COLORREF gridColour() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
  const auto mix = [](int from, int to) {
    return static_cast<BYTE>(from + (to - from) * kGridTextShare / 100);
  };
  return RGB(mix(GetRValue(face), GetRValue(text)), mix(GetGValue(face), GetGValue(text)),
             mix(GetBValue(face), GetBValue(text)));
}

void line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

}  // namespace

int GraphArea::timeX(float t) const { return left + static_cast<int>(width() * t); }

int GraphArea::curveY(float value, const EnvelopeScale& s) const {
  const float range = s.maxValue - s.minValue;
  return bottom - static_cast<int>((value - s.minValue) / range * height() + 0.5f);
}

int GraphArea::gridY(float value, const EnvelopeScale& s) const {
  const float range = s.maxValue - s.minValue;
  return bottom - static_cast<int>((value - s.minValue) / range * (height() + 1) + 0.5f);
}

void EnvelopeGraph::locate(HWND dialog, HWND graph) {
  RECT area;
  GetClientRect(graph, &area);
  MapWindowPoints(graph, dialog, reinterpret_cast<POINT*>(&area), 2);
  inDialog_ = {area.left + 1, area.top + 1, area.right - 2, area.bottom - 2};
}

// The grid's value step and its number of lines, one at the minimum and one
// every step up to the maximum: the scale's grid step, or a multiple of it
// where its lines would lie closer than kGridSpacing pixels (a morph
// envelope's range is the effect's frame count, possibly millions).
int EnvelopeGraph::gridLineCount(const GraphArea& a, double& step) const {
  const double range = static_cast<double>(scale_.maxValue) - scale_.minValue;
  step = scale_.gridStep;
  if (!(step > 0) || !(range >= 0) || !std::isfinite(range)) return 0;
  const double most = std::max(1, a.height() / kGridSpacing);
  const double lines = std::floor(range / step);
  if (lines > most) step *= std::ceil(lines / most);
  return static_cast<int>(std::floor(range / step)) + 1;
}

void EnvelopeGraph::paint(HDC dc, const GraphArea& a, const EnvelopeComponent& envelope) const {
  double step = 0;
  HPEN gridPen = CreatePen(PS_SOLID, 1, gridColour());
  HGDIOBJ oldPen = SelectObject(dc, gridPen);
  for (int i = 0; i <= 100; i += 10) {
    const int x = a.timeX(keyTimeFromPercent(i));
    line(dc, x, a.top, x, a.bottom);
  }
  for (int i = 0, count = gridLineCount(a, step); i < count; ++i) {
    const float v = static_cast<float>(scale_.minValue + i * step);
    line(dc, a.left, a.gridY(v, scale_), a.right, a.gridY(v, scale_));
  }
  HPEN curvePen = CreatePen(PS_SOLID, 1, kCurveColour);
  SelectObject(dc, curvePen);
  for (int i = 0; i <= 100; ++i) {
    const float t = keyTimeFromPercent(i);
    const int x = a.timeX(t), y = a.curveY(envelope.evaluate(t), scale_);
    if (i == 0)
      MoveToEx(dc, x, y, nullptr);
    else
      LineTo(dc, x, y);
  }
  // Every key at its own time, also one between whole percents.
  for (uint32_t i = 0; i < envelope.keyCount; ++i) {
    const float t = envelope.keys[i].time;
    const int x = a.timeX(t), y = a.curveY(envelope.evaluate(t), scale_);
    RECT square = {x - kKeySquareHalf, y - kKeySquareHalf, x + kKeySquareHalf, y + kKeySquareHalf};
    FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  SelectObject(dc, oldPen);
  DeleteObject(curvePen);
  DeleteObject(gridPen);
}

void EnvelopeGraph::draw(HWND graph, const EnvelopeComponent& envelope, float cursorTime) const {
  if (!graph) return;
  const RECT area = paintArea(graph);
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 1 || height <= 1) return;
  HDC dc = GetDC(graph);
  // Drawn off-screen and copied in one piece, so a drag does not flicker.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  RECT whole = {0, 0, width, height};
  FillRect(memory, &whole, GetSysColorBrush(COLOR_BTNFACE));
  paint(memory, drawingArea(area, 0, 0), envelope);
  if (GetFocus() == graph) DrawFocusRect(memory, &whole);
  BitBlt(dc, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(graph, dc);
  drawCursor(graph, envelope, cursorTime);
}

void EnvelopeGraph::drawCursor(HWND graph, const EnvelopeComponent& envelope, float t) const {
  if (!graph) return;
  const RECT area = paintArea(graph);
  const GraphArea a = drawingArea(area, area.left, area.top);
  HDC dc = GetDC(graph);
  HPEN pen = CreatePen(PS_SOLID, 1, kCursorColour);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  const int oldMode = SetROP2(dc, R2_XORPEN);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  const int x = a.timeX(t);
  line(dc, x, a.top, x, a.bottom);
  EnvelopeKey key;
  if (envelope.findKey(t, key)) {
    const int y = a.gridY(envelope.evaluate(t), scale_), d = kKeySquareHalf;
    const POINT box[] = {
        {x - d, y - d}, {x + d, y - d}, {x + d, y + d}, {x - d, y + d}, {x - d, y - d}};
    Polyline(dc, box, 5);
  }
  SetROP2(dc, oldMode);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  ReleaseDC(graph, dc);
}

bool EnvelopeGraph::toPoint(int x, int y, bool dragging, float& t, float& value) const {
  const GraphArea& a = inDialog_;
  int dx = x - a.left, dy = y - a.top;
  const int width = a.width(), height = a.height();
  if (width <= 0 || height <= 0) return false;
  if (!dragging && (dx < 0 || dx > width || dy < 0 || dy > height)) return false;
  dx = std::clamp(dx, 0, width);
  dy = std::clamp(dy, 0, height);
  t = keyTimeFromPercent(static_cast<int>(0.5 + 100.0 * dx / width));
  const double up = static_cast<double>(height - dy) / height;
  if (scale_.percentMode) {
    value = static_cast<float>(static_cast<int>(0.5 + 100.0 * up));
    return true;
  }
  value = snapToStep(up * (scale_.maxValue - scale_.minValue) + scale_.minValue, scale_.valueStep);
  return true;
}

}  // namespace vta
