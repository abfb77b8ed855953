/*
 * Data and statistics text files. Files are reached through the host's file
 * library, which writes a new file beside the old one and puts it in place
 * only when complete, and cuts a failed append back; so a save that fails
 * leaves the file as it was. Each line goes out in one write.
 */
#include "export/data_file.h"

#include <stdio.h>
#include <string.h>

#include <binsum32.h>
#include <miscfn32.h>
#include <scaler32.h>

#include "export/format_number.h"
#include "frame/macro_codes.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"
#include "host/host_services.h"
#include "sampling/statistics.h"

#define FIELD_TEXT 32
#define LINE_TEXT 192
#define TITLE_TEXT 128
#define STATS_COUNT 5

static void WriteText(HFILE file, const char *text) {
    FileWrite(file, text, (LONG)strlen(text));
}

/* A string-table text in the caller's buffer (the loader's buffer is shared). */
static void CopyResString(WORD id, char *out, size_t size) {
    strncpy(out, LoadResString(id), size - 1);
    out[size - 1] = 0;
}

static char *ExportNumber(double value, char *out) {
    return FormatNumber(value, out, 9 + exportNumberFlags);
}

/* The calibration's unit when it was found, else the string `fallback`. */
static void UnitOrString(int found, char *unit, WORD fallback, char *out, size_t size) {
    if (!found) {
        CopyResString(fallback, out, size);
        return;
    }
    unit[CAL_UNIT_TEXT_MAX - 1] = 0;
    strncpy(out, unit, size - 1);
    out[size - 1] = 0;
}

void ProfileDistanceUnit(struct ProfileRecord *record, WORD fallback, char *out, size_t size) {
    HSPATIALCAL cal = record->spatialCalOn == 1 ? CalGetSpatial(record->imageId) : 0;
    char unit[CAL_UNIT_TEXT_MAX] = "";
    UnitOrString(cal && CalSpatialValue(cal, CALSPATIAL_UNIT, 0, 0, unit) >= 0, unit, fallback, out, size);
}

void ProfileValueUnit(struct ProfileRecord *record, char *out, size_t size) {
    HINTENSITYCAL cal = record->intensityCalOn == 1 ? CalGetIntensity(record->imageId) : 0;
    char unit[CAL_UNIT_TEXT_MAX] = "";
    UnitOrString(cal && CalIntensityValue(cal, CALINTENSITY_UNIT, 0, 0, unit) >= 0, unit, IDS_GRAY_LEVEL, out,
                 size);
}

void ProfileWriteHeader(HFILE file, struct ProfileRecord *record, const char *title) {
    char line[LINE_TEXT], text[FIELD_TEXT * 2];
    DWORD model = record->colorModel;
    snprintf(line, sizeof line, "# %s\r\n\r\n", title);
    WriteText(file, line);
    WriteHeaderStamp(file);
    WriteImageInfo(file, hostWindow, record->imageId);
    WriteSpatialCalInfo(file, record->spatialCalOn == 1 ? CalGetSpatial(record->imageId) : 0);
    WriteIntensityCalInfo(file, record->intensityCalOn == 1 ? CalGetIntensity(record->imageId) : 0);
    CopyResString(IDS_NUMBER_OF_CHANNELS, text, sizeof text);
    snprintf(line, sizeof line, "# %s: %d\r\n", text, record->imageClass == IMAGECLASS_RGB ? 3 : 1);
    WriteText(file, line);
    CopyResString(IDS_NUMBER_OF_SAMPLES, text, sizeof text);
    snprintf(line, sizeof line, "# %s: %d\r\n", text, record->sampleCount);
    WriteText(file, line);
    if (record->imageClass == IMAGECLASS_RGB) {
        WriteText(file, LoadResString(IDS_CHANNELS_PREFIX));
        WriteText(file, LoadResString(
                            (WORD)(model >= 1 && model <= 4 ? IDS_MODEL_RGB + model - 1 : IDS_MODEL_RGB)));
        WriteText(file, "\r\n");
    }
}

