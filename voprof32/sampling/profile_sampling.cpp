/*
 * Reading a profile. The host places the samples and converts colours; this
 * file decides what the host is given: the region, the
 * order of the end points, the circle's outline, the free-form vertices, the
 * colour model and the calibration.
 */
#include "sampling/profile_sampling.h"

#include <string.h>

#include <binsum32.h>
#include <roikit32.h>
#include <scaler32.h>

#include "frame/profile_record.h"
#include "sampling/statistics.h"

HIMGREGION ProfileOpenRegion(struct ProfileRecord *record, const LONG *rect, LONG *relative) {
    LONG r[4] = {rect[0], rect[1], rect[2], rect[3]}, t;
    HIMGREGION region;
    LONG info[4];
    if (r[2] < r[0]) {
        t = r[0];
        r[0] = r[2];
        r[2] = t;
    }
    if (r[1] > r[3]) {
        t = r[1];
        r[1] = r[3];
        r[3] = t;
    }
    region = ImgOpenRegion(record->imageId, 1, r[0], r[1], r[2], r[3]);
    if (!region) return 0;
    ImgRegionInfo(region, REGIONINFO_RECT, 0, 0, info);
    relative[0] = rect[0] - r[0];
    relative[1] = rect[1] - r[1];
    relative[2] = rect[2] - r[0];
    relative[3] = rect[3] - r[1];
    /* A line is read from its left end; a vertical one from the end given first. */
    if (relative[2] < relative[0]) {
        t = relative[0];
        relative[0] = relative[2];
        relative[2] = t;
        t = relative[1];
        relative[1] = relative[3];
        relative[3] = t;
    }
    return region;
}

/* The circle's outline from the host's ellipse shape, in a block the caller
 * frees; 0 and *count 0 when it cannot be had or has more points than a
 * profile can have samples. The angle is the constant 1.57. */
POINT *ProfileCircleOutline(const LONG *rel, WORD *count) {
    EllipseDescriptor d;
    LONG width = rel[2] - rel[0] + 1, height = rel[3] - rel[1] + 1;
    HAOISHAPE shape;
    POINT *points = 0;
    LONG n;
    d.centreX = (rel[0] + rel[2]) / 2;
    d.centreY = (rel[1] + rel[3]) / 2;
    if (height > width) {
        d.major = height;
        d.minor = width;
        d.angle = 1.57;
    } else {
        d.major = width;
        d.minor = height;
        d.angle = 0.0;
    }
    *count = 0;
    shape = AoiCreateShape(&d, 0, AOISHAPE_ELLIPSE);
    if (!shape) return 0;
    n = AoiGetShapeInfo(shape, AOISHAPEINFO_COUNT, 0);
    if (n > 0 && n <= PROFILE_MAX_VALUES)
        points = (POINT *)MemAllocBlock(MEMBLOCK_ZEROINIT, (DWORD)n * sizeof(POINT));
    if (points) AoiGetShapeInfo(shape, AOISHAPEINFO_POINTS, points);
    AoiDestroyShape(shape);
    *count = points ? (WORD)n : 0;
    return points;
}

void ProfileFreeformBounds(const struct ProfileRecord *record, LONG *box) {
    WORD i;
    box[0] = box[2] = record->freeformPoints[0].x;
    box[1] = box[3] = record->freeformPoints[0].y;
    for (i = 1; i < record->freeformCount; i++) {
        const POINT *p = &record->freeformPoints[i];
        if (p->x < box[0]) box[0] = p->x;
        if (p->y < box[1]) box[1] = p->y;
        if (p->x > box[2]) box[2] = p->x;
        if (p->y > box[3]) box[3] = p->y;
    }
}

/* The value range the image data can take, and the calibration bound to the region. */
static void SetUpIntensity(struct ProfileRecord *record, HIMGREGION region) {
    HINTENSITYCAL cal = 0;
    double range[2] = {0.0, 255.0};
    if (record->intensityCalOn) {
        cal = CalGetIntensity(record->imageId);
        CalSetRegionIntensity(region, cal);
    }
    if (cal) {
        CalIntensityValue(cal, CALINTENSITY_LOW, 0, 0, &record->valueRangeMin);
        CalIntensityValue(cal, CALINTENSITY_HIGH, 0, 0, &record->valueRangeMax);
        return;
    }
    if (record->imageClass == 4) range[1] = 4095.0;
    if (record->imageClass == 6) range[1] = 65535.0;
    if (record->imageClass == 5) ImgGetInfo(record->imageId, IMGINFO_RANGE, 0, 0, range);
    record->valueRangeMin = range[0];
    record->valueRangeMax = range[1];
    CalSetRegionIntensity(region, 0);
}

