// What the chart's drawing code draws on: filled and framed boxes, lines,
// plot runs and text, in the pixel coordinates of the chart's layout. One
// drawing pass over a chart goes either to a DC (the screen, the pictures
// for the clipboard and the report) or to SVG text, so the two cannot come
// apart. Text is always black; measures come from the fonts the layout was
// planned with.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "chart/chart_fonts.h"

namespace host {

enum class ChartFont { Title, Text };
enum class TextAlign { Left, Center, Right };

// A position in pixels; a plot's points fall between pixel centres.
struct PixelPoint {
    double x, y;
};

class ChartCanvas {
public:
    virtual ~ChartCanvas() = default;

    // Drawing until the matching popClip is limited to the box as well.
    virtual void pushClip(const RECT &box) = 0;
    virtual void popClip() = 0;
    // Marks what follows until endGroup as one part of the chart, of a kind
    // ("plot", "legend", ...) and with a title (a plot's name); a DC ignores it.
    virtual void beginGroup(const std::string &, const std::string & = "") {}
    virtual void endGroup() {}

    // The box, right and bottom exclusive.
    virtual void fill(const RECT &box, COLORREF colour) = 0;
    // A one-pixel outline on the box's outermost pixels.
    virtual void frame(const RECT &box, COLORREF colour) = 0;
    // A one-pixel line from one pixel towards another, the last pixel left out
    // as GDI leaves it out; dotted for a frozen plot's legend swatch.
    virtual void line(POINT from, POINT to, COLORREF colour, bool dotted = false) = 0;
    // A visible piece of a plot: its points joined in order, the last one's
    // pixel drawn too (it is a data point).
    virtual void plotRun(const std::vector<PixelPoint> &points, COLORREF colour, bool dotted) = 0;
    // One line of text inside the box, at its top or centred on its height,
    // cut with an ellipsis when it is wider than the box.
    virtual void boxedText(const std::string &text, ChartFont font, const RECT &box, TextAlign align,
                           bool centredVertically) = 0;
    // One line of text with its top at y, starting at x (Left) or ending at x (Right).
    virtual void textAt(const std::string &text, ChartFont font, int x, int y, TextAlign align) = 0;

    virtual int textWidth(const std::string &text, ChartFont font) = 0;
    virtual int lineHeight(ChartFont font) = 0;
};

// Draws on a DC: its objects, colours, modes and clipping are as they were
// once the canvas is gone.
class GdiChartCanvas : public ChartCanvas {
public:
    GdiChartCanvas(HDC dc, const ChartFonts &fonts);
    ~GdiChartCanvas() override;
    GdiChartCanvas(const GdiChartCanvas &) = delete;
    GdiChartCanvas &operator=(const GdiChartCanvas &) = delete;

    void pushClip(const RECT &box) override;
    void popClip() override;
    void fill(const RECT &box, COLORREF colour) override;
    void frame(const RECT &box, COLORREF colour) override;
    void line(POINT from, POINT to, COLORREF colour, bool dotted) override;
    void plotRun(const std::vector<PixelPoint> &points, COLORREF colour, bool dotted) override;
    void boxedText(const std::string &text, ChartFont font, const RECT &box, TextAlign align,
                   bool centredVertically) override;
    void textAt(const std::string &text, ChartFont font, int x, int y, TextAlign align) override;
    int textWidth(const std::string &text, ChartFont font) override;
    int lineHeight(ChartFont font) override;

private:
    void select(ChartFont font);

    HDC dc_;
    const ChartFonts &fonts_;
    int savedLevel_;
    std::vector<int> clipLevels_;
};

// The pen a plot is drawn with: solid, or dotted for a frozen plot so that it
// stands apart from the live one it copies.
HPEN createPlotPen(COLORREF colour, bool dotted);

}  // namespace host
