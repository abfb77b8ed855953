// The font engine: FreeType renders DejaVu Sans in place of every face a
// program asks for ("MS Sans Serif", "System", ...). A face is realised once
// per (height, bold, italic) and keeps its rendered glyphs, so each
// character is rendered once per font.
//
// Heights follow Windows' mapping of LOGFONT heights: a negative lfHeight is
// the character (em) height in pixels, a positive one the cell height
// (ascent + descent, from the font's Windows ascent and descent), and 0 the
// default of -11, the 8-point dialog font at 96 dpi.
//
// Rendering is hinted (TrueType bytecode, interpreter version 40, set
// explicitly so that FREETYPE_PROPERTIES cannot change it) and anti-aliased
// with 256 grey levels. Without the font file (VO_FONT_PATH), a built-in
// blocky bitmap font stands in so that text still has extents and marks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace plat::raster {

struct GlyphBitmap {
    int left = 0;  // from the pen position to the first column
    int top = 0;   // from the baseline up to the first row
    int width = 0;
    int height = 0;   // rows of `width` coverage bytes
    int advance = 0;  // pen movement in pixels
    std::vector<uint8_t> coverage;
};

struct FontMetrics {
    int emPixels = 0;
    int ascent = 0;
    int descent = 0;
    int height = 0;  // ascent + descent
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int underlineOffset = 0;  // rows below the baseline to the underline's top
    int underlineThickness = 1;
    int strikeoutOffset = 0;  // rows above the baseline to the strike-out's top
    bool fallback = false;    // the built-in font
};

struct FontKey {
    int lfHeight = 0;
    bool bold = false;
    bool italic = false;
    auto operator<=>(const FontKey &) const = default;
};

class FontFace {
public:
    virtual ~FontFace() = default;
    // The shared realisation of a font (never null: the fallback font at worst).
    static std::shared_ptr<FontFace> get(const FontKey &key);

    const FontMetrics &metrics() const { return metrics_; }
    // The glyph of an ANSI (Windows-1252) character.
    const GlyphBitmap &glyph(unsigned char c);

protected:
    FontMetrics metrics_;

private:
    virtual GlyphBitmap render(unsigned char c) = 0;
    std::array<std::optional<GlyphBitmap>, 256> glyphs_;
};

// The Unicode code point of a Windows-1252 byte.
uint32_t unicodeFromAnsi(unsigned char c);

// Replaces the font files (an empty path: the compiled-in default) and drops
// the realised faces; fonts realised before keep working. For tests.
void setFontFiles(const std::string &regular, const std::string &bold);

// The built-in font (fallback_font.cpp).
std::shared_ptr<FontFace> makeFallbackFace(const FontKey &key);
// The em size in pixels of a key, for a font of the given units per em and
// cell height (Windows ascent + descent) in font units; 1 to 1024.
int emPixelsForKey(const FontKey &key, int unitsPerEm, int cellUnits);

}  // namespace plat::raster
