// MulDiv, the lstr* functions and wsprintfA.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include <windows.h>

namespace {

// Halves round away from zero (100 points at 72 per inch are 133.33 pixels at
// 96); the product is taken in 64 bits and a result out of range (or a zero
// divisor) gives -1.
TEST(MulDiv, RoundsHalfAwayFromZeroAndSignalsFailureWithMinusOne) {
    constexpr int kMax = INT_MAX, kMin = INT_MIN;
    struct Case {
        int number, numerator, denominator, expected;
    };
    const Case cases[] = {
        {5, 1, 2, 3},       {-5, 1, 2, -3},     {5, 1, -2, -3},
        {-5, -1, 2, 3},     {7, 3, 2, 11},      {4, 1, 3, 1},
        {5, 1, 3, 2},       {-4, 1, 3, -1},     {-5, 1, 3, -2},
        {0, 9, 4, 0},       {100, 96, 72, 133}, {kMax, kMax, kMax, kMax},
        {kMin, 1, 1, kMin}, {1, 1, 0, -1},      {kMax, 2, 1, -1},
        {kMin, 2, 1, -1},   {kMin, -1, 1, -1},  {100000, 100000, 1000, 10000000},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

TEST(Lstr, CopynTruncatesAndAlwaysTerminates) {
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(lstrcpynA(buf, "abcdef", 4), buf);
    EXPECT_STREQ(buf, "abc");
    lstrcpynA(buf, "abcdef", 1);
    EXPECT_STREQ(buf, "");
    lstrcpynA(buf, "ab", 8);
    EXPECT_STREQ(buf, "ab");
    buf[0] = 'q';
    lstrcpynA(buf, "zz", 0);
    EXPECT_EQ(buf[0], 'q');
    EXPECT_EQ(lstrcpynA(nullptr, "a", 4), nullptr);
}

TEST(Lstr, CompareGivesSignOnlyAndTreatsBytesAsUnsigned) {
    struct Case {
        const char *a, *b;
        int exact, ignoringCase;
    };
    const Case cases[] = {
        {"abc", "abd", -1, -1}, {"abd", "abc", 1, 1},  {"abc", "abc", 0, 0},     {"ab", "abc", -1, -1},
        {"a\xe9", "az", 1, 1},  {"Abc", "abc", -1, 0}, {"B", "a", -1, 1},        {"P.INI", "p.ini", -1, 0},
        {nullptr, "", -1, -1},  {"", nullptr, 1, 1},   {nullptr, nullptr, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << (c.a ? c.a : "null") << " / " << (c.b ? c.b : "null"));
        EXPECT_EQ(lstrcmpA(c.a, c.b), c.exact);
        EXPECT_EQ(lstrcmpiA(c.a, c.b), c.ignoringCase);
    }
}

TEST(Lstr, CopyConcatenateAndLength) {
    char buf[16];
    EXPECT_STREQ(lstrcatA(lstrcpyA(buf, "line"), " one"), "line one");
    EXPECT_EQ(lstrlenA(buf), 8);
    EXPECT_EQ(lstrlenA(nullptr), 0);
    EXPECT_EQ(lstrcatA(buf, nullptr), nullptr);
}

template <typename... Args>
std::string format(const char *fmt, Args... args) {
    char buf[1100];
    int n = wsprintfA(buf, fmt, args...);
    EXPECT_EQ(n, static_cast<int>(std::strlen(buf))) << fmt;
    return buf;
}

// Integers, width, flags and precision, characters and strings; %f is not
// converted, copied as it is without taking an argument.
TEST(Wsprintf, ConversionsAsWindowsFormatsThem) {
    EXPECT_EQ(format("%d|%i", -5, 17), "-5|17");
    EXPECT_EQ(format("%u", -1), "4294967295");
    EXPECT_EQ(format("%x %X", 255, 255), "ff FF");
    EXPECT_EQ(format("%#x %#X %#x", 26, 26, 0), "0x1a 0X1A 0");
    EXPECT_EQ(format("%ld %lu %lx", -70000, 70000u, 0xBEEF), "-70000 70000 beef");
    EXPECT_EQ(format("%hd %hu", 65535, 65537), "-1 1");
    EXPECT_EQ(format("%d", INT_MIN), "-2147483648");
    EXPECT_EQ(format("[%5d] [%-5d] [%05d] [%-05d]", 42, 42, -42, 42), "[   42] [42   ] [-0042] [42   ]");
    EXPECT_EQ(format("[%08X] [%.3d] [%2d]", 0xABCu, 7, 12345), "[00000ABC] [007] [12345]");
    EXPECT_EQ(format("%c%c", 'o', 'k'), "ok");
    EXPECT_EQ(format("[%s] [%6s] [%-6s]", "a", "b", "c"), "[a] [     b] [c     ]");
    EXPECT_EQ(format("%.2s", "abcdef"), "ab");
    EXPECT_EQ(format("%s", static_cast<const char *>(nullptr)), "(null)");
    EXPECT_EQ(format("100%%"), "100%");
    EXPECT_EQ(format("%f %d", 7), "%f 7");
    EXPECT_EQ(format("%5.2f|%s", "x"), "%5.2f|x");
    EXPECT_EQ(format("end %"), "end %");
}

TEST(Wsprintf, OutputStopsAt1023Characters) {
    std::string big(2000, 'a');
    char buf[2100];
    EXPECT_EQ(wsprintfA(buf, "%s", big.c_str()), 1023);
    EXPECT_EQ(std::strlen(buf), 1023u);
    EXPECT_EQ(wsprintfA(buf, big.c_str()), 1023);
}

}  // namespace
