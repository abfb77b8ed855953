// Control and command ids of the platform demo.
#define IDD_DEMO 100
#define IDC_LINE 1016
#define IDC_CIRCLE 1017
#define IDC_FREEFORM 1018
#define IDC_REFERENCE 116
#define IDC_CHART 101
#define IDC_LIST 201
#define IDC_MEAN_LABEL 103
#define IDC_MEAN 104
#define IDM_FREEZE 1302
#define IDM_CLOSE 1103
