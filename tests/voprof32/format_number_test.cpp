// The number formatter: the known field-9 texts, the edges of both forms, and
// values that must come out as an overflow text rather than garbage.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "export/format_number.h"

namespace {

const double kInf = INFINITY, kLow9 = 1.0000000000000004e-05, kLow8 = 1.0000000000000003e-04;
const DWORD C = 9 | FORMAT_COMMA;

// clang-format off
const struct { double value; DWORD flags; const char *text; } kCases[] = {
    {0, 9, "0"}, {1, 9, "1"}, {2.5, 9, "2.50"}, {12.5, 9, "12.50"}, {123.45, 9, "123.450"}, {123.0, 9, "123"},
    {65535.0, 9, "65535"}, {0.5, 9, ".50"}, {0.05, 9, ".050"}, {1.0 / 3, 9, ".3333333"}, {2.0 / 3, 9, ".6666667"},
    {3.14159265358979, 9, "3.141593"}, {12345.678, 9, "12345.68"}, {0.000123456, 9, ".0001234"},
    {9999999.4, 9, "9999999"}, {9999999.6, 9, "10000000"}, {1e7, 9, "1.e7"}, {123456789, 9, "1.2346e8"},
    {2.5e10, 9, "2.5e10"}, {1e-5, 9, "1.e-5"}, {9.99e-6, 9, "9.99e-6"}, {1.5e-11, 9, "1.5e-11"},
    {-3.25, 9, "-3.250"}, {1000000, 9, "1000000"}, {-1000000, 9, "-1.e6"}, {-1e-12, 9, "-1.e-12"},
    {1e100, 9, "ovf"}, {1e-99, 9, "ovf"},
    // The comma flag changes only the separator; other bits are ignored.
    {2.5, C, "2,50"}, {123456789, C, "1,2346e8"}, {0.5, C, ",50"}, {1e7, C, "1,e7"}, {-3.25, C, "-3,250"},
    {123.0, C, "123"}, {2.5, 9 | 0x40, "2.50"},
    // The stepped bounds of the fixed form (a negative value has one place less) are exact edges.
    {kLow9, 9, ".000010"}, {std::nextafter(kLow9, 0.0), 9, "1.e-5"}, {std::nextafter(1e7, 0.0), 9, "10000000"},
    {-kLow8, 9, "-.00010"}, {-std::nextafter(kLow8, 0.0), 9, "-1.e-4"}, {-999999.6, 9, "-1000000"},
    // Carries into a new leading digit, in both forms and across the point.
    {0.99999999, 9, "1"}, {0.099999999, 9, ".10"}, {99.999999, 9, "100"}, {9.99996e9, 9, "1.e10"},
    {9.99999e-6, 9, "1.e-5"},
    // Below 1 the leading zeros take places from digits already rounded: cut, not rounded again.
    {0.0123456789, 9, ".0123456"}, {0.0012345999, 9, ".0012346"},
    // A second exponent digit costs a mantissa digit from 1e10 up and from 1e-10 down; just above
    // 1e-10 the exponent is already -10 with the budget not yet cut, so the field is used in full.
    {9.87654321e9, 9, "9.8765e9"}, {1e10, 9, "1.e10"}, {1.23456789e10, 9, "1.235e10"},
    {1.23456e-10, 9, "1.235e-10"}, {1e-10, 9, "1.e-10"}, {9.99e-11, 9, "9.99e-11"}, {9.9e99, 9, "9.9e99"},
    {1.5e-99, 9, "1.5e-99"}, {-1e100, 9, "-ovf"}, {-1e-99, 9, "-ovf"},
    // Other widths; too narrow for either form overflows.
    {123.0, 5, "123"}, {1234, 5, "1.e3"}, {1234, 4, "ovf"}, {-5, 4, "-ovf"}, {7, 0, "ovf"}, {0, 0, "0"},
    {1.0 / 3, 12, ".3333333333"}, {123456789, 12, "123456789"}, {1234567890123.0, 12, "1.234568e12"},
    // Not ordinary numbers.
    {-0.0, 9, "0"}, {4.9e-324, 9, "ovf"}, {-DBL_MIN, 9, "-ovf"}, {DBL_MAX, 9, "ovf"}, {kInf, 9, "ovf"},
    {-kInf, 9, "-ovf"}, {NAN, 9, "ovf"},
};
// clang-format on

TEST(FormatNumber, KnownTexts) {
    char buffer[32];
    for (const auto &c : kCases) {
        EXPECT_EQ(FormatNumber(c.value, buffer, c.flags), buffer);
        EXPECT_STREQ(buffer, c.text) << "value " << c.value << " flags 0x" << std::hex << c.flags;
    }
}

// Any width and magnitude: only the overflow text may be wider than the field.
TEST(FormatNumber, FitsEveryFieldWidth) {
    char buffer[32];
    for (DWORD width = 0; width <= FORMAT_WIDTH_MASK; ++width)
        for (int e = -100; e <= 100; ++e)
            for (double value : {1.0, 1.0 / 3, 9.9999999999, 5.5, -1.0, -9.9999999999}) {
                std::string text = FormatNumber(value * std::pow(10.0, e), buffer, width);
                EXPECT_TRUE(text.size() <= width || text == "ovf" || text == "-ovf")
                    << text << " width " << width;
            }
}

}  // namespace
