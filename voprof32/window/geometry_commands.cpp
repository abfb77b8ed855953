/*
 * The profile window's geometry commands: the Line, Circle and FreeForm
 * buttons, "Delete Freeform", the thick modes, the Reference box and the
 * channel button. Each geometry type keeps its own last position, reference
 * and freeze in geometryMemory, so switching types brings each back as the
 * user left it.
 */
#include "window/geometry_commands.h"

#include <string.h>

#include <chartw32.h>
#include <tablew32.h>

#include "chart/profile_chart.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "host/host_services.h"
#include "overlay/geometry.h"
#include "overlay/overlay.h"
#include "sampling/profile_prepare.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"
#include "window/profile_view.h"
#include "window/reference_freeze.h"

static void ZeroSamples(struct ProfileRecord *record) {
    if (record->samples)
        memset(record->samples, 0,
               sizeof(double) * record->sampleCount * (record->channelCount ? record->channelCount : 1));
}

static void SaveTypeState(struct ProfileRecord *record, struct GeometryMemory *m) {
    memcpy(m->geometry, record->geometry, sizeof m->geometry);
    m->referenceOn = record->referenceOn;
    memcpy(m->referenceGeometry, record->referenceGeometry, sizeof m->referenceGeometry);
    m->referenceThickMode = record->referenceThickMode;
    m->frozenOn = record->frozenOn;
    memcpy(m->frozenGeometry, record->frozenGeometry, sizeof m->frozenGeometry);
    m->frozenThickMode = record->frozenThickMode;
}

static void LoadTypeState(struct ProfileRecord *record, const struct GeometryMemory *m) {
    memcpy(record->geometry, m->geometry, sizeof record->geometry);
    memcpy(record->referenceGeometry, m->referenceGeometry, sizeof record->referenceGeometry);
    memcpy(record->frozenGeometry, m->frozenGeometry, sizeof record->frozenGeometry);
    record->referenceThickMode = m->referenceThickMode;
    record->frozenThickMode = m->frozenThickMode;
}

/* A type never shown before starts with a rectangle from a tenth to three
 * tenths of the image, 20 pixels in. */
static void DefaultRectangle(struct ProfileRecord *record) {
    LONG *g = record->geometry;
    if (g[0] || g[1] || g[2] || g[3]) return;
    g[0] = MulDiv(record->imageWidth, 1, 10) + 20, g[1] = MulDiv(record->imageHeight, 1, 10) + 20;
    g[2] = MulDiv(record->imageWidth, 3, 10) + 20, g[3] = MulDiv(record->imageHeight, 3, 10) + 20;
}

static void ShowLineOrCircle(HWND window, struct ProfileRecord *record, DWORD referenceOn, DWORD frozenOn) {
    EnableWindow(GetDlgItem(window, IDC_DELETE_FREEFORM), FALSE);
    InvalidateRect(record->imageWnd, 0, FALSE);
    InvalidateRect(window, 0, FALSE);
    DefaultRectangle(record);
    if (record->geometryCtlId == GEOMETRY_CIRCLE) {
        record->thickMode = 0;
        NormaliseRect(record->geometry);
    }
    ProfileChartCreate(record);
    ProfilePrepare(record, record->geometry);
    ProfileSetReference(record, referenceOn, record->referenceGeometry);
    ProfileSetFreeze(record, frozenOn, record->frozenGeometry);
    ProfileReread(window, record, 0, 0);
}

static void ShowFreeform(HWND window, struct ProfileRecord *record, DWORD referenceOn, DWORD frozenOn) {
    record->thickMode = 0;
    InvalidateRect(record->imageWnd, 0, FALSE);
    if (record->freeformState == 2) {
        EnableWindow(GetDlgItem(window, IDC_DELETE_FREEFORM), TRUE);
        ProfilePrepare(record, record->geometry);
        ProfileSetReference(record, referenceOn, record->referenceGeometry);
        ProfileSetFreeze(record, frozenOn, record->frozenGeometry);
        ProfileReread(window, record, 0, 0);
        return;
    }
    /* No polyline yet: no chart until the user has drawn one. */
    ZeroSamples(record);
    InvalidateRect(window, 0, FALSE);
    HostShowStatus(LoadResString(IDS_FREEFORM_PROMPT));
    if (record->tableOn) {
        record->tableOn = 0;
        TableClose(GetDlgItem(window, IDC_CHART));
    }
    ProfileChartDestroy(record);
}

