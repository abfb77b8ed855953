// Drawing a chart from its kept frame and its plots.
#include "chart/chart_frame.h"

#include <algorithm>
#include <cstdint>

#include "chart/chart_canvas.h"
#include "chart/chart_paint.h"

namespace host {

namespace {

// The frame bitmap is addressed in the DC's own coordinates, so it reaches
// from (0, 0) to the rectangle's far corner; rectangles far from the origin
// would make it mostly waste and are drawn in one pass instead.
constexpr int64_t kMaxWastedFactor = 4;

bool overlaps(const RECT &a, const RECT &b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// The parts drawn after the plots stay off the plot area (see the header).
bool partsApart(const ChartLayout &layout) {
    for (const RECT *box : {&layout.title, &layout.yLabel, &layout.xLabel, &layout.legend})
        if (overlaps(*box, layout.plotArea)) return false;
    return true;
}

bool worthKeeping(const RECT &bounds) {
    if (bounds.left < 0 || bounds.top < 0 || bounds.right <= bounds.left || bounds.bottom <= bounds.top)
        return false;
    const int64_t kept = int64_t{bounds.right} * bounds.bottom;
    const int64_t drawn = int64_t{bounds.right - bounds.left} * (bounds.bottom - bounds.top);
    return kept <= kMaxWastedFactor * drawn;
}

}  // namespace

bool ChartFrameKey::operator==(const ChartFrameKey &o) const {
    for (size_t i = 0; i < std::size(boxes); ++i)
        if (!EqualRect(&boxes[i], &o.boxes[i])) return false;
    return title == o.title && xLabel == o.xLabel && yLabel == o.yLabel && legendTitle == o.legendTitle &&
           plots == o.plots && xTicks == o.xTicks && yTicks == o.yTicks;
}

ChartFrameKey frameKeyOf(const ChartContent &content, const ChartLayout &layout) {
    ChartFrameKey key;
    key.title = content.title;
    key.xLabel = content.xLabel;
    key.yLabel = content.yLabel;
    key.legendTitle = content.legendTitle;
    for (const PlotLine &plot : content.plots) key.plots.push_back({plot.name, plot.colour, plot.frozen});
    const RECT boxes[] = {layout.bounds,   layout.title,  layout.yLabel,
                          layout.plotArea, layout.xLabel, layout.legend};
    std::copy(std::begin(boxes), std::end(boxes), key.boxes);
    key.xTicks = placedDistanceTicks(content, layout);
    key.yTicks = placedValueTicks(content, layout);
    return key;
}

bool ChartFrame::render(HDC dc, const ChartFonts &fonts, const ChartContent &content,
                        const ChartLayout &layout) {
    const RECT &bounds = layout.bounds;
    if (!memory_.get() || !partsApart(layout) || !worthKeeping(bounds)) return false;
    HBITMAP bitmap = CreateCompatibleBitmap(dc, bounds.right, bounds.bottom);
    if (!bitmap) return false;
    SelectObject(memory_.get(), bitmap);
    bitmap_.reset(bitmap);
    GdiChartCanvas canvas(memory_.get(), fonts);
    paintChartFrame(canvas, content, layout);
    return true;
}

void ChartFrame::draw(HDC dc, const ChartFonts &fonts, const ChartContent &content,
                      const ChartLayout &layout) {
    ChartFrameKey key = frameKeyOf(content, layout);
    if (!rendered_ || !(key == key_)) {
        rendered_ = render(dc, fonts, content, layout);
        key_ = std::move(key);
    }
    GdiChartCanvas canvas(dc, fonts);
    if (!rendered_) {
        paintChart(canvas, content, layout);
        return;
    }
    const RECT &b = layout.bounds;
    BitBlt(dc, b.left, b.top, b.right - b.left, b.bottom - b.top, memory_.get(), b.left, b.top, SRCCOPY);
    paintPlots(canvas, content, layout);
}

}  // namespace host
