#include "view_blit.h"

namespace rnd {

bool blitToDevice(void*, const FrameImage&) { return false; }

}  // namespace rnd
