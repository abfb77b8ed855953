// Coordinate arithmetic that stops at the ends of the int range instead of
// overflowing. Rectangles, points and window placements come from callers
// (the module, a desktop front end, input events) with any int value; a sum
// past the range is pinned to INT_MAX or INT_MIN, which every comparison and
// clip downstream still handles.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

#include <windows.h>

namespace plat {

inline LONG saturated(int64_t value) {
    return static_cast<LONG>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

inline LONG addSaturated(LONG a, LONG b) {
    return saturated(int64_t{a} + b);
}

inline LONG subSaturated(LONG a, LONG b) {
    return saturated(int64_t{a} - b);
}

// Window positions and sizes live in the 16-bit range Windows itself keeps
// them in (WM_MOVE and WM_SIZE carry them in 16 bits): a position from
// -32768 to 32767, a size from 0 to 32767.
constexpr LONG kMinWindowCoordinate = SHRT_MIN;
constexpr LONG kMaxWindowCoordinate = SHRT_MAX;

inline LONG windowCoordinate(LONG value) {
    return std::clamp(value, kMinWindowCoordinate, kMaxWindowCoordinate);
}

inline LONG windowExtent(LONG value) {
    return std::clamp<LONG>(value, 0, kMaxWindowCoordinate);
}

}  // namespace plat
