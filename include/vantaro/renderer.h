/*
 * Vantaro 3 renderer plug-in interface.
 *
 * A renderer plug-in is a DLL named "Rnd_<name>.DLL" in the LIBS folder of the
 * installation. Vantaro binds it at run time and finds its entry points by
 * their plain names ("Rnd_Prepare", "Rnd_Render", ...); export them undecorated
 * (a .def file on 32-bit Windows, where VTA_CALL is __stdcall). See
 * docs/renderer-plugins.md for when each entry point is called and on which
 * thread.
 *
 * The header is plain C and needs only vantaro.h.
 */
#ifndef VANTARO_RENDERER_H
#define VANTARO_RENDERER_H

#include "vantaro/vantaro.h"

#ifdef __cplusplus
extern "C" {
#endif

#define VTA_RENDER_SOURCE_COUNT 20

/* Asked by the renderer while it renders; nonzero means: give up this frame
 * as soon as you can. */
typedef int(VTA_CALL *VtaAbortFunction)(void);

/*
 * One frame request. Offsets are those of 32-bit builds (1836 bytes); 64-bit
 * builds keep the field order and their offsets grow after the first pointer.
 * Fields marked reserved are zero; a renderer must not rely on them.
 */
typedef struct VtaRenderJob {
  uint32_t width;          /*    0 output width in pixels */
  uint32_t height;         /*    4 output height in pixels */
  uint32_t sourceCount;    /*    8 video sources the effect uses, at most 20 */
  VtaTextureImage sources[VTA_RENDER_SOURCE_COUNT]; /* 12 picture of source 1 to 20 */
  VtaTextureImage output;  /* 1692 the pixel buffer to render into */
  uint32_t position;       /* 1776 time of the frame: position / range */
  uint32_t range;          /* 1780 */
  uint32_t reserved0;      /* 1784 */
  VtaAbortFunction abortCallback; /* 1788 may be null */
  float reservedReals[2];  /* 1792 */
  float reservedReals2[4]; /* 1800 */
  uint16_t previewMark;    /* 1816 1: draw into output (preview jobs and a
                              host's final render); 0: path-editor jobs */
  uint16_t reserved1;      /* 1818 alignment gap */
  uint32_t reserved2;      /* 1820 */
  uint32_t viewFlags;      /* 1824 path editor only; 0 in preview jobs */
  uint32_t viewObject;     /* 1828 path editor only: id of the edited object */
  void *viewDC;            /* 1832 path editor only: HDC to draw into */
} VtaRenderJob;            /* 1836 bytes */

/*
 * The output image of a preview job: the 24-bit picture of vantaro.h
 * (VTA_FORMAT_BGR24, VTA_ORDER_BOTTOM_UP) with rowAlign VTA_ROW_ALIGN_PACKED,
 * rowPixels x rowCount = width x height, each row exactly width x 3 bytes.
 * Its pixels belong to Vantaro (ownsPixels 0).
 */

/*
 * Path-editor jobs (previewMark 0) ask for the path editor's view, drawn
 * into the device context viewDC (a Windows HDC) at its top left, width x
 * height pixels; the output image is described (the 24-bit picture with
 * rowAlign VTA_ROW_ALIGN_DWORD) but has no pixels, and the job brings no
 * sources.
 * position / range is the time shown; viewObject the id of the object whose
 * path is edited (the record's path with that linkId, else the effect's).
 * viewFlags is one view bit OR the drawing bits:
 */
#define VTA_VIEW_SCENE 1u    /* draw the scene at the job's time */
#define VTA_VIEW_PATH 2u     /* draw the path over it: a line through the
                                path from time 0 to 1, a mark on each key and
                                a distinct mark on the key at the job's time */
#define VTA_VIEW_DRAGGING 4u /* the user is dragging a key: a quicker scene
                                (Rnd_Software: edges only, no antialiasing) */
#define VTA_VIEW_FRAME 8u    /* frame the view anew (see below) */
/* The views. Each shows the same scene and path from another place: */
#define VTA_VIEW_CAMERA 16u  /* through the effect's camera, as the preview */
#define VTA_VIEW_SIDE 32u    /* from +x looking along -x: -z to the right,
                                +y up (a drag right moves a key toward -z) */
#define VTA_VIEW_TOP 64u     /* from above looking down -y: +x to the right,
                                +z down (a drag down moves a key toward +z) */
#define VTA_VIEW_PERSPECTIVE 128u /* from above, in front and to the right,
                                looking at the middle of the scene */
/* The side, top and perspective views frame the frame's rectangle at z = 0
 * and the whole path: each view the first time a context draws it, and again
 * in a job with VTA_VIEW_FRAME; in between it keeps that framing, so that the
 * view holds still while the path changes. The editor sends a view OR 3, OR 7
 * while the user drags, and OR 11 when the user asks to frame the view. */

/* Entry points, exported under these names. Every argument and result is one
 * machine word. */

/* "Rnd_Prepare": called once per render request before any frame of it, with
 * the context the previous call returned (null the first time). Returns the
 * context to use from then on (it may be the same one). */
typedef void *(VTA_CALL *VtaRndPrepareFunction)(void *context,
                                                VtaEffectSettings *settings,
                                                VtaRenderJob *job);

/* "Rnd_Render": renders the frame at job->position / job->range into
 * job->output (preview) or job->viewDC (path editor). The result is ignored. */
typedef int(VTA_CALL *VtaRndRenderFunction)(void *context, VtaEffectSettings *settings,
                                            VtaRenderJob *job);

/* "Rnd_FreeContext": releases a context that Rnd_Prepare returned; called
 * once when the binding ends, only for a non-null context. Result ignored. */
typedef int(VTA_CALL *VtaRndFreeContextFunction)(void *context);

/* "Rnd_CreateContext" and "Rnd_StaticVideo" are looked up but never called
 * by Vantaro; their arguments are the renderer's own business. */
typedef void *(VTA_CALL *VtaRndCreateContextFunction)(void);
typedef int(VTA_CALL *VtaRndStaticVideoFunction)(void);

/* Where a host finds the renderer of its final render. The library's
 * settings key (under HKEY_LOCAL_MACHINE on Windows) holds the installation
 * folder in the string value VTA_SETTING_PATH and the renderer the user chose
 * as "Engine" on the Settings page in VTA_SETTING_ENGINE; the plug-in is
 * <installation>\LIBS\<engine>.DLL. Without an engine value the host uses
 * VTA_DEFAULT_ENGINE. See docs/sdk.md for the steps of a final render. */
#define VTA_SETTINGS_KEY "Software\\Corvane\\Vantaro\\3.0"
#define VTA_SETTING_PATH "Path"
#define VTA_SETTING_ENGINE "Engine"
#define VTA_DEFAULT_ENGINE "Rnd_Software"

#define VTA_RND_CREATE_CONTEXT "Rnd_CreateContext"
#define VTA_RND_FREE_CONTEXT "Rnd_FreeContext"
#define VTA_RND_PREPARE "Rnd_Prepare"
#define VTA_RND_STATIC_VIDEO "Rnd_StaticVideo"
#define VTA_RND_RENDER "Rnd_Render"

#ifdef __cplusplus
}
#endif

#endif /* VANTARO_RENDERER_H */
