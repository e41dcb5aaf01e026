/*
 * Vantaro 3 host interface.
 *
 * A video editor (the host) loads Vantaro30.dll and calls its two exports:
 * VTAGUI_Select to let the user choose and adjust a transition, and
 * VTAGUI_About to show the about box. Both are modal and must be called on the
 * host's user-interface thread. Both can be found by their plain names with
 * GetProcAddress on 32-bit and 64-bit Windows.
 *
 * The header is plain C and needs only <stdint.h>.
 */
#ifndef VANTARO_VANTARO_H
#define VANTARO_VANTARO_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Calling convention of every entry point of Vantaro and of its plug-ins. */
#if defined(_WIN32) && !defined(_WIN64)
#define VTA_CALL __stdcall
#else
#define VTA_CALL
#endif

/* Results of the exports. */
#define VTA_RESULT_OK 0        /* closed with OK: the record holds the edits */
#define VTA_RESULT_CANCEL 1    /* cancelled: the record is as it was at the call */
#define VTA_RESULT_NO_DIALOG 2 /* the dialog could not be created */

/*
 * Records shared with hosts, renderer plug-ins and the defaults file.
 * Offsets in the comments are those of 32-bit builds (4-byte pointers); 64-bit
 * builds keep the field order and their offsets grow after the first pointer.
 * Multi-byte values are little-endian, reals are 32-bit IEEE floats, strings
 * are NUL-terminated bytes. Memory that a record owns comes from the process
 * heap (HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, n)).
 */

/* A picture in memory: icons, textures, preview sources and render output.
 * The buffer holds rowCount rows of rowBytes bytes; the picture proper is
 * width x height pixels starting skipRows rows and skipPixels pixels in. */
typedef struct VtaTextureImage {
  char *name;              /*  0 owned; texture name or file path */
  uint8_t format;          /*  4 pixel format: VTA_FORMAT_BGR24 in render jobs */
  uint8_t order;           /*  5 row order: VTA_ORDER_BOTTOM_UP in render jobs */
  uint8_t bytesPerPixel;   /*  6 */
  uint8_t rowAlign;        /*  7 rows are padded to a multiple of this */
  uint32_t width;          /*  8 */
  uint32_t height;         /* 12 */
  uint32_t rowPixels;      /* 16 pixels per buffer row */
  uint32_t rowCount;       /* 20 rows in the buffer */
  uint32_t skipRows;       /* 24 */
  uint32_t skipPixels;     /* 28 */
  float imageReals[4];     /* 32 renderer-defined */
  uint32_t imageWord;      /* 48 zeroed when an effect icon is loaded */
  uint8_t *pixels;         /* 52 */
  uint32_t ownsPixels;     /* 56 1 when pixels belong to this image */
  uint32_t reservedWords[2]; /* 60 zeroed and copied */
  float reservedReals[2];  /* 68 zeroed and copied */
  uint32_t rowBytes;       /* 76 */
  uint32_t dataSize;       /* 80 rowCount x rowBytes */
} VtaTextureImage;         /* 84 bytes */

/* The 24-bit picture of render jobs (the output and the video sources):
 * blue, green, red bytes per pixel, the picture's bottom row first, each row
 * padded to a multiple of rowAlign bytes (VTA_ROW_ALIGN_PACKED in preview
 * jobs and a host's final render, VTA_ROW_ALIGN_DWORD, as in Windows
 * bitmaps, in path-editor jobs). */
#define VTA_FORMAT_BGR24 2       /* format */
#define VTA_ORDER_BOTTOM_UP 1    /* order; any other value: top row first */
#define VTA_BGR24_PIXEL_BYTES 3  /* bytesPerPixel */
#define VTA_ROW_ALIGN_PACKED 1
#define VTA_ROW_ALIGN_DWORD 4

/* rowBytes of such a picture width pixels wide: width x 3 rounded up to a
 * multiple of rowAlign (1 or more). */
static inline uint32_t vtaBgr24RowBytes(uint32_t width, uint32_t rowAlign) {
  return (width * VTA_BGR24_PIXEL_BYTES + rowAlign - 1) / rowAlign * rowAlign;
}

/* Sets the layout fields of image for such a picture of width x height
 * pixels with rows padded to rowAlign, its buffer pixels (null for none);
 * the other fields (name, skips, ownsPixels, ...) are left as they are. */
static inline void vtaDescribeBgr24(VtaTextureImage *image, uint32_t width, uint32_t height,
                                    uint8_t rowAlign, uint8_t *pixels) {
  image->format = VTA_FORMAT_BGR24;
  image->order = VTA_ORDER_BOTTOM_UP;
  image->bytesPerPixel = VTA_BGR24_PIXEL_BYTES;
  image->rowAlign = rowAlign;
  image->width = image->rowPixels = width;
  image->height = image->rowCount = height;
  image->rowBytes = vtaBgr24RowBytes(width, rowAlign);
  image->dataSize = image->rowBytes * height;
  image->pixels = pixels;
}

