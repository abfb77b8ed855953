// The chart as SVG text: the same drawing pass as on the screen, written as
// vectors (rectangles, lines, polylines, text) in the layout's pixel
// coordinates, so a chart can go into a paper and be scaled without steps.
#pragma once

#include <string>

#include "chart/chart_canvas.h"
#include "chart/gdi_scope.h"

namespace host {

// Texts are measured, as for the layout, in the chart's fonts on a memory DC.
class SvgChartCanvas : public ChartCanvas {
public:
    SvgChartCanvas(const RECT &bounds, const ChartFonts &fonts);

    // The whole document; the canvas is done with afterwards.
    std::string document();

    void pushClip(const RECT &box) override;
    void popClip() override;
    void beginGroup(const std::string &kind, const std::string &title) override;
    void endGroup() override;
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
    void text(const std::string &text, ChartFont font, int x, int top, TextAlign align);

    RECT bounds_;
    const ChartFonts &fonts_;
    MemoryDc dc_;
    std::string body_;
    int clipIds_ = 0;    // clip paths made so far, for unique ids
    int openClips_ = 0;  // groups of pushClip not yet closed
};

// Text made safe for XML character data and attribute values: the five
// markup characters escaped, bytes from 0x80 taken as Latin-1 and written in
// UTF-8, control characters left out.
std::string xmlText(const std::string &text);

}  // namespace host
