/* Resource ids of the about box (dialog 101). Shared by the resource script and C++. */
#ifndef VTA_RES_ABOUT_IDS_H
#define VTA_RES_ABOUT_IDS_H

#define IDD_ABOUT 101
#define IDB_ABOUT_SCENE 125
#define IDB_ABOUT_BADGE 126

#define IDC_ABOUT_SCENE 1077
#define IDC_ABOUT_BADGE 1078
#define IDC_ABOUT_TITLE 1085
#define IDC_ABOUT_RELEASE 1087

#endif