/* Common head of every scene component (camera, light, object, surface, path,
 * envelope, warp). Components are C++ objects: the first word points at a
 * table of eight entries in this order: destroy, clone, setMotion,
 * getMotion, readChunk, writeChunk, setParameter, compare. */
typedef struct VtaComponent {
  const void *const *entries;
  uint16_t id;               /* unique within one effect */
  uint16_t linkId;           /* component referred to; 0 none */
  uint16_t parentId;         /* objects: parent object; 0 none */
  struct VtaComponent *link; /* the component linkId names */
  struct VtaComponent *attached;
  struct VtaComponent *parent; /* the object parentId names */
  float spanStart, spanEnd;  /* span of transition time, 0.0 to 1.0 */
  struct VtaComponent *next; /* next member of the same list */
} VtaComponent;

/* A singly linked list of components of one kind. */
typedef struct VtaComponentList {
  VtaComponent *head;
  uint32_t count;
} VtaComponentList;

/* One key of an envelope (component kind "ENV0"): the value of the driven
 * parameter at one moment of the transition, 0.0 (start) to 1.0 (end). */
typedef struct VtaEnvelopeKey {
  float time;              /*  0 */
  float value;             /*  4 */
  float tension;           /*  8 Kochanek-Bartels weights; 0 for a plain key */
  float continuity;        /* 12 */
  float bias;              /* 16 */
  uint16_t linear;         /* 20 non-zero: the segment ending here is straight */
  uint16_t reserved;       /* 22 0 */
} VtaEnvelopeKey;          /* 24 bytes */

/* One key of a path (component kind "PTH0") and of the motion block of
 * lights, cameras and objects: an object's placement at one moment. */
typedef struct VtaPathKey {
  float time;              /*  0 */
  float positionX;         /*  4 */
  float positionY;         /*  8 */
  float positionZ;         /* 12 */
  float rotationX;         /* 16 */
  float rotationY;         /* 20 */
  float rotationZ;         /* 24 */
  float scaleX;            /* 28 */
  float scaleY;            /* 32 */
  float scaleZ;            /* 36 */
  float tension;           /* 40 */
  float continuity;        /* 44 */
  float bias;              /* 48 */
  uint16_t linear;         /* 52 non-zero: the segment ending here is straight */
  uint16_t reserved;       /* 54 0 */
} VtaPathKey;              /* 56 bytes */

/* Component lists of a description, in this order. */
enum {
  VTA_CAMERAS, VTA_LIGHTS, VTA_OBJECTS, VTA_SURFACES, VTA_PATHS, VTA_ENVELOPES,
  VTA_WARPS, VTA_LIST_COUNT
};

/* An effect's description (loaded from its effect file), or, inside a
 * settings record, the components the user added or changed. */
typedef struct VtaEffectDescription {
  uint32_t effectType;      /*   0 */
  char *title;              /*   4 owned; display name */
  char *text;               /*   8 owned; description text */
  uint32_t variantCount;    /*  12 object entries the user can map */
  char **variantTexts;      /*  16 owned; variantCount names, unset ones null */
  float best;               /*  20 percent of the transition that shows it best */
  uint32_t allowFlags;      /*  24 bit 0: offered in the effect list */
  char *reservedText;       /*  28 owned */
  VtaTextureImage image;    /*  32 the effect's icon */
  VtaComponentList lists[VTA_LIST_COUNT]; /* 116 */
  uint32_t textureCount;    /* 172 */
  VtaTextureImage **textures; /* 176 owned; one per texture-mapped surface */
} VtaEffectDescription;     /* 180 bytes */

#define VTA_GLOBAL_PARAM_COUNT 30
#define VTA_OBJECT_ENTRY_COUNT 20
#define VTA_OBJECT_PARAM_COUNT 10

/* The global options: index i is globalParams[i] and parameter index i.
 * Choices and flags are whole numbers stored as reals. Indices 9, 16, 17 and
 * 22 to 29 are reserved: kept, copied and stored, edited by no page. */
