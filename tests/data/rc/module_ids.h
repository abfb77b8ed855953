// Ids of module.rc, resource.h style. Only the #define lines count for the
// resource compiler; C++ code such as this declaration is skipped.
#ifndef MODULE_IDS_H
#define MODULE_IDS_H

#define IDD_ALL_CONTROLS 100
#define IDD_EXTENDED 200
#define IDM_MAIN 300
#define IDI_APP 400

#define IDC_BASE 1000
#define IDC_LABEL_LEFT (IDC_BASE + 1)
#define IDC_LABEL_RIGHT (IDC_BASE + 2)
#define IDC_LABEL_CENTRE (IDC_BASE + 3)
#define IDC_PUSH 1004
#define IDC_CHECK 1005
#define IDC_AUTOCHECK 1006
#define IDC_RADIO 1007
#define IDC_AUTORADIO 1008
#define IDC_GROUP 1009
#define IDC_LIST 1010
#define IDC_EDIT 1011
#define IDC_APP_ICON 1012
#define IDC_CUSTOM 1013
#define IDC_HIDDEN 1014

#define IDM_OPEN 2001
#define IDM_SAVE 2002
#define IDM_EXIT 2003
#define IDM_ZOOM_IN 2101
#define IDM_ZOOM_OUT 2102
#define IDM_ZOOM_FIT 2103
#define IDM_ABOUT 2201

#define IDS_TITLE 1
#define IDS_ESCAPES 2
#define IDS_LONG 3
#define IDS_UTF8 4
#define IDS_LAST 65535

#ifdef __cplusplus
inline constexpr int kModuleIdsAreCppToo = 1;
#endif

#endif
