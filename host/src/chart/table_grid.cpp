// The table's copy of its contents and its plain grid painting.
#include "chart/table_grid.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "chart/gdi_scope.h"

namespace host {

namespace {

constexpr size_t kMaxHeadingLength = 255;
constexpr int kCellPadding = 4;
constexpr int kMaxPrecision = 17;
constexpr COLORREF kGridColour = RGB(160, 160, 160);

std::string boundedText(const char *text) {
    return text ? std::string(text, strnlen(text, kMaxHeadingLength)) : std::string();
}

int textWidth(HDC dc, const std::string &text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// Column edges from the left: the row-number column, then one per value
// column, wide enough for its heading and for cellChars characters.
struct GridGeometry {
    int rowHeight = 0;
    std::vector<int> edges;
};

GridGeometry measureGrid(HDC dc, const TableData &table) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    GridGeometry grid;
    grid.rowHeight = metrics.tmHeight + 4;
    int x = std::max(table.rowHeaderWidth, textWidth(dc, table.rowHeading) + 2 * kCellPadding);
    grid.edges = {0, x};
    for (const std::string &heading : table.headings) {
        x += std::max(table.cellChars * metrics.tmAveCharWidth, textWidth(dc, heading)) + 2 * kCellPadding;
        grid.edges.push_back(x);
    }
    return grid;
}

void drawCellText(HDC dc, const std::string &text, int left, int top, int right, int bottom, UINT align) {
    RECT box{left + kCellPadding, top, right - kCellPadding, bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void drawGridLines(HDC dc, const RECT &client, const GridGeometry &grid, int bottom) {
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kGridColour));
    ScopedSelect selected(dc, pen.get());
    for (int y = grid.rowHeight; y <= bottom; y += grid.rowHeight) {
        MoveToEx(dc, 0, y - 1, nullptr);
        LineTo(dc, std::min<int>(grid.edges.back(), client.right), y - 1);
    }
    for (int x : grid.edges) {
        if (x == 0) continue;
        MoveToEx(dc, x - 1, 0, nullptr);
        LineTo(dc, x - 1, bottom);
    }
}

}  // namespace

std::optional<TableData> copyTable(const TableSpec &settings) {
    if (settings.columns == 0 || settings.columns > kMaxTableColumns || settings.rows > kMaxTableRows)
        return std::nullopt;
    const size_t cellCount = size_t{settings.columns} * settings.rows;
    if (cellCount > kMaxTableCells || (cellCount > 0 && !settings.cells)) return std::nullopt;
    TableData table;
    table.columns = settings.columns;
    table.rows = settings.rows;
    if (settings.cellWidth > 0) table.cellChars = static_cast<int>(std::min<DWORD>(settings.cellWidth, 64));
    if (settings.precision > 0)
        table.precision = static_cast<int>(std::min<DWORD>(settings.precision, kMaxPrecision));
    if (settings.rowHeaderWidth > 0)
        table.rowHeaderWidth = static_cast<int>(std::min<DWORD>(settings.rowHeaderWidth, 1024));
    if (cellCount > 0) table.cells.assign(settings.cells, settings.cells + cellCount);
    for (size_t c = 0; c < table.columns; ++c)
        table.headings.push_back(boundedText(settings.headings ? settings.headings[c] : nullptr));
    table.rowHeading = boundedText(settings.rowHeading);
    return table;
}

std::string formatCell(float value, int precision) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", precision, static_cast<double>(value));
    return text;
}

// Rows are numbered from 0, as the profile's points are everywhere else.
void paintTable(HDC dc, const RECT &client, const TableData &table) {
    SavedDc saved(dc);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const GridGeometry grid = measureGrid(dc, table);
    const int h = grid.rowHeight;

    RECT headings{0, 0, client.right, h};
    FillRect(dc, &headings, GetSysColorBrush(COLOR_BTNFACE));
    RECT numbers{0, h, grid.edges[1], client.bottom};
    FillRect(dc, &numbers, GetSysColorBrush(COLOR_BTNFACE));
    drawCellText(dc, table.rowHeading, 0, 0, grid.edges[1], h, DT_CENTER);
    for (size_t c = 0; c < table.columns; ++c)
        drawCellText(dc, table.headings[c], grid.edges[c + 1], 0, grid.edges[c + 2], h, DT_CENTER);

    int top = h;
    for (size_t r = 0; r < table.rows && top < client.bottom; ++r, top += h) {
        drawCellText(dc, std::to_string(r), 0, top, grid.edges[1], top + h, DT_CENTER);
        for (size_t c = 0; c < table.columns; ++c)
            drawCellText(dc, formatCell(table.cells[r * table.columns + c], table.precision),
                         grid.edges[c + 1], top, grid.edges[c + 2], top + h, DT_RIGHT);
    }
    drawGridLines(dc, client, grid, std::min<int>(top, client.bottom));
}

}  // namespace host
