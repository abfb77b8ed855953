/*
 * The reference and the frozen profile. Switching either on copies the live
 * samples, geometry and free-form vertices; the reference is then subtracted
 * from every reading, the frozen copy is shown as a second set of plots. Both
 * redraw the overlay, which shows them dashed and dotted.
 */
#include "window/reference_freeze.h"

#include <string.h>

#include <chartw32.h>

#include "frame/profile_record.h"
#include "overlay/overlay.h"

/* The copy taken when the reference or freeze is switched on. */
static void TakeCopy(struct ProfileRecord *record, double *values, LONG *copyGeometry, WORD *copyThickMode,
                     POINT *copyPoints, const LONG *geometry) {
    memcpy(values, record->samples, (size_t)record->sampleCount * record->channelCount * sizeof(double));
    memcpy(copyGeometry, geometry ? geometry : record->geometry, 4 * sizeof(LONG));
    *copyThickMode = record->thickMode;
    if (record->geometryCtlId == GEOMETRY_FREEFORM && record->freeformCount >= 1 && !geometry)
        memcpy(copyPoints, record->freeformPoints, (size_t)record->freeformCount * sizeof(POINT));
}

void ProfileSetReference(struct ProfileRecord *record, DWORD on, const LONG *geometry) {
    if (on == record->referenceOn || !record->referenceSamples || !record->samples) return;
    record->referenceOn = on;
    if (on)
        TakeCopy(record, record->referenceSamples, record->referenceGeometry, &record->referenceThickMode,
                 record->referencePoints, geometry);
    if (record->profileWnd)
        CheckDlgButton(record->profileWnd, IDC_REFERENCE, on ? BST_CHECKED : BST_UNCHECKED);
    ProfileEraseOverlay(record);
    ProfileDrawOverlay(record);
}

void ProfileSetFreeze(struct ProfileRecord *record, DWORD on, const LONG *geometry) {
    int i, plots = record->channelCount;
    if (on == record->frozenOn || !record->frozenSamples || !record->samples) return;
    record->frozenOn = on;
    if (on)
        TakeCopy(record, record->frozenSamples, record->frozenGeometry, &record->frozenThickMode,
                 record->frozenPoints, geometry);
    for (i = 0; i < plots && record->chartHandle; i++) {
        if (!record->frozenPlots[i]) continue;
        PlotAttr(record->frozenPlots[i], CHARTATTR_SET | PLOTATTR_SHOWN2, on, 0, 0);
        PlotAttr(record->frozenPlots[i], CHARTATTR_SET | PLOTATTR_SHOWN, on, 0, 0);
    }
    ProfileEraseOverlay(record);
    ProfileDrawOverlay(record);
}
