// Raster operations. Every ROP2 mode reduces to D' = (D & A) ^ X, where A and
// X depend only on the pen colour P; the table below gives, per mode, how A
// and X are made from P. The inner loops of every primitive do only that.
// ROP3 codes (BitBlt, PatBlt, StretchDIBits) are 8-entry truth tables over
// (pattern, source, destination), evaluated bitwise.
#pragma once

#include <cstdint>

namespace plat::raster {

constexpr uint32_t kColorBits = 0x00FFFFFF;

struct RopMasks {
    uint32_t andMask = 0;
    uint32_t xorMask = 0;
};

inline uint32_t applyRop(uint32_t d, const RopMasks &m) {
    return (d & m.andMask) ^ m.xorMask;
}

// A = (P & aPen) ^ aConst and X = (P & xPen) ^ xConst, each term being
// either no bits or all colour bits.
struct Rop2Row {
    bool aPen, aConst, xPen, xConst;
};

bool isValidRop2(int mode);
// Row of a mode R2_BLACK..R2_WHITE; mode must be valid.
const Rop2Row &rop2Row(int mode);
// The masks of a mode for a pen pixel (0x00RRGGBB).
RopMasks rop2Masks(int mode, uint32_t pen);

// The ROP3 index is bits 16..23 of a raster-operation code (SRCCOPY, ...).
inline uint8_t rop3Index(uint32_t rop) {
    return static_cast<uint8_t>(rop >> 16);
}
bool rop3UsesSource(uint8_t code);
bool rop3UsesPattern(uint8_t code);
uint32_t applyRop3(uint8_t code, uint32_t pattern, uint32_t source, uint32_t dest);

}  // namespace plat::raster