void SetGeometryType(HWND window, struct ProfileRecord *record, WORD id) {
    WORD type = (WORD)(id - GEOMETRY_LINE);
    DWORD referenceOn, frozenOn;
    if (id == record->geometryCtlId || id < GEOMETRY_LINE || id > GEOMETRY_FREEFORM) return;
    SaveTypeState(record, &record->geometryMemory[record->geometryCtlId - GEOMETRY_LINE]);
    record->geometryCtlId = id;
    CheckRadioButton(window, GEOMETRY_LINE, GEOMETRY_FREEFORM, id);
    LoadTypeState(record, &record->geometryMemory[type]);
    referenceOn = record->geometryMemory[type].referenceOn;
    frozenOn = record->geometryMemory[type].frozenOn;
    record->geometryType = type;
    if (id == GEOMETRY_FREEFORM)
        ShowFreeform(window, record, referenceOn, frozenOn);
    else
        ShowLineOrCircle(window, record, referenceOn, frozenOn);
    CheckDlgButton(window, IDC_REFERENCE, referenceOn ? BST_CHECKED : BST_UNCHECKED);
    if (id == GEOMETRY_LINE) HostRecordStatement("VoProfSetAttr(LINEGEOMETRY, PROFTYPE_LINE)");
    if (id == GEOMETRY_CIRCLE) HostRecordStatement("VoProfSetAttr(LINEGEOMETRY, PROFTYPE_CIRCLE)");
}

void SetThickMode(HWND window, struct ProfileRecord *record, WORD mode) {
    WORD old = record->thickMode;
    LONG *g = record->geometry, copy[4];
    if (mode == old) return;
    record->overlayHidden = 1;
    ProfileEraseOverlay(record);
    record->overlayHidden = 0;
    /* A band never starts with zero width. */
    if (mode == 1 && g[2] == g[0] && (g[0] = g[2] - 4) < 0) g[2] -= g[0], g[0] = 0;
    if (mode == 2 && g[3] == g[1] && (g[1] = g[3] - 4) < 0) g[3] -= g[1], g[1] = 0;
    record->thickMode = mode;
    memcpy(copy, g, sizeof copy);
    if (mode != 0) NormaliseRect(copy);
    if (ProfilePrepare(record, copy)) {
        ProfileReread(window, record, 0, 1);
    } else {
        record->thickMode = old;
    }
    ProfileDrawOverlay(record);
}

void DeleteFreeform(HWND window, struct ProfileRecord *record) {
    ProfileChartDestroy(record);
    record->freeformState = 0;
    record->freeformCount = 0;
    ZeroSamples(record);
    EnableWindow(GetDlgItem(window, IDC_DELETE_FREEFORM), FALSE);
    InvalidateRect(record->imageWnd, 0, FALSE);
    InvalidateRect(window, 0, FALSE);
    HostShowStatus(LoadResString(IDS_FREEFORM_PROMPT));
}

/* The third plot of the sequence is the live plot drawn in front; moving it to
 * the head brings the one behind it forward. */
void BringNextChannelForward(HWND window, struct ProfileRecord *record) {
    DWORD plot = 0;
    int step;
    if (!record->chartHandle) return;
    for (step = 0; step < 3; step++)
        ChartAttr(record->chartHandle, CHARTATTR_NEXTPLOT, (LONG_PTR)plot, 0, &plot);
    ChartAttr(record->chartHandle, CHARTATTR_SET | CHARTATTR_TOHEAD, (LONG_PTR)plot, 0, 0);
    ProfileReplot(window, record, 0);
}

static void ToggleReference(HWND window, struct ProfileRecord *record) {
    char statement[64];
    if (!record->chartHandle) {
        CheckDlgButton(window, IDC_REFERENCE, BST_UNCHECKED);
        return;
    }
    ProfileSetReference(record, !record->referenceOn, 0);
    ProfileReread(window, record, 0, 1);
    wsprintfA(statement, "VoProfSetAttr(REFERENCE, %d)", (int)record->referenceOn);
    HostRecordStatement(statement);
}

static const char *const kThickStatements[3] = {"VoProfSetAttr(LINETYPE, THICKNORMAL)",
                                                "VoProfSetAttr(LINETYPE, THICKHORZ)",
                                                "VoProfSetAttr(LINETYPE, THICKVERT)"};

int OnGeometryCommand(HWND window, struct ProfileRecord *record, WORD id) {
    switch (id) {
        case GEOMETRY_LINE:
        case GEOMETRY_CIRCLE:
        case GEOMETRY_FREEFORM:
            SetGeometryType(window, record, id);
            return 1;
        case IDC_DELETE_FREEFORM:
            DeleteFreeform(window, record);
            return 1;
        case IDM_NORMAL:
        case IDM_THICK_HORZ:
        case IDM_THICK_VERT:
            SetThickMode(window, record, (WORD)(id - IDM_NORMAL));
            HostRecordStatement(kThickStatements[id - IDM_NORMAL]);
            return 1;
        case IDC_CHANNEL:
            BringNextChannelForward(window, record);
            return 1;
        case IDC_REFERENCE:
            ToggleReference(window, record);
            return 1;
        default:
            return 0;
    }
}
