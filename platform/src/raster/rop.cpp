// ROP2 and ROP3 tables and evaluation.
#include "raster/rop.h"

#include <array>
#include <cstddef>

namespace plat::raster {

namespace {

// Indexed by mode - 1. Derived from each mode's truth table f(P, D): for a
// pen bit p, X = f(p, 0) and A = f(p, 0) ^ f(p, 1).
constexpr std::array<Rop2Row, 16> kRop2Rows{{
    {false, false, false, false},  // R2_BLACK        0
    {true, true, true, true},      // R2_NOTMERGEPEN  ~(P | D)
    {true, true, false, false},    // R2_MASKNOTPEN   ~P & D
    {false, false, true, true},    // R2_NOTCOPYPEN   ~P
    {true, false, true, false},    // R2_MASKPENNOT   P & ~D
    {false, true, false, true},    // R2_NOT          ~D
    {false, true, true, false},    // R2_XORPEN       P ^ D
    {true, false, false, true},    // R2_NOTMASKPEN   ~(P & D)
    {true, false, false, false},   // R2_MASKPEN      P & D
    {false, true, true, true},     // R2_NOTXORPEN    ~(P ^ D)
    {false, true, false, false},   // R2_NOP          D
    {true, false, true, true},     // R2_MERGENOTPEN  ~P | D
    {false, false, true, false},   // R2_COPYPEN      P
    {true, true, false, true},     // R2_MERGEPENNOT  P | ~D
    {true, true, true, false},     // R2_MERGEPEN     P | D
    {false, false, false, true},   // R2_WHITE        1
}};

uint32_t bits(bool on) {
    return on ? kColorBits : 0u;
}

}  // namespace

bool isValidRop2(int mode) {
    return mode >= 1 && mode <= 16;
}

const Rop2Row &rop2Row(int mode) {
    return kRop2Rows[static_cast<size_t>(mode - 1)];
}

RopMasks rop2Masks(int mode, uint32_t pen) {
    const Rop2Row &row = rop2Row(mode);
    pen &= kColorBits;
    return {(pen & bits(row.aPen)) ^ bits(row.aConst), (pen & bits(row.xPen)) ^ bits(row.xConst)};
}

// In the index of a truth-table bit, the pattern is bit 2, the source bit 1
// and the destination bit 0 (PATCOPY = 0xF0, SRCCOPY = 0xCC, DSTCOPY = 0xAA).
bool rop3UsesSource(uint8_t code) {
    return (((code >> 2) ^ code) & 0x33) != 0;
}
bool rop3UsesPattern(uint8_t code) {
    return (((code >> 4) ^ code) & 0x0F) != 0;
}

uint32_t applyRop3(uint8_t code, uint32_t pattern, uint32_t source, uint32_t dest) {
    uint32_t result = 0;
    for (int i = 0; i < 8; ++i) {
        if (((code >> i) & 1) == 0) continue;
        result |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) & ((i & 1) ? dest : ~dest);
    }
    return result & kColorBits;
}

}  // namespace plat::raster
