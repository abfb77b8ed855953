// The table control's contents, what each cell says, and the grid that
// shows them: a headings row, then one row per table row with its number and
// its cells, scrolled by whole rows, with a vertical scroll bar on the right
// when the rows do not all fit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <tablew32.h>

namespace host {

// Limits of a table: columns, rows and cells in all.
inline constexpr DWORD kMaxTableColumns = 64;
inline constexpr DWORD kMaxTableRows = 1u << 20;
inline constexpr size_t kMaxTableCells = size_t{1} << 22;

// The table's own copy of what TableShow was given (the caller releases its
// cells right after the call).
struct TableData {
    size_t columns = 0;
    size_t rows = 0;
    int cellChars = 10;                 // room for this many characters per value column
    int precision = 6;                  // significant digits of a cell
    int rowHeaderWidth = 64;            // pixels of the row-number column
    std::vector<float> cells;           // row by row
    std::vector<std::string> headings;  // one per column ("" when not given)
    std::string rowHeading;
};

// Nullopt for settings the table cannot show: no columns, limits exceeded, no
// cells for a non-empty table. Zero in cellWidth, precision or rowHeaderWidth
// takes the defaults above.
std::optional<TableData> copyTable(const TableSpec &settings);

// A cell's text: %g with the table's precision.
std::string formatCell(float value, int precision);

// What the table shows at a row and column of its grid: row 0 is the
// headings (column 0 the row-number heading), rows 1..n the table's rows
// (column 0 their number, "1".."n"); nullopt outside the grid.
std::optional<std::string> tableText(const TableData &table, size_t row, size_t column);

// How the grid lies in a window: measured in the DC's table font.
struct GridGeometry {
    int rowHeight = 0;
    std::vector<int> edges;  // column edges from the left, the row-number column first
    RECT cells{};            // the rows' area under the headings, left of the scroll bar
    RECT scrollBar{};        // empty when every row fits
    size_t visibleRows = 0;  // whole rows that fit under the headings (at least 1)
};

GridGeometry measureGrid(HDC dc, const RECT &client, const TableData &table);

// The first row shown kept so that the last page is full.
size_t clampFirstRow(const TableData &table, const GridGeometry &grid, long long firstRow);

// The parts of the scroll bar, top to bottom.
enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };
struct ScrollBarParts {
    RECT lineUp{}, thumb{}, lineDown{};
    int trackTop = 0, trackBottom = 0;  // between the two arrow boxes
};
ScrollBarParts scrollBarParts(const TableData &table, const GridGeometry &grid, size_t firstRow);
ScrollPart scrollPartAt(const ScrollBarParts &parts, const RECT &bar, POINT at);
// The first row for the thumb's top at y (dragging it).
size_t firstRowForThumb(const TableData &table, const GridGeometry &grid, const ScrollBarParts &parts, int y);

// Selects the table's font into the DC (the caller restores it).
void selectTableFont(HDC dc);

// Paints the grid into the client rectangle, rows from firstRow on.
void paintTable(HDC dc, const RECT &client, const TableData &table, size_t firstRow);

}  // namespace host
