/* Resource ids of the profile module. */
#ifndef VOPROF32_RESOURCES_RESOURCE_H
#define VOPROF32_RESOURCES_RESOURCE_H

#define IDD_PROFILE 100
#define IDD_ORDER 200

/* Profile window controls. */
#define IDC_CHART 101
#define IDC_LABEL1 103
#define IDC_VALUE1 104
#define IDC_LABEL2 105
#define IDC_VALUE2 106
#define IDC_LABEL3 107
#define IDC_VALUE3 108
#define IDC_LABEL4 109
#define IDC_VALUE4 110
#define IDC_LABEL5 111
#define IDC_VALUE5 112
#define IDC_LABEL6 113
#define IDC_VALUE6 114
#define IDC_CHANNEL 115
#define IDC_REFERENCE 116
#define IDC_LINE 1016
#define IDC_CIRCLE 1017
#define IDC_FREEFORM 1018
#define IDC_DELETE_FREEFORM 1019

/* Plot order dialog controls. */
#define IDC_ORDER_LIST 201
#define IDC_ORDER_UP 1001
#define IDC_ORDER_DOWN 1002

/* Positions of the popups in PROFILEMENU. */
#define MENUPOS_FILE 0
#define MENUPOS_COLOR 1

/* Menu commands. */
#define IDM_LOAD 1100
#define IDM_DATA_TO_FILE 1101
#define IDM_PRINT 1102
#define IDM_CLOSE 1103
#define IDM_APPEND_DATA 1104
#define IDM_STATS_TO_FILE 1105
#define IDM_APPEND_STATS 1106
#define IDM_CLIPBOARD 1107
#define IDM_DDE 1108
#define IDM_DDE_OPTIONS 1109
#define IDM_RGB 1200
#define IDM_HSI 1201
#define IDM_HSV 1202
#define IDM_YIQ 1203
#define IDM_CHANNEL0 1204
#define IDM_CHANNEL1 1205
#define IDM_CHANNEL2 1206
#define IDM_ORDER 1207
#define IDM_UPDATE 1300
#define IDM_AUTO_UPDATE 1301
#define IDM_FREEZE 1302
#define IDM_NORMAL 1303
#define IDM_THICK_HORZ 1304
#define IDM_THICK_VERT 1305
#define IDM_AVERAGE 1306
#define IDM_STD_DEV 1307
#define IDM_SPATIAL_CAL 1308
#define IDM_INTENSITY_CAL 1309
#define IDM_FULL_SCALE 1310
#define IDM_STATISTICS 1311
#define IDM_TABLE 1312
#define IDM_RANGE_AREA 1313
#define IDM_GRAPH_TO_CLIPBOARD 1314

/* Save dialog option boxes, added by the dialog's hook. */
#define IDC_SAVE_HEADER 1234
#define IDC_SAVE_LEGEND 1235
#define IDC_SAVE_X_AXIS 1236

/* Strings. */
#define IDS_RED_FREEZE 1 /* frozen plot names of RGB: 1 to 3 */
#define IDS_GREEN_FREEZE 2
#define IDS_BLUE_FREEZE 3
#define IDS_HEADER 4
#define IDS_LEGEND 5
#define IDS_X_AXIS 6
#define IDS_POSITION_PROFILE 7
#define IDS_LINE_PROFILE 20
#define IDS_PIXEL 21
#define IDS_COUNT 22
#define IDS_MEAN 40
#define IDS_STDDEV 41
#define IDS_Y_MIN 42
#define IDS_Y_MAX 43
#define IDS_X1 44
#define IDS_Y1 45
#define IDS_X2 46
#define IDS_Y2 47
#define IDS_SUM 50
#define IDS_MIN 51
#define IDS_MAX 52
#define IDS_AREA_LABEL 53
#define IDS_SUM_HEADING 54
#define IDS_SAVE_PROFILE 60
#define IDS_SAVE_STATISTICS 61
#define IDS_PROFILE_DATA 62
#define IDS_DISTANCE 63
#define IDS_GRAY_LEVEL 64
#define IDS_PROFILE_STATISTICS 65
#define IDS_POINT 66
#define IDS_DISTANCE_PIXELS 67
#define IDS_NUMBER_OF_CHANNELS 68
#define IDS_NUMBER_OF_SAMPLES 69
#define IDS_CHANNELS_PREFIX 70
#define IDS_AREA 71
#define IDS_FREEZE_SUFFIX 80
#define IDS_YIQ_Y 81
#define IDS_YIQ_I 82
#define IDS_YIQ_Q 83
#define IDS_HUE_FREEZE 84
#define IDS_SATURATION_FREEZE 85
#define IDS_INTENSITY_FREEZE 86
#define IDS_VALUE_FREEZE 87
#define IDS_Y_FREEZE 88
#define IDS_I_FREEZE 89
#define IDS_Q_FREEZE 90
#define IDS_MODEL_RGB 100 /* colour model names: 100 + model - 1 */
#define IDS_MODEL_HSI 101
#define IDS_MODEL_HSV 102
#define IDS_MODEL_YIQ 103
#define IDS_CHANNEL_NAMES 200 /* channel names: 200 + 3 x (model - 1) + channel */
#define IDS_RED 200
#define IDS_GREEN 201
#define IDS_BLUE 202
#define IDS_HUE 203
#define IDS_SATURATION 204
#define IDS_INTENSITY 205
#define IDS_HSV_HUE 206
#define IDS_HSV_SATURATION 207
#define IDS_VALUE 208
#define IDS_LUMINANCE 209
#define IDS_IN_PHASE 210
#define IDS_QUADRATURE 211
#define IDS_REPORT_MENU 212
#define IDS_REPORT_DESCRIPTION 213
#define IDS_FREEFORM_PROMPT 214

#endif /* VOPROF32_RESOURCES_RESOURCE_H */