enum VtaGlobalParam {
  VTA_FLY_MODE = 0,           /* 0 Fly-Off, 1 Fly-On (effect backwards, clips 1 and 2 exchanged) */
  VTA_RENDER_STYLE = 1,       /* 0 smooth, 1 flat, 2 wire frame */
  VTA_QUALITY = 2,            /* 1: perspective-correct picture mapping, 0: affine */
  VTA_IMAGE_QUALITY = 3,      /* 1: bilinear picture filtering, 0: nearest pixel */
  VTA_ANTIALIASING = 4,       /* 1: edges smoothed with 2 x 2 samples a pixel */
  VTA_LIGHTING = 5,           /* 0 off, 1 on; may be animated */
  VTA_SHADOWS = 6,            /* 0 to 100, darkness of shadows; may be animated */
  VTA_BLUR_PERCENT = 7,       /* 0 to 100, motion blur spread, percent of a frame step */
  VTA_BLUR_COUNT = 8,         /* motion blur samples; 0 or 1: none */
  VTA_FILTER_ON = 10,         /* exactly 1: the effect runs as a filter over one clip */
  VTA_LIGHT_DIRECTION = 11,   /* degrees added to the y turn of lights that follow it */
  VTA_FILTER_FRAMES = 12,     /* filter: frames the filter covers */
  VTA_FILTER_PERCENT = 13,    /* filter: moment shown, percent of the frames */
  VTA_FILTER_SOURCE = 14,     /* filter: the effect source the clip replaces */
  VTA_TRANSITION_PERIOD = 15, /* percent of the transition the effect runs in (0: 100) */
  VTA_FILTER_ROTATE_X = 18,   /* filter: turn of the objects about x, degrees */
  VTA_FILTER_ROTATE_Y = 19,   /* filter: turn about y, degrees */
  VTA_FILTER_ROTATE_Z = 20,   /* filter: turn about z, degrees */
  VTA_FILTER_DISTANCE = 21    /* filter: push away, percent of the camera distance */
};

/* The elements k of one object entry n (objectParams[n][k]); entry n belongs
 * to the surface whose id is n + 1. Elements 4, 8 and 9 are reserved. */
enum VtaObjectParam {
  VTA_SHINE = 0,              /* 0 to 100, specular highlight strength */
  VTA_TRANSPARENCY = 1,       /* 0 to 100, percent see-through */
  VTA_LUMINOSITY = 2,         /* 0 to 100, percent not darkened by lighting */
  VTA_TRAIL_COUNT = 3,        /* copies drawn at earlier scene times */
  VTA_PATH_ROTATION = 5,      /* degrees the path positions turn about z */
  VTA_ROTATES_WITH_PATH = 6,  /* 1: the object turns to face its direction of travel */
  VTA_TRAIL_SPACING = 7       /* percent of the transition between trail copies */
};

/* The parameter index that names element k of object entry n: envelopes name
 * the value they drive by it (100 to 109 is entry 0, up to 2000 to 2009). */
#define VTA_OBJECT_PARAM_INDEX(n, k) (100 * ((n) + 1) + (k))

/* The effect settings record the host owns and passes to VTAGUI_Select.
 * Parameter index p names one real: p < 30 is globalParams[p];
 * 100 x (n + 1) + k is objectParams[n][k]. */
typedef struct VtaEffectSettings {
  char effectName[41];      /*    0 effect file name; empty: none chosen */
  uint8_t padding[3];       /*   41 */
  float globalParams[VTA_GLOBAL_PARAM_COUNT]; /* 44 */
  float objectParams[VTA_OBJECT_ENTRY_COUNT][VTA_OBJECT_PARAM_COUNT]; /* 164 */
  VtaEffectDescription description; /* 964 */
} VtaEffectSettings;        /* 1144 bytes */

/*
 * Shows the selection sheet "Vantaro - Selection Dialog" over parentWindow
 * (an HWND) and edits *settings in place. secondSettings is never read through;
 * when it is not null the sheet runs in filter mode.
 * Returns VTA_RESULT_OK, VTA_RESULT_CANCEL or VTA_RESULT_NO_DIALOG.
 */
short VTA_CALL VTAGUI_Select(void *parentWindow, VtaEffectSettings *settings,
                             VtaEffectSettings *secondSettings);

/*
 * Shows the about box "About Vantaro" over parentWindow (an HWND).
 * titleText replaces the title line "Vantaro" and releaseText the line
 * "Release 3"; null keeps the default. Texts longer than 79 characters are cut
 * to their first 79.
 * Returns VTA_RESULT_OK once the box is closed, or VTA_RESULT_NO_DIALOG.
 */
short VTA_CALL VTAGUI_About(void *parentWindow, const char *titleText,
                            const char *releaseText);

/* Function pointer types for hosts that bind the library at run time. */
typedef short(VTA_CALL *VtaSelectFunction)(void *, VtaEffectSettings *, VtaEffectSettings *);
typedef short(VTA_CALL *VtaAboutFunction)(void *, const char *, const char *);

#ifdef __cplusplus
}
#endif

#endif /* VANTARO_VANTARO_H */
