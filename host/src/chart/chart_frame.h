// A chart's frame kept between drawings: everything but the plots (the white
// panel, title, grid, axes with their numbers, labels and legend) rendered
// once into a memory bitmap. A drawing whose frame would come out the same
// (the same rectangle, texts, legend entries, laid-out boxes and ticks where
// they land) copies it and draws only the plots over it; the spans may move
// a little, as they do while a line is dragged, without the frame changing.
//
// The plots lie inside the plot area and the frame's parts after them (axes,
// labels, legend) outside it, so drawing the frame whole first gives the same
// pixels as the one pass in order. A layout squeezed so far that a text box
// reaches into the plot area does not keep that promise; such drawings go
// the one pass every time.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "chart/chart_axes.h"
#include "chart/chart_content.h"
#include "chart/chart_fonts.h"
#include "chart/chart_layout.h"
#include "chart/gdi_scope.h"

namespace host {

// What the frame's pixels depend on.
struct ChartFrameKey {
    struct Entry {
        std::string name;
        COLORREF colour = 0;
        bool frozen = false;
        bool operator==(const Entry &) const = default;
    };
    std::string title, xLabel, yLabel, legendTitle;
    std::vector<Entry> plots;
    RECT boxes[6]{};  // the layout's bounds, title, labels, plot area and legend
    std::vector<PlacedTick> xTicks, yTicks;

    bool operator==(const ChartFrameKey &other) const;
};

ChartFrameKey frameKeyOf(const ChartContent &content, const ChartLayout &layout);

class ChartFrame {
public:
    // Draws the chart, laid out by planChart, into the DC.
    void draw(HDC dc, const ChartFonts &fonts, const ChartContent &content, const ChartLayout &layout);

private:
    bool render(HDC dc, const ChartFonts &fonts, const ChartContent &content, const ChartLayout &layout);

    bool rendered_ = false;  // the bitmap holds the frame of key_
    ChartFrameKey key_;
    GdiObject<HBITMAP> bitmap_;  // declared first: the DC holding it goes first
    MemoryDc memory_;
};

}  // namespace host
