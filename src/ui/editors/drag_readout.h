// What a drag in a keyframe editor is setting, shown next to the pointer in
// the units of the editor's boxes, from the drag's first movement to its end.
#pragma once

#include <windows.h>

#include <string>

namespace vta {

class DragReadout {
 public:
  DragReadout() = default;
  ~DragReadout() { hide(); }
  DragReadout(const DragReadout&) = delete;
  DragReadout& operator=(const DragReadout&) = delete;

  // Shows text below and to the right of at, a point of owner's client area,
  // in owner's font, without taking the activation.
  void show(HWND owner, const std::string& text, POINT at);
  void hide();

 private:
  HWND window_ = nullptr;
};

}  // namespace vta
