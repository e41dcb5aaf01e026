// The envelope editor's graph (control 1102): the grid, the curve sampled at
// every whole percent, black squares on keys and an XOR time cursor; and the
// mapping from a mouse position in the dialog to a time and a value.
#pragma once

#include <windows.h>

#include "model/components/envelope.h"

namespace vta {

// The value axis of an envelope editor.
struct EnvelopeScale {
  float minValue = 0;
  float maxValue = 100;
  float valueStep = 1;       // values set with the mouse snap to it
  float gridStep = 10;       // value distance of the horizontal grid lines
  bool percentMode = false;  // whole percents, shown with "%"
};

// Where times and values lie within the graph: x grows with time, y falls
// with the value. left..right and top..bottom are the drawing rectangle.
struct GraphArea {
  int left = 0, top = 0, right = 0, bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  int timeX(float t) const;
  int curveY(float value, const EnvelopeScale& scale) const;
  // Grid lines and the cursor's key box use one pixel more of height.
  int gridY(float value, const EnvelopeScale& scale) const;
};

class EnvelopeGraph {
 public:
  explicit EnvelopeGraph(const EnvelopeScale& scale) : scale_(scale) {}

  // Takes the graph's drawing rectangle in the dialog's client coordinates,
  // where mouse messages give their positions.
  void locate(HWND dialog, HWND graph);
  // Paints the whole graph off-screen and shows it at once, with a focus
  // rectangle when the graph has the focus, then the time cursor at
  // cursorTime.
  void draw(HWND graph, const EnvelopeComponent& envelope, float cursorTime) const;
  // XOR-draws the cursor at t; drawing it again at the same t erases it.
  void drawCursor(HWND graph, const EnvelopeComponent& envelope, float t) const;
  // The whole-percent time and the value under a mouse position in dialog
  // coordinates; false when it lies outside the graph, unless dragging, when
  // it is taken to the nearest edge.
  bool toPoint(int x, int y, bool dragging, float& t, float& value) const;

 private:
  void paint(HDC dc, const GraphArea& area, const EnvelopeComponent& envelope) const;
  int gridLineCount(const GraphArea& area, double& step) const;

  EnvelopeScale scale_;
  GraphArea inDialog_;
};

}  // namespace vta
