/* Resource ids of the Effects page (dialog 102). */
#ifndef VTA_RES_EFFECTS_PAGE_IDS_H
#define VTA_RES_EFFECTS_PAGE_IDS_H

#define IDD_EFFECTS_PAGE 102

#define IDC_EFFECTS_FIRST_ICON 1001 /* icon buttons 1001-1016, row by row */
#define IDC_EFFECTS_LAST_ICON 1016
#define IDC_EFFECTS_GROUP_LIST 1026
#define IDC_EFFECTS_ICON_FRAME 1043
#define IDC_EFFECTS_SEARCH 1050
#define IDC_EFFECTS_SEARCH_LABEL 1051

/* Commands of the icons' context menu. */
#define IDM_EFFECTS_ADD_FAVOURITE 40001
#define IDM_EFFECTS_REMOVE_FAVOURITE 40002

#endif