void ProfileWriteStatsRow(HFILE file, const double *stats) {
    /* stats in the order of ValueStats: sum, minimum, maximum, standard deviation, mean */
    char line[LINE_TEXT], f[STATS_COUNT][FIELD_TEXT];
    snprintf(line, sizeof line, "%11s\t%11s\t%11s\t%11s\t%11s\r\n", ExportNumber(stats[4], f[0]),
             ExportNumber(stats[1], f[1]), ExportNumber(stats[2], f[2]), ExportNumber(stats[3], f[3]),
             ExportNumber(stats[0], f[4]));
    WriteText(file, line);
}

void ProfileWriteRangeRow(HFILE file, const struct RangeStats *range) {
    char line[LINE_TEXT], f[6][FIELD_TEXT];
    snprintf(line, sizeof line, "%11s\t%11s\t%11s\t%11s\t%11s\t%11s\r\n", ExportNumber(range->x1, f[0]),
             ExportNumber(range->y1, f[1]), ExportNumber(range->x2, f[2]), ExportNumber(range->y2, f[3]),
             ExportNumber(range->area, f[4]), ExportNumber(range->percent, f[5]));
    WriteText(file, line);
}

/* Opens the file for a save: an append to a missing file writes a new one,
 * and an append starts with two empty lines. HFILE_ERROR when it cannot be
 * opened; *previous then is untouched. */
static HFILE OpenExport(const char *path, WORD *flags, HCURSOR *previous) {
    HFILE file;
    if ((*flags & S_APPEND) && FileOpen(path, FILEOPEN_EXIST) == HFILE_ERROR) *flags &= (WORD)~S_APPEND;
    file = FileOpen(path, FILEOPEN_WRITE | ((*flags & S_APPEND) ? 0 : FILEOPEN_CREATE));
    if (file == HFILE_ERROR) return file;
    *previous = SetCursor(LoadCursorA(0, IDC_WAIT));
    if (*flags & S_APPEND) {
        _llseek(file, 0, FILE_END);
        WriteText(file, "\r\n\r\n");
    }
    return file;
}

/* Closing puts a new file in place; it fails when any write failed. */
static LONG CloseExport(HFILE file, HCURSOR previous) {
    LONG closed = FileClose(file);
    SetCursor(previous);
    return closed == HFILE_ERROR ? PROFILE_SAVE_FAILED : 0;
}

/* The header block under a title naming the image and the kind of save. */
static void WriteHeaderBlock(HFILE file, HWND host, struct ProfileRecord *record, WORD kind) {
    char title[TITLE_TEXT] = "";
    SendMessageA(host, HostQuery, QueryImageTitle, (LPARAM)title);
    title[TITLE_TEXT - 1] = 0;
    strncat(title, LoadResString(kind), sizeof title - strlen(title) - 1);
    ProfileWriteHeader(file, record, title);
    WriteText(file, "\r\n");
}

static void WriteDataLegend(HFILE file, struct ProfileRecord *record, WORD flags) {
    char line[LINE_TEXT], pixel[FIELD_TEXT], distance[CAL_UNIT_TEXT_MAX], value[CAL_UNIT_TEXT_MAX];
    if (flags & S_X_AXIS) {
        CopyResString(IDS_PIXEL, pixel, sizeof pixel);
        ProfileDistanceUnit(record, IDS_DISTANCE, distance, sizeof distance);
        snprintf(line, sizeof line, "#%11s\t%11s\t", pixel, distance);
        WriteText(file, line);
    }
    ProfileValueUnit(record, value, sizeof value);
    snprintf(line, sizeof line, "%11s\r\n", value);
    WriteText(file, line);
}

