/*
 * Vantaro 3 host interface.
 *
 * A video editor (the host) loads Vantaro30.dll and calls its two exports:
 * VTAGUI_Select to let the user choose and adjust a transition, and
 * VTAGUI_About to show the about box. Both are modal and must be called on the
 * host's user-interface thread. Both can be found by their plain names with
 * GetProcAddress on 32-bit and 64-bit Windows.
 *
 * The header is plain C and needs no other header.
 */
#ifndef VANTARO_VANTARO_H
#define VANTARO_VANTARO_H

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

/* The effect settings record the host owns and passes to VTAGUI_Select. */
typedef struct VtaEffectSettings VtaEffectSettings;

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
