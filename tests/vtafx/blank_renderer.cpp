// A renderer plug-in that takes every job and draws nothing, for the tests:
// an icon it was asked for must fail the install, not stay schematic, and
// check-renderer must name the promises it breaks.
#include "vantaro/renderer.h"

#define BLANK_EXPORT __attribute__((visibility("default")))

extern "C" {

BLANK_EXPORT void* VTA_CALL Rnd_Prepare(void* context, VtaEffectSettings*, VtaRenderJob*) {
  static int own;
  return context ? context : &own;
}

BLANK_EXPORT int VTA_CALL Rnd_Render(void*, VtaEffectSettings*, VtaRenderJob*) { return 1; }

}  // extern "C"
