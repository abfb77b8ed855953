// What one send to the spreadsheet becomes: a sheet name that Excel takes,
// and the sent text as rows of cells (numbers as numbers, text as text).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

// Excel's limit on a sheet name, in characters.
inline constexpr size_t kMaxSheetNameChars = 31;

// "<image> <counter>": the image's title without its extension, the
// characters Excel forbids in a sheet name ([ ] : * ? / \) as '_', leading
// and trailing apostrophes and blanks dropped, cut so that the whole name
// keeps to 31 characters; "Profile <counter>" when nothing is left.
std::string sheetName(const std::string &imageTitle, int counter);

struct SheetCell {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0.0;
    std::string text;
};
using SheetRows = std::vector<std::vector<SheetCell>>;

// The text cut into rows at line ends (CR LF, or a lone LF or CR) and into
// cells at tabs; each field's leading and trailing blanks are dropped. A
// field that is a decimal number (sign, digits with one decimal separator,
// exponent) becomes a number: the separator is ',' when commaDecimal, else
// '.'. Every field of a line starting with '#' stays text, and so does
// anything else that is not a number. Empty fields are empty cells.
SheetRows sheetCells(std::string_view text, bool commaDecimal);

// The text as UTF-8: kept when it is valid UTF-8 already, else each byte
// taken as Latin-1 (the module's texts are 8-bit ANSI).
std::string utf8Text(std::string_view text);

}  // namespace host
