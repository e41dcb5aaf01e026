/* Resource ids of the "Selected FX" pane, the same in every page and editor
   that carries it (dialogs 102, 103, 104, 113, 114, 118 and 121). */
#ifndef VTA_RES_PANE_IDS_H
#define VTA_RES_PANE_IDS_H

#define IDC_PANE_TITLE 1040       /* group box; its caption is the effect's title */
#define IDC_PANE_PICTURE 1042     /* sunken frame the preview is drawn into */
#define IDC_PANE_DESCRIPTION 1044 /* the effect's description text (pages only) */
#define IDC_PANE_SPEED 1062       /* playback speed trackbar, hidden until set up */
#define IDC_PANE_RENDER 1078      /* "Render" / "Stop" / "Wait..." */
#define IDC_PANE_PROGRESS 1084    /* render progress */

#endif
