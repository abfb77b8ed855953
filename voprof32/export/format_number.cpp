/*
 * The one number formatter behind the exported files, the clipboard text and
 * the statistics column: a double fitted into a field of a few characters, as
 * a short decimal where it fits and as a short exponent form where it does
 * not. The look (no leading zero, one trailing zero kept, "1.e7") is what the
 * exported files are known by, so it is kept exactly.
 */
#include "export/format_number.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Rounds v (positive, finite) to count significant digits and writes them to
 * digits; returns the position of the decimal point after the first digit's
 * place: 0.5 gives "5..." and 0, 123.45 gives "12345..." and 3. */
static int RoundDigits(double v, int count, char *digits) {
    char text[64];
    const char *p;
    int n = 0;
    snprintf(text, sizeof text, "%.*e", count - 1, v);
    for (p = text; *p && *p != 'e' && *p != 'E'; p++)
        if (*p >= '0' && *p <= '9') digits[n++] = *p;
    digits[n] = 0;
    return *p ? atoi(p + 1) + 1 : 1;
}

/* A run of trailing zeros becomes a single zero. */
static void CutTrailingZeros(char *text) {
    size_t n = strlen(text);
    if (n == 0 || text[n - 1] != '0') return;
    while (n >= 2 && text[n - 2] == '0') n--;
    text[n] = 0;
}

static char *FormatFixed(double v, int width, char separator, char *out) {
    char digits[40];
    /* The bounds are stepped in double precision one multiplication at a
     * time, and their rounding decides the form at the edges (1e-5 itself
     * falls below the lower bound). volatile keeps x87 builds from carrying
     * extended precision through the loop. */
    volatile double lo = 100.0, hi = 1.0;
    int w = width - 2, point, length, i;
    char *t = out;
    size_t n;
    for (i = 0; i < w; i++) {
        lo = lo * 0.1;
        hi = hi * 10.0;
    }
    if (!(lo <= v && v < hi)) { /* also refuses NaN */
        strcpy(out, "ovf");
        return out;
    }
    point = RoundDigits(v, w, digits);
    length = (int)strlen(digits);
    if (point <= 0) {
        *t++ = separator;
        for (i = point; i < 0 && w > 1; i++, w--) *t++ = '0';
        for (i = 0; i < w && i < length; i++) *t++ = digits[i];
        *t = 0;
        CutTrailingZeros(out);
        return out;
    }
    /* A carry into a new leading digit leaves one integer place without a
     * digit of its own: 9999999.6 becomes "10000000". */
    for (i = 0; i < point; i++) *t++ = i < length ? digits[i] : '0';
    *t++ = separator;
    for (i = point; i < w && i < length; i++) *t++ = digits[i];
    *t = 0;
    CutTrailingZeros(out);
    n = strlen(out);
    if (n >= 2 && out[n - 2] == separator && out[n - 1] == '0')
        out[n - 2] = 0; /* a whole number has no separator */
    else if (out[n - 1] == separator)
        out[n - 1] = 0;
    return out;
}

static char *FormatExponent(double v, int width, char separator, char *out) {
    char digits[40], exponent[16];
    int f = width - 5, point, i;
    char *t = out;
    if (!(v < 1e100 && v > 1e-99)) { /* also refuses NaN */
        strcpy(out, "ovf");
        return out;
    }
    if (v < 1.0) f--;                 /* the exponent's minus sign */
    if (v >= 1e10 || v <= 1e-10) f--; /* a second exponent digit */
    if (f < 0) {
        strcpy(out, "ovf");
        return out;
    }
    point = RoundDigits(v, f + 1, digits);
    *t++ = digits[0];
    *t++ = separator;
    for (i = 1; i <= f && digits[i]; i++) *t++ = digits[i];
    while (t[-1] == '0') t--; /* the separator stays, even alone: "1.e7" */
    snprintf(exponent, sizeof exponent, "e%d", point - 1);
    strcpy(t, exponent);
    return out;
}

char *FormatNumber(double value, char *buffer, DWORD flags) {
    int width = (int)(flags & FORMAT_WIDTH_MASK);
    char separator = (flags & FORMAT_COMMA) ? ',' : '.';
    char *text = buffer;
    if (value == 0.0) {
        strcpy(buffer, "0");
        return buffer;
    }
    if (value < 0.0) {
        *text++ = '-';
        value = -value;
        width--;
    }
    FormatFixed(value, width, separator, text);
    if (strcmp(text, "ovf") == 0) FormatExponent(value, width, separator, text);
    return buffer;
}
