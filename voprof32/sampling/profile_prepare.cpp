/*
 * Adopting a geometry: counting its samples, refusing counts the 16-bit sample
 * count cannot hold, moving the range markers inside the new profile, and
 * reallocating the sample arrays when the count changes. A new count makes the
 * reference and frozen copies stale, so they are switched off (which redraws
 * the overlay: this unit sits with the views, above sampling).
 */
#include "sampling/profile_prepare.h"

#include <string.h>

#include <binsum32.h>
#include <roikit32.h>

#include "frame/profile_record.h"
#include "sampling/profile_sampling.h"
#include "sampling/statistics.h"
#include "window/reference_freeze.h"

/* The number of samples a proposed geometry gives; 0 when it cannot be counted. */
static LONG CountSamples(struct ProfileRecord *record, LONG *proposed) {
    LONG rel[4], count = 0, spare = 0;
    HIMGREGION region;
    if (record->geometryCtlId == GEOMETRY_LINE && record->thickMode == 1)
        return proposed[2] - proposed[0] + 1;
    if (record->geometryCtlId == GEOMETRY_LINE && record->thickMode == 2)
        return proposed[3] - proposed[1] + 1;
    if (record->geometryCtlId == GEOMETRY_FREEFORM) {
        if (record->freeformCount < 2) return 0;
        ProfileFreeformBounds(record, proposed);
    } else if (record->geometryCtlId != GEOMETRY_LINE && record->geometryCtlId != GEOMETRY_CIRCLE) {
        return 0;
    }
    region = ProfileOpenRegion(record, proposed, rel);
    if (!region) return 0;
    if (record->geometryCtlId == GEOMETRY_LINE) {
        LineSampleCount(region, rel, &count, &spare);
    } else if (record->geometryCtlId == GEOMETRY_CIRCLE) {
        WORD n;
        POINT *outline = ProfileCircleOutline(rel, &n);
        if (outline) {
            PolySampleCount(region, outline, n, &count, &spare);
            MemFreeBlock(outline);
        }
    } else {
        /* The vertices as stored, in image coordinates: only their differences count. */
        PolySampleCount(region, record->freeformPoints, record->freeformCount, &count, &spare);
    }
    AoiFreeRegion(region);
    return count;
}

int ProfileFreeformFits(struct ProfileRecord *record) {
    WORD shown = record->geometryCtlId;
    LONG box[4], count;
    record->geometryCtlId = GEOMETRY_FREEFORM;
    count = CountSamples(record, box);
    record->geometryCtlId = shown;
    return count > 1 && (DWORD)count * record->channelCount <= PROFILE_MAX_VALUES;
}

static void FreeArray(double **array) {
    if (*array) MemFreeBlock(*array);
    *array = 0;
}

static void Adopt(struct ProfileRecord *record, const LONG *proposed) {
    memcpy(record->geometry, proposed, sizeof record->geometry);
    memcpy(lastGeometry, proposed, sizeof lastGeometry);
}

int ProfilePrepare(struct ProfileRecord *record, LONG *proposedGeometry) {
    LONG count = CountSamples(record, proposedGeometry);
    DWORD values;
    double *arrays[4];
    int i;
    if (record->geometryCtlId != GEOMETRY_LINE || record->thickMode == 0) {
        if (count <= 1) return 0;
    }
    /* Loops over a profile count in 16 bits: a geometry with more samples,
     * or more values over all channels, is refused rather than wrapped. A band
     * needs one column or row at least: with none the range markers would wrap. */
    if (count < 1 || count > PROFILE_MAX_VALUES || (DWORD)count * record->channelCount > PROFILE_MAX_VALUES)
        return 0;
    values = (DWORD)count * record->channelCount;

    if (record->rangeMarkers[0] == record->rangeMarkers[1] || (WORD)record->rangeMarkers[0] >= (WORD)count ||
        (WORD)record->rangeMarkers[1] >= (WORD)count) {
        record->rangeMarkers[0] = (DWORD)(count / 10);
        record->rangeMarkers[1] = (DWORD)(count - count / 10 - 1);
    }
    if (count == record->sampleCount) {
        Adopt(record, proposedGeometry);
        ProfileDistances(record);
        return 1;
    }
    /* A new count: the copies would no longer match. */
    ProfileSetReference(record, 0, 0);
    ProfileSetFreeze(record, 0, 0);
    arrays[0] = (double *)MemAllocBlock(MEMBLOCK_MOVEABLE, values * sizeof(double));
    arrays[1] = arrays[0] ? (double *)MemAllocBlock(MEMBLOCK_MOVEABLE, (DWORD)count * sizeof(double)) : 0;
    arrays[2] = arrays[1] ? (double *)MemAllocBlock(MEMBLOCK_MOVEABLE, values * sizeof(double)) : 0;
    arrays[3] = arrays[2] ? (double *)MemAllocBlock(MEMBLOCK_MOVEABLE, values * sizeof(double)) : 0;
    if (!arrays[3]) {
        for (i = 0; i < 3; i++)
            if (arrays[i]) MemFreeBlock(arrays[i]);
        return 0;
    }
    record->sampleCount = (WORD)count;
    Adopt(record, proposedGeometry);
    FreeArray(&record->samples);
    FreeArray(&record->distances);
    FreeArray(&record->referenceSamples);
    FreeArray(&record->frozenSamples);
    record->samples = arrays[0];
    record->distances = arrays[1];
    record->referenceSamples = arrays[2];
    record->frozenSamples = arrays[3];
    ProfileDistances(record);
    return 1;
}
