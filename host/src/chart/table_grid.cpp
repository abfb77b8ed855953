// The table's copy of its contents, the text of its cells, and the grid's
// geometry and painting.
#include "chart/table_grid.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "chart/gdi_scope.h"

namespace host {

namespace {

constexpr size_t kMaxHeadingLength = 255;
constexpr int kCellPadding = 4;
// A 32-bit float holds this many significant decimal digits reliably; more
// would show its binary noise (0.1 as 0.100000001).
constexpr int kFloatDigits = FLT_DIG;
constexpr int kMinThumb = 8;
constexpr COLORREF kGridColour = RGB(160, 160, 160);

std::string boundedText(const char *text) {
    return text ? std::string(text, strnlen(text, kMaxHeadingLength)) : std::string();
}

int textWidth(HDC dc, const std::string &text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void drawCellText(HDC dc, const std::string &text, int left, int top, int right, int bottom, UINT align) {
    RECT box{left + kCellPadding, top, right - kCellPadding, bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void drawGridLines(HDC dc, const GridGeometry &grid, int bottom) {
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kGridColour));
    ScopedSelect selected(dc, pen.get());
    const int right = std::min<int>(grid.edges.back(), grid.cells.right);
    for (int y = grid.rowHeight; y <= bottom; y += grid.rowHeight) {
        MoveToEx(dc, 0, y - 1, nullptr);
        LineTo(dc, right, y - 1);
    }
    for (int x : grid.edges) {
        if (x == 0 || x > grid.cells.right) continue;
        MoveToEx(dc, x - 1, 0, nullptr);
        LineTo(dc, x - 1, bottom);
    }
}

// A small solid triangle pointing up or down, centred in the box.
void drawArrow(HDC dc, const RECT &box, bool up) {
    const int size = std::max(2, static_cast<int>(std::min(box.right - box.left, box.bottom - box.top)) / 4);
    const int cx = (box.left + box.right) / 2, top = (box.top + box.bottom - size) / 2;
    for (int i = 0; i < size; ++i) {
        const int half = up ? i : size - 1 - i;
        MoveToEx(dc, cx - half, top + i, nullptr);
        LineTo(dc, cx + half + 1, top + i);
    }
}

void drawButtonBox(HDC dc, const RECT &box) {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    FrameRect(dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
}

void paintScrollBar(HDC dc, const ScrollBarParts &parts, const RECT &bar) {
    FillRect(dc, &bar, GetSysColorBrush(COLOR_SCROLLBAR));
    drawButtonBox(dc, parts.lineUp);
    drawButtonBox(dc, parts.lineDown);
    drawButtonBox(dc, parts.thumb);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    drawArrow(dc, parts.lineUp, true);
    drawArrow(dc, parts.lineDown, false);
}

bool inside(const RECT &r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
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
        table.precision = static_cast<int>(std::min<DWORD>(settings.precision, kFloatDigits));
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

std::optional<std::string> tableText(const TableData &table, size_t row, size_t column) {
    if (row > table.rows || column > table.columns) return std::nullopt;
    if (row == 0) return column == 0 ? table.rowHeading : table.headings[column - 1];
    if (column == 0) return std::to_string(row);
    return formatCell(table.cells[(row - 1) * table.columns + column - 1], table.precision);
}

void selectTableFont(HDC dc) {
    SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
}

GridGeometry measureGrid(HDC dc, const RECT &client, const TableData &table) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    GridGeometry grid;
    grid.rowHeight = std::max<int>(metrics.tmHeight + 4, 1);
    int x = std::max(table.rowHeaderWidth, textWidth(dc, table.rowHeading) + 2 * kCellPadding);
    grid.edges = {0, x};
    for (const std::string &heading : table.headings) {
        x += std::max(table.cellChars * metrics.tmAveCharWidth, textWidth(dc, heading)) + 2 * kCellPadding;
        grid.edges.push_back(x);
    }
    grid.cells = RECT{0, grid.rowHeight, client.right, std::max(client.bottom, LONG{grid.rowHeight})};
    grid.visibleRows =
        std::max<size_t>(1, static_cast<size_t>((grid.cells.bottom - grid.cells.top) / grid.rowHeight));
    if (table.rows > grid.visibleRows) {
        const int width = GetSystemMetrics(SM_CXVSCROLL);
        grid.scrollBar = RECT{std::max<LONG>(0, client.right - width), 0, client.right, client.bottom};
        grid.cells.right = grid.scrollBar.left;
    }
    return grid;
}

size_t clampFirstRow(const TableData &table, const GridGeometry &grid, long long firstRow) {
    const long long last =
        table.rows > grid.visibleRows ? static_cast<long long>(table.rows - grid.visibleRows) : 0;
    return static_cast<size_t>(std::clamp<long long>(firstRow, 0, last));
}

// The arrow boxes are square; the thumb's length is the shown share of the
// rows, its place the share scrolled past.
ScrollBarParts scrollBarParts(const TableData &table, const GridGeometry &grid, size_t firstRow) {
    ScrollBarParts parts;
    const RECT &bar = grid.scrollBar;
    const LONG side = std::min<LONG>(bar.right - bar.left, (bar.bottom - bar.top) / 2);
    parts.lineUp = RECT{bar.left, bar.top, bar.right, bar.top + side};
    parts.lineDown = RECT{bar.left, bar.bottom - side, bar.right, bar.bottom};
    parts.trackTop = parts.lineUp.bottom;
    parts.trackBottom = parts.lineDown.top;
    const int track = std::max(0, parts.trackBottom - parts.trackTop);
    const double rows = static_cast<double>(std::max<size_t>(table.rows, 1));
    const int thumb = std::min(track, std::max(kMinThumb, static_cast<int>(track * grid.visibleRows / rows)));
    const size_t range = table.rows > grid.visibleRows ? table.rows - grid.visibleRows : 0;
    const int top = parts.trackTop +
                    (range ? static_cast<int>((track - thumb) * static_cast<double>(firstRow) / range) : 0);
    parts.thumb = RECT{bar.left, top, bar.right, top + thumb};
    return parts;
}

ScrollPart scrollPartAt(const ScrollBarParts &parts, const RECT &bar, POINT at) {
    if (!inside(bar, at)) return ScrollPart::None;
    if (inside(parts.lineUp, at)) return ScrollPart::LineUp;
    if (inside(parts.lineDown, at)) return ScrollPart::LineDown;
    if (at.y < parts.thumb.top) return ScrollPart::PageUp;
    if (at.y >= parts.thumb.bottom) return ScrollPart::PageDown;
    return ScrollPart::Thumb;
}

size_t firstRowForThumb(const TableData &table, const GridGeometry &grid, const ScrollBarParts &parts,
                        int y) {
    const int travel = (parts.trackBottom - parts.trackTop) - (parts.thumb.bottom - parts.thumb.top);
    const size_t range = table.rows > grid.visibleRows ? table.rows - grid.visibleRows : 0;
    if (travel <= 0 || range == 0) return 0;
    const double share = static_cast<double>(y - parts.trackTop) / travel;
    return clampFirstRow(table, grid, std::llround(share * static_cast<double>(range)));
}

void paintTable(HDC dc, const RECT &client, const TableData &table, size_t firstRow) {
    SavedDc saved(dc);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    selectTableFont(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const GridGeometry grid = measureGrid(dc, client, table);
    const int h = grid.rowHeight;
    {
        SavedDc clipped(dc);
        IntersectClipRect(dc, 0, 0, grid.cells.right, client.bottom);
        RECT headings{0, 0, grid.cells.right, h};
        FillRect(dc, &headings, GetSysColorBrush(COLOR_BTNFACE));
        RECT numbers{0, h, grid.edges[1], client.bottom};
        FillRect(dc, &numbers, GetSysColorBrush(COLOR_BTNFACE));
        for (size_t c = 0; c <= table.columns; ++c)
            drawCellText(dc, *tableText(table, 0, c), grid.edges[c], 0, grid.edges[c + 1], h, DT_CENTER);
        int top = h;
        for (size_t r = firstRow + 1; r <= table.rows && top < client.bottom; ++r, top += h)
            for (size_t c = 0; c <= table.columns; ++c)
                drawCellText(dc, *tableText(table, r, c), grid.edges[c], top, grid.edges[c + 1], top + h,
                             c == 0 ? DT_CENTER : DT_RIGHT);
        drawGridLines(dc, grid, std::min<int>(top, client.bottom));
    }
    if (grid.scrollBar.right > grid.scrollBar.left)
        paintScrollBar(dc, scrollBarParts(table, grid, firstRow), grid.scrollBar);
}

}  // namespace host
