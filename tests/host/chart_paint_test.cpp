// The chart's drawing: tick steps and number texts for a table of ranges,
// then pixels of charts drawn into a memory DC (where a known ramp lands,
// which plot is on top, what hidden and frozen plots look like, the legend,
// full-scale ranges, and a chart of the largest profile).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "chart/chart_ticks.h"
#include "chart_test_support.h"

using namespace chart_test;

namespace {

struct TickCase {
    double low, high;
    int maxIntervals;
    double step;
    std::vector<std::string> texts;
};

TEST(ChartTicks, StepsAndTextsForATableOfRanges) {
    const TickCase cases[] = {
        {0, 255, 8, 50, {"0", "50", "100", "150", "200", "250"}},
        {0, 1, 5, 0.2, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {-0.3, 0.3, 6, 0.1, {"-0.3", "-0.2", "-0.1", "0.0", "0.1", "0.2", "0.3"}},
        {-1234.5, -1003, 3, 100, {"-1200", "-1100"}},
        {-20, 20, 4, 10, {"-20", "-10", "0", "10", "20"}},
        {-4, 25, 3, 10, {"0", "10", "20"}},  // the first multiple is -0: written 0
        {0, 65534, 7, 10000, {"0", "10000", "20000", "30000", "40000", "50000", "60000"}},
        {0, 1e7, 5, 2e6, {"0", "2e6", "4e6", "6e6", "8e6", "1e7"}},
        {1.1e7, 1.55e7, 4, 2e6, {"1.2e7", "1.4e7"}},
        {0, 6e-5, 3, 2e-5, {"0", "2e-5", "4e-5", "6e-5"}},
        {-2.5e-7, 2.5e-7, 4, 2e-7, {"-2e-7", "0", "2e-7"}},
        {0.00095, 0.001, 5, 1e-5, {"9.5e-4", "9.6e-4", "9.7e-4", "9.8e-4", "9.9e-4", "1e-3"}},
        // A small step on a large value: the fixed texts stay, being shorter.
        {1e6, 1e6 + 0.25, 3, 0.1, {"1000000.0", "1000000.1", "1000000.2"}},
    };
    for (const TickCase &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.low << " to " << c.high << " in " << c.maxIntervals);
        host::TickStep step = host::niceStep(c.high - c.low, c.maxIntervals);
        EXPECT_DOUBLE_EQ(step.value(), c.step);
        EXPECT_EQ(host::axisTicks(host::axisSpan(c.low, c.high), step).texts, c.texts);
    }
}

TEST(ChartTicks, DegenerateRangesGiveAnAxisAroundTheValue) {
    struct {
        double low, high, spanLow, spanHigh;
    } const cases[] = {
        {5, 5, 4.5, 5.5},         {0, 0, -1, 1},
        {-20, -20, -22, -18},     {3, 1, 1, 3},
        {NAN, 3, 2.7, 3.3},       {INFINITY, -INFINITY, 0, 1},
        {1, 1 + 1e-12, 0.9, 1.1},
    };
    for (const auto &c : cases) {
        host::AxisSpan span = host::axisSpan(c.low, c.high);
        EXPECT_NEAR(span.low, c.spanLow, 1e-9) << c.low << " to " << c.high;
        EXPECT_NEAR(span.high, c.spanHigh, 1e-9) << c.low << " to " << c.high;
    }
    host::AxisSpan huge = host::axisSpan(-1e308, 1e308);
    EXPECT_TRUE(std::isfinite(huge.high - huge.low));
    host::TickStep step = host::niceStep(huge.high - huge.low, 4);
    EXPECT_EQ(host::axisTicks(huge, step).texts,
              (std::vector<std::string>{"-1e300", "-5e299", "0", "5e299", "1e300"}));
}

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 160, 0), kBlue = RGB(0, 0, 255);
constexpr int kWidth = 400, kHeight = 300;

// A plot's data as the test owns it; the callback finds it through the
// chart's owner value and the plot's user value, as the module finds its record.
struct Series {
    std::vector<double> x, y;
    double yMin = 0, yMax = 0;  // the value range the callback reports
};

std::vector<Series> *ownerOf(HPLOT plot) {
    auto chart = static_cast<HCHART>(PlotAttr(plot, PLOTATTR_CHART, 0, 0, nullptr));
    return reinterpret_cast<std::vector<Series> *>(ChartAttr(chart, CHARTATTR_RECORD, 0, 0, nullptr));
}

