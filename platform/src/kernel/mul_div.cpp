// MulDiv: nNumber * nNumerator / nDenominator with a 64-bit intermediate.
//
// Windows rounds the quotient half away from zero (MulDiv(5, 1, 2) is 3,
// MulDiv(-5, 1, 2) is -3) and returns -1 when the denominator is zero or the
// result does not fit in an int.
#include <climits>
#include <cstdint>

#include <windows.h>

extern "C" int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
    if (nDenominator == 0) return -1;
    int64_t product = static_cast<int64_t>(nNumber) * nNumerator;
    bool negative = (product < 0) != (nDenominator < 0);
    // Magnitudes fit: |product| <= 2^62 and |denominator| <= 2^31.
    uint64_t magnitude = product < 0 ? static_cast<uint64_t>(-product) : static_cast<uint64_t>(product);
    uint64_t divisor = nDenominator < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(nDenominator))
                                        : static_cast<uint64_t>(nDenominator);
    uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (negative) {
        if (quotient > static_cast<uint64_t>(INT_MAX) + 1) return -1;
        return static_cast<int>(-static_cast<int64_t>(quotient));
    }
    if (quotient > static_cast<uint64_t>(INT_MAX)) return -1;
    return static_cast<int>(quotient);
}
