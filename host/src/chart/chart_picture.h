// The chart's pictures as the host's own code reads them: the SVG text that
// ChartCopyToClipboard puts under its registered clipboard format.
#pragma once

#include <optional>
#include <string>

#include <chartw32.h>

namespace host {

inline constexpr const char *kSvgClipboardFormat = "image/svg+xml";

// The clipboard format of a chart's SVG (registered on first use).
UINT svgClipboardFormat();

// The chart laid out for the rectangle's size, as an SVG document; nullopt
// for an unknown chart or an empty or huge rectangle.
std::optional<std::string> chartSvg(HCHART chart, const RECT &rect);

}  // namespace host
