// The table control's contents and their plain grid: a headings row, then
// one row per table row with its number and its cells.
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
    int precision = 8;                  // significant digits of a cell
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

// Paints the grid into the client rectangle of a window; the rows that do
// not fit are left out (a grid that scrolls comes later).
void paintTable(HDC dc, const RECT &client, const TableData &table);

}  // namespace host
