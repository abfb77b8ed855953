/*
 * Menu state. Every change is made by command id on the popup being opened,
 * so items of other popups are brought up to date when those open. While the
 * profile has no chart (a free-form profile before its polyline is
 * finished) the menu keeps its last state.
 */
#include "window/menu_state.h"

#include <chartw32.h>

#include "frame/profile_record.h"

#define PLOT_NAME_TEXT 128

static void Check(HMENU popup, UINT id, int on) {
    CheckMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

static void Enable(HMENU popup, UINT id, int on) {
    EnableMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

/* The colour model checked, the channel items named after the plots and checked when shown. */
static void UpdateColorItems(HMENU popup, struct ProfileRecord *record) {
    DWORD model = record->colorModel ? record->colorModel : 1;
    UINT id;
    int k;
    for (id = IDM_RGB; id <= IDM_YIQ; id++) Check(popup, id, id == IDM_RGB + model - 1);
    for (k = 0; k < 3; k++) {
        char name[PLOT_NAME_TEXT] = "";
        if (!record->livePlots[k]) continue;
        PlotAttr(record->livePlots[k], PLOTATTR_NAME, 0, 0, name);
        name[PLOT_NAME_TEXT - 1] = 0;
        ModifyMenuA(popup, IDM_CHANNEL0 + k, MF_BYCOMMAND | MF_STRING, IDM_CHANNEL0 + k, name);
    }
    for (k = 0; k < 3; k++)
        Check(popup, IDM_CHANNEL0 + k,
              record->livePlots[k] && PlotAttr(record->livePlots[k], PLOTATTR_SHOWN, 0, 0, 0));
}

/* Band items apply to the line only; the function items to a band only. */
static void UpdateThickItems(HMENU popup, struct ProfileRecord *record) {
    UINT id;
    if (record->geometryCtlId != GEOMETRY_LINE) {
        for (id = IDM_NORMAL; id <= IDM_STD_DEV; id++) {
            Check(popup, id, 0);
            Enable(popup, id, 0);
        }
        return;
    }
    for (id = IDM_NORMAL; id <= IDM_THICK_VERT; id++) {
        Enable(popup, id, 1);
        Check(popup, id, id == (UINT)(IDM_NORMAL + record->thickMode));
    }
    Check(popup, IDM_AVERAGE, 0);
    Check(popup, IDM_STD_DEV, 0);
    Enable(popup, IDM_AVERAGE, record->thickMode != 0);
    Enable(popup, IDM_STD_DEV, record->thickMode != 0);
    if (record->thickMode != 0) {
        Check(popup, IDM_AVERAGE, record->thickFunction == 3);
        Check(popup, IDM_STD_DEV, record->thickFunction == 4);
    }
}

INT_PTR UpdateProfileMenu(HWND window, UINT message, HMENU popup, LPARAM lParam) {
    struct ProfileRecord *record = ProfileFromWindow(window);
    (void)message;
    (void)lParam;
    if (!record || !record->chartHandle) return 1;
    Check(popup, IDM_STATISTICS, record->statsMode == 1);
    Check(popup, IDM_RANGE_AREA, record->statsMode == 2);
    Check(popup, IDM_TABLE, record->tableOn != 0);
    if (record->imageClass == IMAGECLASS_RGB) UpdateColorItems(popup, record);
    Check(popup, IDM_FREEZE, record->frozenOn != 0);
    Check(popup, IDM_SPATIAL_CAL, record->spatialCalOn != 0);
    Check(popup, IDM_INTENSITY_CAL, record->intensityCalOn != 0);
    Check(popup, IDM_AUTO_UPDATE, record->autoUpdate != 0);
    UpdateThickItems(popup, record);
    Enable(popup, IDM_FULL_SCALE, !record->tableOn);
    Check(popup, IDM_FULL_SCALE, !record->tableOn && record->fullScale);
    return 1;
}