PlotDataReply *CALLBACK seriesData(LONG kind, HPLOT plot, PlotDataReply *reply) {
    const Series &s = (*ownerOf(plot))[PlotAttr(plot, PLOTATTR_USER, 0, 0, nullptr)];
    reply->count = static_cast<WORD>(s.y.size());
    if (s.y.empty()) return reply;
    reply->xMin = *std::min_element(s.x.begin(), s.x.end());
    reply->xMax = *std::max_element(s.x.begin(), s.x.end());
    reply->yMin = s.yMin;
    reply->yMax = s.yMax;
    if (kind == PLOTDATA_SERIES) {
        reply->x = PlotSeries{PLOTSERIES_DOUBLES, s.x.data(), 0, sizeof(double), {0, 0}};
        reply->y = PlotSeries{PLOTSERIES_DOUBLES, s.y.data(), 0, sizeof(double), {0, 0}};
    }
    return reply;
}

// n points at distances 0..n-1 with values f(i), the reported range that of the values.
Series series(size_t n, const std::function<double(size_t)> &f) {
    Series s;
    for (size_t i = 0; i < n; ++i) {
        s.x.push_back(static_cast<double>(i));
        s.y.push_back(f(i));
    }
    s.yMin = *std::min_element(s.y.begin(), s.y.end());
    s.yMax = *std::max_element(s.y.begin(), s.y.end());
    return s;
}

class ChartPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ChartAttr(chart, CHARTATTR_SET | CHARTATTR_RECORD, 0, reinterpret_cast<LONG_PTR>(&data), nullptr);
        SelectObject(dc, bitmap);
    }
    void TearDown() override {
        ChartDestroy(chart);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HPLOT add(Series s, COLORREF colour, WORD style = 0, const char *name = "Plot") {
        PlotSpec plot = plotSettings(name, static_cast<DWORD>(data.size()), 1, seriesData);
        plot.colour = colour;
        plot.style = style;
        data.push_back(std::move(s));
        return ChartAddPlot(chart, &plot);
    }
    // Draws the chart over the whole bitmap; the plot area it reports afterwards.
    RECT draw() {
        RECT all{0, 0, kWidth, kHeight};
        EXPECT_TRUE(ChartDraw(chart, dc, &all, 0, 1));
        return plotArea(chart);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
    int count(const RECT &r, COLORREF colour) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += at(x, y) == colour;
        return n;
    }
    // Pixels of the colour outside the area (the legend's swatches among them).
    int outside(const RECT &area, COLORREF colour) const {
        return count(RECT{0, 0, kWidth, kHeight}, colour) - count(area, colour);
    }

    ChartSpec settings{"Line Profile", "Pixel", "Count", "Legend", {}};
    HCHART chart = ChartCreate(&settings);
    std::vector<Series> data;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, kWidth, kHeight);
};

TEST_F(ChartPaintTest, RampLandsOnItsPixelsInsideTheReportedArea) {
    add(series(101, [](size_t i) { return static_cast<double>(i); }), kRed);
    const RECT a = draw();
    const int w = a.right - a.left, h = a.bottom - a.top;
    ASSERT_GT(w, 200);
    ASSERT_GT(h, 150);
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(
            at(a.left + std::lround(i * (w - 1) / 100.0), std::lround(a.bottom - 1 - i * (h - 1) / 100.0)),
            kRed)
            << "point " << i;
    for (int x = a.left; x < a.right; ++x) {
        double ideal = a.bottom - 1 - (x - a.left) * (h - 1.0) / (w - 1.0);
        int lit = 0;
        for (int y = a.top; y < a.bottom; ++y)
            if (at(x, y) == kRed) {
                ++lit;
                EXPECT_LE(std::fabs(y - ideal), 1.5) << x << ", " << y;
            }
        EXPECT_GE(lit, 1) << "column " << x;
    }
    EXPECT_EQ(outside(a, kRed), 2 * 20) << "the legend's swatch alone";
    EXPECT_EQ(at(a.left - 1, a.top + h / 4), RGB(0, 0, 0)) << "the frame hugs the area";
    EXPECT_EQ(at(a.right, a.top + h / 4), RGB(0, 0, 0));
    EXPECT_EQ(at(a.left + w / 2, a.top - 1), RGB(0, 0, 0));
    EXPECT_EQ(at(a.left + w / 2, a.bottom), RGB(0, 0, 0));
}

TEST_F(ChartPaintTest, PlotsDrawnLaterCoverEarlierOnes) {
    auto ramp = [](size_t i) { return static_cast<double>(i % 37); };
    add(series(300, ramp), kRed);
    HPLOT blue = add(series(300, ramp), kBlue);
    RECT a = draw();
    EXPECT_EQ(count(a, kRed), 0);
    EXPECT_GT(count(a, kBlue), 300);
    ChartAttr(chart, CHARTATTR_SET | CHARTATTR_TOHEAD, blue, 0, nullptr);
    a = draw();
    EXPECT_EQ(count(a, kBlue), 0) << "blue first now, red over it";
    EXPECT_GT(count(a, kRed), 300);
}

