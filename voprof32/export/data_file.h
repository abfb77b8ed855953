/*
 * The profile as a text file: data (one line per sample) or statistics (one
 * line per channel), new or appended, with the optional header block,
 * legend line and x-axis columns. Tab-separated, right-aligned fields of 11
 * characters, CR LF line ends: the layout spreadsheets read. The clipboard
 * and spreadsheet exports write the same text.
 */
#ifndef VOPROF32_EXPORT_DATA_FILE_H
#define VOPROF32_EXPORT_DATA_FILE_H

#include <stddef.h>

#include <windows.h>

struct ProfileRecord;
struct RangeStats;

/* A save that could not open or complete its file. */
#define PROFILE_SAVE_FAILED (-992)

LONG ProfileSaveData(HWND host, const char *path, struct ProfileRecord *record, WORD flags);
LONG ProfileSaveStats(HWND host, const char *path, struct ProfileRecord *record, WORD flags);
void ProfileWriteHeader(HFILE file, struct ProfileRecord *record, const char *title);
void ProfileWriteStatsRow(HFILE file, const double *stats);
void ProfileWriteRangeRow(HFILE file, const struct RangeStats *range);

/* Column headings shared with the table view: the calibration's unit when the
 * profile applies that calibration and the image has one, else the string
 * `fallback`. */
void ProfileDistanceUnit(struct ProfileRecord *record, WORD fallback, char *out, size_t size);
void ProfileValueUnit(struct ProfileRecord *record, char *out, size_t size);

#endif /* VOPROF32_EXPORT_DATA_FILE_H */
