/*
 * Bands: each column (thick horizontal) or row (thick vertical) of the band
 * gives one sample, the average or the standard deviation of its pixels. The
 * band is read through the host's line reading, one row or column at a time,
 * into the profile's own samples; the only extra memory is the sums.
 */
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <binsum32.h>

#include "frame/profile_record.h"
#include "sampling/profile_sampling.h"

/* Whether line `at` of the band lies wholly beyond the image: every sample of it
 * then reads the same value (the host reads 0 there, calibrated). */
static int BeyondImage(const LONG *regionRect, const struct ProfileRecord *record, int vertical, LONG at) {
    LONG position = at + (vertical ? regionRect[0] : regionRect[1]);
    return position < 0 || position >= (vertical ? record->imageWidth : record->imageHeight);
}

/* Reads `lines` lines, each from line(k) into samples, and sums values and squares. A band can
 * be 65,535 lines thick and as long over an image of a few lines: of the lines beyond the image
 * one is read and the others only counted, so the work follows the image, not the band. */
static void ReadBand(HIMGREGION region, struct ProfileRecord *record, const LONG *relative, int vertical,
                     double count) {
    WORD n = (WORD)(record->sampleCount * record->channelCount), k;
    double *sums, beyondValue = 0.0;
    LONG first = vertical ? relative[0] : relative[1], last = vertical ? relative[2] : relative[3], at;
    LONG regionRect[4], beyond = 0;
    int placed = ImgRegionInfo(region, REGIONINFO_RECT, 0, 0, regionRect) == 0;
    LONG along = vertical ? labs(relative[3] - relative[1]) + 1 : labs(relative[2] - relative[0]) + 1;
    /* Only a band the arrays were sized for is read: a geometry that ProfilePrepare refused (an
     * edge dragged across the other, a band longer than a profile) would run past them. */
    if (along != record->sampleCount || last < first || count < 1.0) return;
    memset(record->samples, 0, (size_t)n * sizeof(double));
    sums = (double *)MemAllocBlock(MEMBLOCK_MOVEABLE, (DWORD)n * 16);
    if (!sums) return;
    memset(sums, 0, (size_t)n * 16);
    for (at = first; at <= last; at++) {
        LONG line[4];
        int lineBeyond = placed && BeyondImage(regionRect, record, vertical, at);
        if (lineBeyond && beyond++ > 0) continue;
        if (vertical) {
            line[0] = at, line[1] = relative[1], line[2] = at, line[3] = relative[3];
        } else {
            line[0] = relative[0], line[1] = at, line[2] = relative[2], line[3] = at;
        }
        LineSampleRead(region, line, record->samples, (LONG)record->colorModel);
        for (k = 0; k < n; k++) {
            double v = record->samples[k];
            sums[k] += v;
            sums[n + k] += v * v;
        }
        if (lineBeyond) beyondValue = record->samples[0];
    }
    for (k = 0; beyond > 1 && k < n; k++) {
        sums[k] += (double)(beyond - 1) * beyondValue;
        sums[n + k] += (double)(beyond - 1) * beyondValue * beyondValue;
    }
    ProfileReduceBand(record, n, sums, count);
    MemFreeBlock(sums);
}

void ProfileReadThickHorz(HIMGREGION region, const LONG *relative, struct ProfileRecord *record) {
    ReadBand(region, record, relative, 0, (double)(record->geometry[3] - record->geometry[1] + 1));
}

void ProfileReadThickVert(HIMGREGION region, const LONG *relative, struct ProfileRecord *record) {
    ReadBand(region, record, relative, 1, (double)(record->geometry[2] - record->geometry[0] + 1));
}

void ProfileReduceBand(struct ProfileRecord *record, WORD n, const double *sums, double count) {
    WORD k;
    for (k = 0; k < n; k++) {
        double mean = sums[k] / count;
        if (record->thickFunction == 3)
            record->samples[k] = mean;
        else if (record->thickFunction == 4)
            record->samples[k] = sqrt(sums[n + k] / count - mean * mean); /* divisor: the number of lines */
    }
}
