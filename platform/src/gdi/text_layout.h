// DrawTextA's layout: mnemonic prefixes, line breaks, word wrapping and end
// ellipses, independent of drawing so that it can be tested on its own.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace plat::gdi {

struct LaidLine {
    std::string text;
    std::vector<bool> underlined;  // per character: a mnemonic ('&x')
    int width = 0;
};

// The width of a line's text (tabs measured from the line's start).
using MeasureText = std::function<int(std::string_view)>;

// Lays text out for the DT_ flags in format:
// - prefixes (unless DT_NOPREFIX): '&' is hidden and the next character
//   underlined; "&&" is a literal '&'; a final lone '&' is dropped;
// - lines (unless DT_SINGLELINE) end at CR LF, LF or CR;
// - DT_WORDBREAK (multi-line) breaks lines at spaces so that each fits in
//   maxWidth; the spaces at a break vanish, and a word wider than maxWidth
//   stays whole on a line of its own (it is clipped, not broken);
// - DT_END_ELLIPSIS cuts a line that is too wide and ends it with "...".
std::vector<LaidLine> layoutText(std::string_view text, UINT format, int maxWidth,
                                 const MeasureText &measure);

}  // namespace plat::gdi
