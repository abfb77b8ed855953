/*
 * The table view. The table control copies what it shows when it is given
 * the table, so the cells are released right after; the headings stay in
 * module-wide buffers.
 */
#include "export/table_view.h"

#include <stdio.h>
#include <string.h>

#include <pixbuf32.h>
#include <scaler32.h>
#include <tablew32.h>

#include "export/data_file.h"
#include "frame/profile_record.h"
#include "frame/resource_strings.h"

#define HEADING_TEXT 64
#define CHANNEL_NAME_TEXT 32
#define TABLE_CELL_WIDTH 10
#define TABLE_PRECISION 8
#define TABLE_ROW_HEADER_WIDTH 64
/* Value units are cut in the headings: to 8 characters beside a channel name, to 18 alone. */
#define CHANNEL_UNIT_CHARS 8
#define GRAY_UNIT_CHARS 18

static char rowHeading[HEADING_TEXT];
static char distanceHeading[HEADING_TEXT];
static char valueHeadings[3][HEADING_TEXT];

static void FillHeadings(struct ProfileRecord *record, const char **headings) {
    char unit[CAL_UNIT_TEXT_MAX], name[CHANNEL_NAME_TEXT];
    LONG model = record->colorModel > 0 ? (LONG)record->colorModel - 1 : 0;
    int c;
    strncpy(rowHeading, LoadResString(IDS_POINT), sizeof rowHeading - 1);
    ProfileDistanceUnit(record, IDS_DISTANCE_PIXELS, distanceHeading, sizeof distanceHeading);
    ProfileValueUnit(record, unit, sizeof unit);
    headings[0] = distanceHeading;
    if (record->imageClass != IMAGECLASS_RGB) {
        snprintf(valueHeadings[0], sizeof valueHeadings[0], "%.*s", GRAY_UNIT_CHARS, unit);
        headings[1] = valueHeadings[0];
        return;
    }
    for (c = 0; c < 3; c++) {
        strncpy(name, LoadResString((WORD)(IDS_CHANNEL_NAMES + 3 * model + c)), sizeof name - 1);
        name[sizeof name - 1] = 0;
        snprintf(valueHeadings[c], sizeof valueHeadings[c], "%10s(%.*s)", name, CHANNEL_UNIT_CHARS, unit);
        headings[1 + c] = valueHeadings[c];
    }
}

void ProfileShowTable(HWND window, struct ProfileRecord *record) {
    TableSpec spec;
    const char *headings[4] = {0, 0, 0, 0};
    DWORD columns = record->imageClass == IMAGECLASS_RGB ? 4 : 2, rows = record->sampleCount, i, c;
    float *cells;
    memset(&spec, 0, sizeof spec);
    spec.columns = columns;
    spec.rows = rows;
    spec.cellWidth = TABLE_CELL_WIDTH;
    spec.precision = TABLE_PRECISION;
    spec.rowHeaderWidth = TABLE_ROW_HEADER_WIDTH;
    FillHeadings(record, headings);
    spec.rowHeading = rowHeading;
    spec.headings = headings;
    if (!record->samples || !record->distances) return;
    cells = (float *)MemAllocBlock(MEMBLOCK_MOVEABLE, columns * rows * sizeof(float) + 1);
    if (!cells) return;
    for (i = 0; i < rows; i++) {
        cells[i * columns] = (float)record->distances[i];
        for (c = 1; c < columns; c++) cells[i * columns + c] = (float)record->samples[(c - 1) * rows + i];
    }
    spec.cells = cells;
    TableShow(window, IDC_CHART, &spec);
    MemFreeBlock(cells);
}
