// The raster-operation tables against the boolean definition of each mode.
#include <gtest/gtest.h>

#include <windows.h>

#include "raster/rop.h"

using namespace plat::raster;

namespace {

using Rop2Definition = uint32_t (*)(uint32_t pen, uint32_t dest);

const std::pair<int, Rop2Definition> kRop2Definitions[] = {
    {R2_BLACK, [](uint32_t, uint32_t) { return 0u; }},
    {R2_NOTMERGEPEN, [](uint32_t p, uint32_t d) { return ~(p | d); }},
    {R2_MASKNOTPEN, [](uint32_t p, uint32_t d) { return ~p & d; }},
    {R2_NOTCOPYPEN, [](uint32_t p, uint32_t) { return ~p; }},
    {R2_MASKPENNOT, [](uint32_t p, uint32_t d) { return p & ~d; }},
    {R2_NOT, [](uint32_t, uint32_t d) { return ~d; }},
    {R2_XORPEN, [](uint32_t p, uint32_t d) { return p ^ d; }},
    {R2_NOTMASKPEN, [](uint32_t p, uint32_t d) { return ~(p & d); }},
    {R2_MASKPEN, [](uint32_t p, uint32_t d) { return p & d; }},
    {R2_NOTXORPEN, [](uint32_t p, uint32_t d) { return ~(p ^ d); }},
    {R2_NOP, [](uint32_t, uint32_t d) { return d; }},
    {R2_MERGENOTPEN, [](uint32_t p, uint32_t d) { return ~p | d; }},
    {R2_COPYPEN, [](uint32_t p, uint32_t) { return p; }},
    {R2_MERGEPENNOT, [](uint32_t p, uint32_t d) { return p | ~d; }},
    {R2_MERGEPEN, [](uint32_t p, uint32_t d) { return p | d; }},
    {R2_WHITE, [](uint32_t, uint32_t) { return ~0u; }},
};

// Every combination of pen and destination bits occurs in each channel.
const uint32_t kSamples[] = {0x000000, 0xFFFFFF, 0x123456, 0xA5A5A5, 0x0F0F0F, 0xF0F0F0, 0x5A3C96};

}  // namespace

TEST(Rop2Table, EveryModeMatchesItsBooleanDefinition) {
    for (auto [mode, definition] : kRop2Definitions)
        for (uint32_t pen : kSamples)
            for (uint32_t dest : kSamples)
                ASSERT_EQ(applyRop(dest, rop2Masks(mode, pen)), definition(pen, dest) & 0xFFFFFF)
                    << "mode " << mode << std::hex << " pen " << pen << " dest " << dest;
    EXPECT_FALSE(isValidRop2(0));
    EXPECT_FALSE(isValidRop2(17));
}

TEST(Rop3, NamedCodesMatchTheirDefinitions) {
    using Rop3Definition = uint32_t (*)(uint32_t pattern, uint32_t source, uint32_t dest);
    const std::pair<DWORD, Rop3Definition> cases[] = {
        {SRCCOPY, [](uint32_t, uint32_t s, uint32_t) { return s; }},
        {SRCPAINT, [](uint32_t, uint32_t s, uint32_t d) { return s | d; }},
        {SRCAND, [](uint32_t, uint32_t s, uint32_t d) { return s & d; }},
        {SRCINVERT, [](uint32_t, uint32_t s, uint32_t d) { return s ^ d; }},
        {PATCOPY, [](uint32_t p, uint32_t, uint32_t) { return p; }},
        {PATINVERT, [](uint32_t p, uint32_t, uint32_t d) { return p ^ d; }},
        {DSTINVERT, [](uint32_t, uint32_t, uint32_t d) { return ~d; }},
        {WHITENESS, [](uint32_t, uint32_t, uint32_t) { return ~0u; }},
    };
    for (auto [rop, definition] : cases)
        for (uint32_t p : kSamples)
            for (uint32_t s : kSamples)
                for (uint32_t d : kSamples)
                    ASSERT_EQ(applyRop3(rop3Index(rop), p, s, d), definition(p, s, d) & 0xFFFFFF)
                        << std::hex << rop;
    EXPECT_TRUE(rop3UsesSource(rop3Index(SRCCOPY)) && !rop3UsesPattern(rop3Index(SRCCOPY)));
    EXPECT_TRUE(rop3UsesPattern(rop3Index(PATCOPY)) && !rop3UsesSource(rop3Index(PATCOPY)));
    EXPECT_FALSE(rop3UsesSource(rop3Index(DSTINVERT)) || rop3UsesPattern(rop3Index(DSTINVERT)));
}