/* With the reference on, every value becomes its difference to the reference,
 * and the value range widens to cover the differences. */
static void SubtractReference(struct ProfileRecord *record) {
    WORD n = (WORD)(record->sampleCount * record->channelCount), i;
    double low, high;
    if (!record->referenceOn || !record->referenceSamples || !record->samples || n == 0) return;
    low = high = record->samples[0] - record->referenceSamples[0];
    for (i = 0; i < n; i++) {
        double v = record->samples[i] - record->referenceSamples[i];
        record->samples[i] = v;
        if (v < low) low = v;
        if (v > high) high = v;
    }
    if (low < record->valueRangeMin) record->valueRangeMin = low;
    if (high > record->valueRangeMax) record->valueRangeMax = high;
}

void ProfileRead(struct ProfileRecord *record) {
    HCURSOR previous;
    HIMGREGION region;
    LONG rel[4];
    if (record->imageId == -1) {
        if (record->samples)
            memset(record->samples, 0, (size_t)record->sampleCount * record->channelCount * sizeof(double));
        return;
    }
    if (!record->samples) return;
    previous = SetCursor(LoadCursorA(0, IDC_WAIT));
    region = ProfileOpenRegion(record, record->geometry, rel);
    if (region) {
        SetUpIntensity(record, region);
        if (record->geometryCtlId == GEOMETRY_FREEFORM) {
            ProfileReadFreeform(region, rel, record);
        } else {
            if (record->geometryCtlId == GEOMETRY_CIRCLE)
                ProfileReadCircle(region, rel, record);
            else if (record->thickMode == 1)
                ProfileReadThickHorz(region, rel, record);
            else if (record->thickMode == 2)
                ProfileReadThickVert(region, rel, record);
            else
                LineSampleRead(region, rel, record->samples, (LONG)record->colorModel);
            AoiFreeRegion(region);
        }
        SubtractReference(record);
    }
    SetCursor(previous);
}

/* Reads a polyline only when it gives exactly the samples the arrays were sized
 * for: a polyline that ProfilePrepare refused (too many samples) stays unread
 * instead of running past the end of the arrays. */
static void ReadPolyline(HIMGREGION region, const POINT *points, WORD n, struct ProfileRecord *record) {
    LONG count = 0, spare = 0;
    if (PolySampleCount(region, points, n, &count, &spare) < 0 || count != record->sampleCount) return;
    PolySampleRead(region, points, n, record->samples, (LONG)record->colorModel);
}

void ProfileReadCircle(HIMGREGION region, const LONG *relative, struct ProfileRecord *record) {
    WORD n;
    POINT *outline = ProfileCircleOutline(relative, &n);
    if (!outline) return;
    ReadPolyline(region, outline, n, record);
    MemFreeBlock(outline);
}

void ProfileReadFreeform(HIMGREGION region, const LONG *relative, struct ProfileRecord *record) {
    LONG box[4], rel[4];
    POINT *points;
    WORD i;
    (void)relative;
    AoiFreeRegion(region);
    if (record->freeformCount < 2) return;
    ProfileFreeformBounds(record, box);
    region = ProfileOpenRegion(record, box, rel);
    if (!region) return;
    points = (POINT *)MemAllocBlock(MEMBLOCK_ZEROINIT, (DWORD)record->freeformCount * sizeof(POINT));
    if (points) {
        for (i = 0; i < record->freeformCount; i++) {
            points[i].x = record->freeformPoints[i].x - box[0];
            points[i].y = record->freeformPoints[i].y - box[1];
        }
        /* No intensity calibration is set on this region. */
        ReadPolyline(region, points, record->freeformCount, record);
        MemFreeBlock(points);
    }
    AoiFreeRegion(region);
}
