// A renderer plug-in for tests ("Rnd_Test"): it records every call it gets,
// paints each frame with a picture that depends on the job's position, range
// and source count, and can be made slow or held in a call so tests can stop,
// restart and quit a render at a known moment. Tests bind its control entry
// points by name from the same module the preview engine loads.
#pragma once

#include <stdint.h>

#include "vantaro/renderer.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { RND_TEST_PREPARE = 1, RND_TEST_RENDER = 2, RND_TEST_FREE = 3 };

typedef struct RndTestCall {
  int kind;
  void* context; /* the context passed in */
  void* result;  /* the context Rnd_Prepare returned */
  uint32_t position, range, sourceCount;
  uint32_t sourcesWithPixels; /* bit k: source k + 1 has pixels */
  uint32_t width, height;
  VtaTextureImage output; /* the output description (pixels as seen) */
  uint32_t reserved0;
  uint16_t previewMark;
  int hasAbortCallback;
  int aborted; /* the abort callback said yes before the call ended */
  char effectName[41];
  float flyMode;
  float filterOn;
} RndTestCall;

/* Forgets every call and clears the delay and the hold. */
typedef void(VTA_CALL* RndTestResetFunction)(void);
/* Each Rnd_Render call takes at least this long. */
typedef void(VTA_CALL* RndTestSetDelayFunction)(int milliseconds);
/* The render call with this number (0 = the first since the reset) waits
 * until released or, when yieldToAbort is nonzero, until the job's abort
 * callback says yes; -1: none. */
typedef void(VTA_CALL* RndTestHoldFunction)(int renderNumber, int yieldToAbort);
typedef void(VTA_CALL* RndTestReleaseFunction)(void);
/* Waits until count calls of kind have begun; 1 when they did in time. */
typedef int(VTA_CALL* RndTestWaitForFunction)(int kind, int count, int timeoutMs);
typedef int(VTA_CALL* RndTestCallCountFunction)(void);
/* Copies call i; 0 when there is no such call. */
typedef int(VTA_CALL* RndTestGetCallFunction)(int i, RndTestCall* call);

#ifdef __cplusplus
}
#endif
