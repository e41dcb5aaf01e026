/* Resource ids of the effect-list update's progress window (dialog 124). */
#ifndef VTA_RES_UPDATE_IDS_H
#define VTA_RES_UPDATE_IDS_H

#define IDD_UPDATE_PROGRESS 124
#define IDC_UPDATE_PROGRESS 1084

#endif
