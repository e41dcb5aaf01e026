/* Resource ids of the path editor's copy-key dialog (dialog 123). */
#ifndef VTA_RES_COPY_KEY_IDS_H
#define VTA_RES_COPY_KEY_IDS_H

#define IDD_COPY_KEY 123
#define IDC_COPY_KEY_TIME 1132

#endif
