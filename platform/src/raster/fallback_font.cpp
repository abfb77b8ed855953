// The built-in font used when the font file cannot be opened: blocky 3 x 5
// capitals, digits and common punctuation, scaled up by whole pixels to the
// requested size. Lower case is drawn as upper case and anything else as a
// filled block. It is crude on purpose: it keeps a program's text visible
// and measurable instead of failing.
#include <algorithm>
#include <map>

#include "raster/font_engine.h"

namespace plat::raster {

namespace {

// Five rows of three bits, top row first, leftmost pixel in the high bit.
constexpr uint16_t rows(int r0, int r1, int r2, int r3, int r4) {
    return static_cast<uint16_t>((r0 << 12) | (r1 << 9) | (r2 << 6) | (r3 << 3) | r4);
}

constexpr uint16_t kBlock = rows(7, 7, 7, 7, 7);

const std::map<char, uint16_t> &shapes() {
    static const std::map<char, uint16_t> table = {
        {' ', 0},
        {'0', rows(7, 5, 5, 5, 7)},
        {'1', rows(2, 6, 2, 2, 7)},
        {'2', rows(7, 1, 7, 4, 7)},
        {'3', rows(7, 1, 7, 1, 7)},
        {'4', rows(5, 5, 7, 1, 1)},
        {'5', rows(7, 4, 7, 1, 7)},
        {'6', rows(7, 4, 7, 5, 7)},
        {'7', rows(7, 1, 1, 1, 1)},
        {'8', rows(7, 5, 7, 5, 7)},
        {'9', rows(7, 5, 7, 1, 7)},
        {'A', rows(2, 5, 7, 5, 5)},
        {'B', rows(6, 5, 6, 5, 6)},
        {'C', rows(3, 4, 4, 4, 3)},
        {'D', rows(6, 5, 5, 5, 6)},
        {'E', rows(7, 4, 6, 4, 7)},
        {'F', rows(7, 4, 6, 4, 4)},
        {'G', rows(3, 4, 5, 5, 3)},
        {'H', rows(5, 5, 7, 5, 5)},
        {'I', rows(7, 2, 2, 2, 7)},
        {'J', rows(1, 1, 1, 5, 2)},
        {'K', rows(5, 5, 6, 5, 5)},
        {'L', rows(4, 4, 4, 4, 7)},
        {'M', rows(5, 7, 7, 5, 5)},
        {'N', rows(6, 5, 5, 5, 5)},
        {'O', rows(2, 5, 5, 5, 2)},
        {'P', rows(6, 5, 6, 4, 4)},
        {'Q', rows(2, 5, 5, 6, 3)},
        {'R', rows(6, 5, 6, 5, 5)},
        {'S', rows(3, 4, 2, 1, 6)},
        {'T', rows(7, 2, 2, 2, 2)},
        {'U', rows(5, 5, 5, 5, 7)},
        {'V', rows(5, 5, 5, 5, 2)},
        {'W', rows(5, 5, 7, 7, 5)},
        {'X', rows(5, 5, 2, 5, 5)},
        {'Y', rows(5, 5, 2, 2, 2)},
        {'Z', rows(7, 1, 2, 4, 7)},
        {'.', rows(0, 0, 0, 0, 2)},
        {',', rows(0, 0, 0, 2, 4)},
        {':', rows(0, 2, 0, 2, 0)},
        {';', rows(0, 2, 0, 2, 4)},
        {'-', rows(0, 0, 7, 0, 0)},
        {'+', rows(0, 2, 7, 2, 0)},
        {'=', rows(0, 7, 0, 7, 0)},
        {'(', rows(1, 2, 2, 2, 1)},
        {')', rows(4, 2, 2, 2, 4)},
        {'/', rows(1, 1, 2, 4, 4)},
        {'!', rows(2, 2, 2, 0, 2)},
        {'?', rows(6, 1, 2, 0, 2)},
        {'%', rows(5, 1, 2, 4, 5)},
        {'_', rows(0, 0, 0, 0, 7)},
        {'\'', rows(2, 2, 0, 0, 0)},
        {'"', rows(5, 5, 0, 0, 0)},
        {'*', rows(5, 2, 5, 0, 0)},
        {'<', rows(1, 2, 4, 2, 1)},
        {'>', rows(4, 2, 1, 2, 4)},
        {'[', rows(3, 2, 2, 2, 3)},
        {']', rows(6, 2, 2, 2, 6)},
        {'#', rows(5, 7, 5, 7, 5)},
        {'&', rows(2, 5, 2, 5, 3)},
    };
    return table;
}

uint16_t shapeOf(unsigned char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
    auto it = shapes().find(static_cast<char>(c));
    return it == shapes().end() ? kBlock : it->second;
}

// Design units: glyph 3 x 5 on a baseline, advance 4, ascent 6, descent 2.
class FallbackFace : public FontFace {
public:
    explicit FallbackFace(const FontKey &key) {
        scale_ = std::clamp((emPixelsForKey(key, 7, 8) + 3) / 7, 1, 64);  // nearest whole scale
        bold_ = key.bold;
        FontMetrics &m = metrics_;
        m.fallback = true;
        m.emPixels = 7 * scale_;
        m.ascent = 6 * scale_;
        m.descent = 2 * scale_;
        m.height = m.ascent + m.descent;
        m.internalLeading = m.height - m.emPixels;
        m.aveCharWidth = 4 * scale_;
        m.maxCharWidth = 4 * scale_ + (bold_ ? 1 : 0);
        m.underlineOffset = scale_;
        m.underlineThickness = scale_;
        m.strikeoutOffset = 2 * scale_;
    }

private:
    GlyphBitmap render(unsigned char c) override {
        GlyphBitmap g;
        if (c < 0x20 || c == 0x7F) return g;
        int extra = bold_ ? 1 : 0;  // bold: each mark widened by one pixel
        g.advance = 4 * scale_ + extra;
        g.top = 5 * scale_;
        g.width = 3 * scale_ + extra;
        g.height = 5 * scale_;
        g.coverage.assign(static_cast<size_t>(g.width) * static_cast<size_t>(g.height), 0);
        uint16_t shape = shapeOf(c);
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < 3 * scale_; ++x) {
                int bit = 14 - (y / scale_) * 3 - x / scale_;
                if (((shape >> bit) & 1) == 0) continue;
                for (int e = 0; e <= extra; ++e) g.coverage[static_cast<size_t>(y * g.width + x + e)] = 255;
            }
        return g;
    }

    int scale_ = 1;
    bool bold_ = false;
};

}  // namespace

std::shared_ptr<FontFace> makeFallbackFace(const FontKey &key) {
    return std::make_shared<FallbackFace>(key);
}

}  // namespace plat::raster