static void WriteDataLine(HFILE file, struct ProfileRecord *record, WORD flags, DWORD i) {
    char line[LINE_TEXT], a[FIELD_TEXT], b[FIELD_TEXT];
    const double *samples = record->samples;
    DWORD n = record->sampleCount;
    line[0] = 0;
    if (flags & S_X_AXIS)
        snprintf(line, sizeof line, "%11d\t%11s\t", (int)i + 1, ExportNumber(record->distances[i], a));
    snprintf(line + strlen(line), sizeof line - strlen(line), "%11s", ExportNumber(samples[i], a));
    if (record->channelCount == 3)
        snprintf(line + strlen(line), sizeof line - strlen(line), "\t%11s\t%11s",
                 ExportNumber(samples[n + i], a), ExportNumber(samples[2 * n + i], b));
    strcat(line, "\r\n");
    WriteText(file, line);
}

LONG ProfileSaveData(HWND host, const char *path, struct ProfileRecord *record, WORD flags) {
    HCURSOR previous = 0;
    HFILE file = OpenExport(path, &flags, &previous);
    DWORD i;
    if (file == HFILE_ERROR) return PROFILE_SAVE_FAILED;
    if (flags & S_HEADER) WriteHeaderBlock(file, host, record, IDS_PROFILE_DATA);
    if (flags & S_LEGEND) WriteDataLegend(file, record, flags);
    if (record->samples && (!(flags & S_X_AXIS) || record->distances))
        for (i = 0; i < record->sampleCount; i++) WriteDataLine(file, record, flags, i);
    return CloseExport(file, previous);
}

static void WriteStatsLegend(HFILE file, struct ProfileRecord *record) {
    char line[LINE_TEXT], t[5][FIELD_TEXT];
    if (record->statsMode == 2) {
        CopyResString(IDS_AREA, t[0], sizeof t[0]);
        snprintf(line, sizeof line, "\r\n#%11s\t%11s\t%11s\t%11s\t%11s\t%11s\r\n\r\n", "X1", "Y1", "X2", "Y2",
                 t[0], "%");
    } else {
        CopyResString(IDS_MEAN, t[0], sizeof t[0]);
        CopyResString(IDS_MIN, t[1], sizeof t[1]);
        CopyResString(IDS_MAX, t[2], sizeof t[2]);
        CopyResString(IDS_STDDEV, t[3], sizeof t[3]);
        CopyResString(IDS_SUM_HEADING, t[4], sizeof t[4]);
        snprintf(line, sizeof line, "\r\n#%11s\t%11s\t%11s\t%11s\t%11s\r\n\r\n", t[0], t[1], t[2], t[3],
                 t[4]);
    }
    WriteText(file, line);
}

/* A colour image: one row per channel, computed afresh; otherwise the
 * figures the window shows. */
static void WriteStatsRows(HFILE file, struct ProfileRecord *record) {
    WORD c;
    /* A free-form profile before its polyline is finished has nothing to describe. */
    if (!record->samples || !record->distances || record->sampleCount == 0) return;
    if (record->imageClass != IMAGECLASS_RGB) {
        if (record->statsMode == 2) {
            ProfileRangeArea(record, 0, &record->rangeStats);
            ProfileWriteRangeRow(file, &record->rangeStats);
        } else {
            ProfileWriteStatsRow(file, record->stats);
        }
        return;
    }
    for (c = 0; c < 3; c++) {
        if (record->statsMode == 2) {
            struct RangeStats range;
            ProfileRangeArea(record, c, &range);
            ProfileWriteRangeRow(file, &range);
        } else {
            double stats[STATS_COUNT];
            ValueStats(record->samples + (size_t)c * record->sampleCount, record->sampleCount, stats);
            ProfileWriteStatsRow(file, stats);
        }
    }
}

LONG ProfileSaveStats(HWND host, const char *path, struct ProfileRecord *record, WORD flags) {
    HCURSOR previous = 0;
    HFILE file = OpenExport(path, &flags, &previous);
    if (file == HFILE_ERROR) return PROFILE_SAVE_FAILED;
    if (flags & S_HEADER) WriteHeaderBlock(file, host, record, IDS_PROFILE_STATISTICS);
    if (flags & S_LEGEND) WriteStatsLegend(file, record);
    WriteStatsRows(file, record);
    return CloseExport(file, previous);
}
