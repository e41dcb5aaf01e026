#pragma once
// Copies a finished view picture into the path editor's device context (a
// Windows HDC), at its top left corner. Outside Windows a device context
// means nothing: nothing is drawn and the result is false.

#include "frame_renderer.h"

namespace rnd {

bool blitToDevice(void* deviceContext, const FrameImage& image);

}  // namespace rnd
