/*
 * Distances along the profile, the statistics of the shown channel, the
 * range/area figures between the two range markers, and the data queries of
 * the host's macro interface.
 */
#include "sampling/statistics.h"

#include <math.h>
#include <string.h>

#include <binsum32.h>
#include <chartw32.h>
#include <scaler32.h>

#include "frame/macro_codes.h"
#include "frame/profile_record.h"

void ProfileDistances(struct ProfileRecord *record) {
    double xs = 1.0, ys = 1.0, step;
    WORD i;
    if (!record->distances) return;
    if (record->spatialCalOn) {
        HSPATIALCAL cal = CalGetSpatial(record->imageId);
        if (cal) {
            CalSpatialValue(cal, CALSPATIAL_SCALE, 0, 0, &xs);
            CalSpatialValue(cal, CALSPATIAL_SCALE, 1, 0, &ys);
        }
    }
    if (record->thickMode == 1) {
        step = xs;
    } else if (record->thickMode == 2) {
        step = ys;
    } else {
        /* Circles and polylines take the same rule from their bounding box. */
        double dx = (double)(record->geometry[2] - record->geometry[0]);
        double dy = (double)(record->geometry[3] - record->geometry[1]);
        if (dy > dx)
            dy += 1.0;
        else
            dx += 1.0;
        dx *= xs;
        dy *= ys;
        step = sqrt(dx * dx + dy * dy) / record->sampleCount;
    }
    if (step < 0) step = -step;
    for (i = 0; i < record->sampleCount; i++) record->distances[i] = i * step;
}

WORD ProfileShownChannel(struct ProfileRecord *record) {
    HPLOT plot = 0;
    int step;
    if (record->channelCount < 3 || !record->chartHandle) return 0;
    /* The third plot of the sequence is the live plot drawn in front. */
    for (step = 0; step < 3; step++) ChartAttr(record->chartHandle, CHARTATTR_NEXTPLOT, plot, 0, &plot);
    return (WORD)PlotAttr(plot, PLOTATTR_USER, 0, 0, 0);
}

void ProfileStatistics(struct ProfileRecord *record) {
    WORD channel;
    if (!record->samples) return;
    channel = ProfileShownChannel(record);
    ValueStats(record->samples + (size_t)channel * record->sampleCount, record->sampleCount, record->stats);
    ProfileRangeArea(record, channel, &record->rangeStats);
}

void ProfileRangeArea(struct ProfileRecord *record, WORD channel, struct RangeStats *result) {
    const double *values =
        record->samples + (record->imageClass == IMAGECLASS_RGB ? (size_t)channel * record->sampleCount : 0);
    LONG a = (LONG)record->rangeMarkers[0], b = (LONG)record->rangeMarkers[1], t;
    double inside = 0.0, outside = 0.0, total;
    WORD i;
    if (b < a) {
        t = a;
        a = b;
        b = t;
    }
    for (i = 0; i < record->sampleCount; i++) {
        if ((LONG)i < a || (LONG)i > b)
            outside += values[i];
        else
            inside += values[i];
    }
    total = outside + inside;
    result->x1 = record->distances[a];
    result->x2 = record->distances[b];
    result->area = inside; /* the plain sum, not multiplied by the step */
    result->percent = total <= 0.0 ? 100.0 : inside * 100.0 / total;
    result->y1 = values[a];
    result->y2 = values[b];
    result->firstIndex = (DWORD)a;
    result->lastIndex = (DWORD)b;
}

static WORD ChannelOf(struct ProfileRecord *record, LONG argument) {
    return record->imageClass == IMAGECLASS_RGB ? (WORD)(SHORT)argument : 0;
}

LONG ProfileGetData(struct ProfileRecord *record, LONG code, LONG argument, void *output) {
    float *floats = (float *)output;
    switch ((SHORT)code) {
        case PROFDATA_COUNT:
            *(WORD *)output = record->sampleCount;
            return 0;
        case PROFDATA_GEOMETRY:
            memcpy(output, record->geometry, sizeof record->geometry);
            return 0;
        case PROFDATA_STATS: {
            WORD channel = ChannelOf(record, argument);
            double s[5];
            /* A channel the profile lacks would be read past the end of the samples. */
            if (!record->samples || channel >= record->channelCount) return -5;
            ValueStats(record->samples + (size_t)channel * record->sampleCount, record->sampleCount, s);
            floats[0] = (float)s[4];
            floats[1] = (float)s[3];
            floats[2] = (float)s[0];
            floats[3] = (float)s[1];
            floats[4] = (float)s[2];
            return 0;
        }
        case PROFDATA_VALUES: {
            LONG n = (SHORT)argument, total = (LONG)record->sampleCount * record->channelCount, i;
            if (n > total) n = total;
            for (i = 0; i < n && record->samples; i++) floats[i] = (float)record->samples[i];
            return 0;
        }
        case PROFDATA_RANGE: {
            struct RangeStats r;
            if (!record->samples || ChannelOf(record, argument) >= record->channelCount) return -5;
            ProfileRangeArea(record, ChannelOf(record, argument), &r);
            floats[0] = (float)r.x1;
            floats[1] = (float)r.x2;
            floats[2] = (float)r.area;
            floats[3] = (float)r.percent;
            floats[4] = (float)r.y1;
            floats[5] = (float)r.y2;
            floats[6] = (float)r.firstIndex;
            floats[7] = (float)r.lastIndex;
            return 0;
        }
        case PROFDATA_CURRENT:
            *(WORD *)output = (WORD)currentIndex;
            return 0;
        default:
            return -5;
    }
}
