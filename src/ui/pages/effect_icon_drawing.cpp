#include "ui/pages/effect_icon_drawing.h"

#include "ui/controls/bitmap_drawing.h"

namespace vta {
namespace {

constexpr int kIconInset = 2;

// A two-segment line from, through corner, to end, in colour.
void drawEdge(HDC dc, COLORREF colour, POINT from, POINT corner, POINT end) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ previous = SelectObject(dc, pen);
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, corner.x, corner.y);
  LineTo(dc, end.x, end.y);
  SelectObject(dc, previous);
  DeleteObject(pen);
}

void drawOuterRectangle(HDC dc, const RECT& area, bool focused) {
  HPEN pen = focused ? CreatePen(PS_DOT, 1, RGB(0, 0, 0))
                     : CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
  HGDIOBJ previous = SelectObject(dc, pen);
  const POINT corners[] = {
      {0, 0}, {area.right - 1, 0}, {area.right - 1, area.bottom - 1}, {0, area.bottom - 1}, {0, 0}};
  Polyline(dc, corners, 5);
  SelectObject(dc, previous);
  DeleteObject(pen);
}

}  // namespace

RECT insetArea(const RECT& area) {
  return {area.left + kIconInset, area.top + kIconInset, area.right - kIconInset,
          area.bottom - kIconInset};
}

void drawIconPicture(HDC dc, const RECT& area, const TextureImage& icon) {
  if (!icon.pixels || icon.width == 0 || icon.height == 0) return;
  if (icon.dataSize < bitmapRowBytes(icon.width) * icon.height) return;
  drawStretchedBitmap(dc, insetArea(area), icon.pixels, icon.width, icon.height);
}

// With the icon, the name takes one line on a strip of button face at the
// bottom, cut with an ellipsis; alone, it wraps and stays centred, so the
// whole name is readable.
void drawIconName(HDC dc, const RECT& area, HFONT font, const char* name, bool atBottom) {
  HGDIOBJ previous = SelectObject(dc, font);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  RECT box = {area.left + kIconInset, area.top + kIconInset, area.right - kIconInset,
              area.bottom - kIconInset};
  const UINT layout = atBottom ? DT_SINGLELINE | DT_CENTER : DT_WORDBREAK | DT_CENTER;
  RECT measured = box;
  DrawTextA(dc, name, -1, &measured, layout | DT_CALCRECT);
  const LONG room = box.bottom - box.top;
  const LONG height = measured.bottom - measured.top < room ? measured.bottom - measured.top : room;
  box.top = atBottom ? box.bottom - height : box.top + (room - height) / 2;
  if (atBottom) FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
  DrawTextA(dc, name, -1, &box, layout | DT_END_ELLIPSIS);
  SelectObject(dc, previous);
}

void drawIconFrame(HDC dc, const RECT& area, bool sunken, bool focused) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const LONG right = area.right, bottom = area.bottom;
  drawEdge(dc, sunken ? shadow : highlight, {1, bottom - 2}, {1, 1}, {right - 2, 1});
  drawEdge(dc, sunken ? highlight : shadow, {right - 2, 2}, {right - 2, bottom - 2},
           {2, bottom - 2});
  drawOuterRectangle(dc, area, focused);
}

}  // namespace vta
