/*
 * Vantaro 3 warp plug-in interface.
 *
 * A warp plug-in is a library named "<name>.WRP" in the WARPS folder of the
 * installation. An effect's warp component ("WRP0") names it; the renderer
 * calls its three entries, exported under these plain names:
 *
 *   "VTA_Warp_Set"      turns the component's amount and values into a state;
 *   "VTA_Warp_Callback" maps one point through the warp;
 *   "VTA_Warp"          warps a whole 24-bit picture.
 *
 * A renderer calls VTA_Warp_Set once per frame (after the frame's envelopes
 * have set the component's amount and values), then VTA_Warp for a finished
 * frame or VTA_Warp_Callback for each sample of a surface's picture. The
 * state is plain bytes the caller owns; the plug-in keeps nothing between
 * calls, so one plug-in serves any number of renderers and threads.
 *
 * The header is plain C and needs only vantaro.h.
 */
#ifndef VANTARO_WARP_H
#define VANTARO_WARP_H

#include "vantaro/vantaro.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The plug-in's settings for one frame, laid out as the plug-in likes. */
typedef struct VtaWarpState {
  uint32_t words[16];
} VtaWarpState;

/* A 24-bit picture (blue, green, red per pixel). top points at the first
 * byte of the top row; rowStep is the signed byte distance from one row to
 * the row below it (negative for pictures stored bottom-up). */
typedef struct VtaWarpImage {
  uint8_t *top;
  int32_t rowStep;
  uint32_t width;
  uint32_t height;
} VtaWarpImage;

/* "VTA_Warp_Set": fills *state from the component's warpAmount (0 none to 1
 * full strength) and its valueCount values (the plug-in's own parameters;
 * missing ones take the plug-in's defaults). Returns 1 when the warp changes
 * pictures at this setting, 0 when it leaves them as they are. */
typedef int(VTA_CALL *VtaWarpSetFunction)(VtaWarpState *state, float amount,
                                          uint32_t valueCount, const float *values);

/* "VTA_Warp_Callback": maps the point *x, *y of the warped picture (0 to 1
 * across, 0 to 1 down from the top) to the point of the original picture it
 * shows, in place. Returns 1. */
typedef int(VTA_CALL *VtaWarpCallbackFunction)(const VtaWarpState *state, float *x, float *y);

/* "VTA_Warp": writes every pixel of target from source through the mapping,
 * filtering bilinearly; points outside source take its nearest edge pixel.
 * Both pictures must have the same size and must not overlap. Returns 1, or
 * 0 (target untouched) when the sizes differ or a pointer is null. */
typedef int(VTA_CALL *VtaWarpFunction)(const VtaWarpState *state, const VtaWarpImage *source,
                                       VtaWarpImage *target);

#define VTA_WARP "VTA_Warp"
#define VTA_WARP_SET "VTA_Warp_Set"
#define VTA_WARP_CALLBACK "VTA_Warp_Callback"

#ifdef __cplusplus
}
#endif

#endif /* VANTARO_WARP_H */