TEST_F(ChartPaintTest, AxesAndLegendFollowTheShownPlotsOnly) {
    add(series(50, [](size_t i) { return 10.0 + i % 5; }), kRed, 0, "Red");
    HPLOT green = add(series(50, [](size_t i) { return 40.0 + i % 5; }), kGreen, 0, "Green");
    add(series(50, [](size_t i) { return 20.0 + i % 5; }), kBlue, 0, "Blue");
    RECT a = draw();
    // The swatches are the colours' only pixels right of the area, in drawing order.
    auto swatchRow = [&](COLORREF colour) {
        for (int y = 0; y < kHeight; ++y)
            if (count(RECT{a.right + 1, y, kWidth, y + 1}, colour) > 0) return y;
        return -1;
    };
    for (COLORREF colour : {kRed, kGreen, kBlue}) EXPECT_EQ(outside(a, colour), 2 * 20);
    EXPECT_LT(swatchRow(kRed), swatchRow(kGreen));
    EXPECT_LT(swatchRow(kGreen), swatchRow(kBlue));
    const RECT topRow{a.left, a.top, a.right, a.top + 1}, bottomRow{a.left, a.bottom - 1, a.right, a.bottom};
    EXPECT_GT(count(topRow, kGreen), 0) << "the highest plot reaches the top";
    EXPECT_GT(count(bottomRow, kRed), 0) << "the lowest the bottom";

    const int greenRow = swatchRow(kGreen);
    PlotAttr(green, CHARTATTR_SET | PLOTATTR_SHOWN, 0, 0, nullptr);
    a = draw();
    EXPECT_EQ(count(RECT{0, 0, kWidth, kHeight}, kGreen), 0) << "hidden: not drawn, not in the legend";
    EXPECT_EQ(swatchRow(kBlue), greenRow) << "blue moves up into green's row";
    EXPECT_GT(count(RECT{a.left, a.top, a.right, a.top + 1}, kBlue), 0)
        << "the axis shrinks to the shown plots";
}

TEST_F(ChartPaintTest, ReportedValueRangeSetsTheScaleAndClipsTheLine) {
    add(series(51, [](size_t i) { return 100.0 + i; }), kRed);
    RECT a = draw();
    const int h = a.bottom - a.top;
    EXPECT_EQ(at(a.left, a.bottom - 1), kRed) << "the data range: lowest value on the bottom row";
    EXPECT_EQ(at(a.right - 1, a.top), kRed);

    data[0].yMin = 0;  // full scale, as the callback reports it
    data[0].yMax = 255;
    a = draw();
    EXPECT_EQ(at(a.left, std::lround(a.bottom - 1 - 100 / 255.0 * (h - 1))), kRed);
    EXPECT_EQ(at(a.right - 1, std::lround(a.bottom - 1 - 150 / 255.0 * (h - 1))), kRed);
    EXPECT_EQ(count(RECT{a.left, a.top, a.right, a.top + h / 3}, kRed), 0);

    data[0].yMin = 120;  // narrower than the data: the line leaves the area
    data[0].yMax = 130;
    a = draw();
    EXPECT_GT(count(RECT{a.left, a.top, a.right, a.top + 1}, kRed), 0);
    EXPECT_GT(count(RECT{a.left, a.bottom - 1, a.right, a.bottom}, kRed), 0);
    EXPECT_EQ(outside(a, kRed), 2 * 20) << "clipped to the area";
}

TEST_F(ChartPaintTest, FrozenPlotIsDottedAndAFlatOneSitsMidway) {
    add(series(80, [](size_t) { return 7.0; }), kRed);
    add(series(80, [](size_t) { return 7.0; }), kBlue, PLOTSTYLE_FROZEN);
    add(Series{}, kGreen, 0, "No points");
    const RECT a = draw();
    const int w = a.right - a.left, middle = std::lround((a.bottom - 1 + a.top) / 2.0);
    const RECT row{a.left, middle, a.right, middle + 1};
    EXPECT_EQ(count(row, kRed) + count(row, kBlue), w);
    EXPECT_GT(count(row, kBlue), w / 3);
    EXPECT_GT(count(row, kRed), w / 3) << "the live plot shows through the frozen one's gaps";
    EXPECT_EQ(count(a, kGreen), 0);
    EXPECT_EQ(outside(a, kGreen), 2 * 20) << "listed all the same";
}

TEST_F(ChartPaintTest, LargestProfileKeepsEachColumnsExtremes) {
    // Alternating 0 and 1: every column holds both, so the plot fills the area.
    add(series(65535, [](size_t i) { return static_cast<double>(i % 2); }), kRed);
    const RECT a = draw();
    EXPECT_EQ(count(a, kRed), (a.right - a.left) * (a.bottom - a.top));
}

}  // namespace
