// The SVG canvas. Pixel (x, y) covers x..x+1 and y..y+1 in the document's
// user units, so one-pixel lines run through pixel centres (+0.5) and boxes
// sit on pixel edges; text is placed on its baseline, the font's ascent
// below the top GDI would draw it at.
#include "chart/chart_svg.h"

#include <cstdio>

namespace host {

namespace {

constexpr const char *kFontFamily = "DejaVu Sans, Verdana, sans-serif";
constexpr const char *kEllipsis = "...";

// Up to two decimals, without trailing zeros: "12", "12.5", "0.25".
std::string num(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string colourText(COLORREF colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

std::string strokeAttributes(COLORREF colour, bool dotted) {
    std::string s = " fill=\"none\" stroke=\"" + colourText(colour) + "\" stroke-width=\"1\"";
    if (dotted) s += " stroke-dasharray=\"1 1\"";
    return s;
}

}  // namespace

std::string xmlText(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (byte >= 0x80) {
                    out += static_cast<char>(0xC0 | (byte >> 6));
                    out += static_cast<char>(0x80 | (byte & 0x3F));
                } else if (byte >= 0x20) {
                    out += c;
                }
        }
    }
    return out;
}

SvgChartCanvas::SvgChartCanvas(const RECT &bounds, const ChartFonts &fonts)
    : bounds_(bounds), fonts_(fonts) {}

std::string SvgChartCanvas::document() {
    while (openClips_ > 0) popClip();
    const LONG width = bounds_.right - bounds_.left, height = bounds_.bottom - bounds_.top;
    std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    head += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + num(width) +
            "\" height=\"" + num(height) + "\" viewBox=\"" + num(bounds_.left) + " " + num(bounds_.top) +
            " " + num(width) + " " + num(height) + "\">\n";
    return head + body_ + "</svg>\n";
}

void SvgChartCanvas::pushClip(const RECT &box) {
    const std::string id = "clip" + std::to_string(++clipIds_);
    ++openClips_;
    body_ += "<clipPath id=\"" + id + "\"><rect x=\"" + num(box.left) + "\" y=\"" + num(box.top) +
             "\" width=\"" + num(box.right - box.left) + "\" height=\"" + num(box.bottom - box.top) +
             "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
}

void SvgChartCanvas::popClip() {
    if (openClips_ == 0) return;
    --openClips_;
    body_ += "</g>\n";
}

void SvgChartCanvas::beginGroup(const std::string &kind, const std::string &title) {
    body_ += "<g class=\"" + xmlText(kind) + "\">";
    if (!title.empty()) body_ += "<title>" + xmlText(title) + "</title>";
    body_ += "\n";
}

void SvgChartCanvas::endGroup() {
    body_ += "</g>\n";
}

void SvgChartCanvas::fill(const RECT &box, COLORREF colour) {
    if (box.right <= box.left || box.bottom <= box.top) return;
    body_ += "<rect x=\"" + num(box.left) + "\" y=\"" + num(box.top) + "\" width=\"" +
             num(box.right - box.left) + "\" height=\"" + num(box.bottom - box.top) + "\" fill=\"" +
             colourText(colour) + "\"/>\n";
}

void SvgChartCanvas::frame(const RECT &box, COLORREF colour) {
    if (box.right <= box.left || box.bottom <= box.top) return;
    body_ += "<rect x=\"" + num(box.left + 0.5) + "\" y=\"" + num(box.top + 0.5) + "\" width=\"" +
             num(box.right - box.left - 1) + "\" height=\"" + num(box.bottom - box.top - 1) + "\"" +
             strokeAttributes(colour, false) + "/>\n";
}

void SvgChartCanvas::line(POINT from, POINT to, COLORREF colour, bool dotted) {
    body_ += "<line x1=\"" + num(from.x + 0.5) + "\" y1=\"" + num(from.y + 0.5) + "\" x2=\"" +
             num(to.x + 0.5) + "\" y2=\"" + num(to.y + 0.5) + "\"" + strokeAttributes(colour, dotted) +
             "/>\n";
}

// A run of one point is its pixel.
void SvgChartCanvas::plotRun(const std::vector<PixelPoint> &points, COLORREF colour, bool dotted) {
    if (points.empty()) return;
    if (points.size() == 1) {
        body_ += "<rect x=\"" + num(points[0].x) + "\" y=\"" + num(points[0].y) +
                 "\" width=\"1\" height=\"1\" fill=\"" + colourText(colour) + "\"/>\n";
        return;
    }
    body_ += "<polyline points=\"";
    for (size_t i = 0; i < points.size(); ++i)
        body_ += (i ? " " : "") + num(points[i].x + 0.5) + "," + num(points[i].y + 0.5);
    body_ +=
        "\"" + strokeAttributes(colour, dotted) + " stroke-linejoin=\"round\" stroke-linecap=\"square\"/>\n";
}

// As DrawTextA cuts a single line with DT_END_ELLIPSIS: as many characters
// as fit before the ellipsis.
void SvgChartCanvas::boxedText(const std::string &text, ChartFont font, const RECT &box, TextAlign align,
                               bool centredVertically) {
    const int boxWidth = box.right - box.left;
    std::string shown = text;
    if (textWidth(shown, font) > boxWidth) {
        while (!shown.empty() && textWidth(shown + kEllipsis, font) > boxWidth) shown.pop_back();
        shown += kEllipsis;
    }
    const int width = textWidth(shown, font);
    int x = box.left;
    if (align == TextAlign::Center) x = box.left + (boxWidth - width) / 2;
    if (align == TextAlign::Right) x = box.right - width;
    int top = box.top;
    if (centredVertically) top = box.top + (box.bottom - box.top - lineHeight(font)) / 2;
    this->text(shown, font, x, top, TextAlign::Left);
}

void SvgChartCanvas::textAt(const std::string &text, ChartFont font, int x, int y, TextAlign align) {
    this->text(text, font, x, y, align);
}

int SvgChartCanvas::textWidth(const std::string &text, ChartFont font) {
    select(font);
    return host::textWidth(dc_.get(), text);
}

int SvgChartCanvas::lineHeight(ChartFont font) {
    select(font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_.get(), &metrics);
    return metrics.tmHeight;
}

void SvgChartCanvas::select(ChartFont font) {
    SelectObject(dc_.get(), font == ChartFont::Title ? fonts_.title() : fonts_.text());
}

void SvgChartCanvas::text(const std::string &text, ChartFont font, int x, int top, TextAlign align) {
    if (text.empty()) return;
    select(font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_.get(), &metrics);
    const bool title = font == ChartFont::Title;
    body_ += "<text x=\"" + num(x) + "\" y=\"" + num(top + metrics.tmAscent) + "\" font-family=\"" +
             kFontFamily + "\" font-size=\"" + num(title ? ChartFonts::kTitleSize : ChartFonts::kTextSize) +
             "\"";
    if (title) body_ += " font-weight=\"bold\"";
    if (align == TextAlign::Right) body_ += " text-anchor=\"end\"";
    if (align == TextAlign::Center) body_ += " text-anchor=\"middle\"";
    body_ += " fill=\"#000000\">" + xmlText(text) + "</text>\n";
}

}  // namespace host
