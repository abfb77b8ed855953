// FreeType faces and the glyph cache.
#include "raster/font_engine.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H

namespace plat::raster {

namespace {

constexpr int kDefaultHeight = -11;
constexpr int64_t kMaxEmPixels = 1024;  // beyond this a glyph would be megabytes

struct FontFiles {
    std::string regular = VO_FONT_PATH;
    std::string bold = VO_FONT_BOLD_PATH;
};

FontFiles &fontFiles() {
    static FontFiles files;
    return files;
}

std::map<FontKey, std::shared_ptr<FontFace>> &faceCache() {
    static std::map<FontKey, std::shared_ptr<FontFace>> cache;
    return cache;
}

// One FreeType library for the process, kept alive by the faces that use it.
class FtLibrary {
public:
    FtLibrary() {
        if (FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            return;
        }
        FT_UInt interpreter = TT_INTERPRETER_VERSION_40;
        FT_Property_Set(library_, "truetype", "interpreter-version", &interpreter);
    }
    ~FtLibrary() {
        if (library_) FT_Done_FreeType(library_);
    }
    FtLibrary(const FtLibrary &) = delete;
    FtLibrary &operator=(const FtLibrary &) = delete;
    FT_Library get() const { return library_; }

    static std::shared_ptr<FtLibrary> instance() {
        static std::shared_ptr<FtLibrary> library = std::make_shared<FtLibrary>();
        return library;
    }

private:
    FT_Library library_ = nullptr;
};

// A face reads its file with pread as FreeType asks for parts of it, rather
// than mapping the whole file: FreeType then keeps only the tables it needs
// (tens of kilobytes a face), where a mapping of each face keeps every page
// it ever touched resident. FreeType calls close() when the face goes, or
// when opening it fails.
struct FileStream {
    FT_StreamRec rec{};
    int fd = -1;

    static unsigned long read(FT_Stream stream, unsigned long offset, unsigned char *buffer,
                              unsigned long count) {
        const auto *file = static_cast<const FileStream *>(stream->descriptor.pointer);
        if (count == 0) return offset > stream->size ? 1 : 0;  // a seek: 0 when allowed
        unsigned long done = 0;
        while (done < count) {
            const ssize_t got =
                ::pread(file->fd, buffer + done, count - done, static_cast<off_t>(offset + done));
            if (got <= 0) break;
            done += static_cast<unsigned long>(got);
        }
        return done;
    }
    static void close(FT_Stream stream) {
        auto *file = static_cast<FileStream *>(stream->descriptor.pointer);
        ::close(file->fd);
        delete file;
    }
};

FT_Face openFaceFile(FT_Library library, const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0) return nullptr;
    if (::fstat(fd, &info) != 0 || info.st_size <= 0) {
        ::close(fd);
        return nullptr;
    }
    auto *file = new FileStream;
    file->fd = fd;
    file->rec.size = static_cast<unsigned long>(info.st_size);
    file->rec.descriptor.pointer = file;
    file->rec.read = &FileStream::read;
    file->rec.close = &FileStream::close;
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = &file->rec;
    FT_Face face = nullptr;
    if (FT_Open_Face(library, &args, 0, &face) != 0) return nullptr;  // the stream is closed
    return face;
}

int roundDiv(int64_t a, int64_t b) {
    return static_cast<int>((a * 2 + (a >= 0 ? b : -b)) / (2 * b));
}

class FreeTypeFace : public FontFace {
public:
    FreeTypeFace(std::shared_ptr<FtLibrary> library, FT_Face face, const FontKey &key)
        : library_(std::move(library)), face_(face) {
        const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
        int upem = face_->units_per_EM;
        int winAscent = os2 ? os2->usWinAscent : face_->ascender;
        int winDescent = os2 ? os2->usWinDescent : -face_->descender;
        int em = emPixelsForKey(key, upem, winAscent + winDescent);
        FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(em));
        if (key.italic) {
            FT_Matrix shear{0x10000, 0x3800, 0, 0x10000};  // about 12 degrees, as synthesised italics lean
            FT_Set_Transform(face_, &shear, nullptr);
        }
        FontMetrics &m = metrics_;
        m.emPixels = em;
        m.ascent = roundDiv(int64_t{winAscent} * em, upem);
        m.descent = roundDiv(int64_t{winDescent} * em, upem);
        m.height = m.ascent + m.descent;
        m.internalLeading = m.height - em;
        int lineGap = face_->height - (face_->ascender - face_->descender);
        int excess = (winAscent + winDescent) - (face_->ascender - face_->descender);
        m.externalLeading = std::max(0, roundDiv(int64_t{lineGap - excess} * em, upem));
        m.aveCharWidth = std::max(1, roundDiv(int64_t{os2 ? os2->xAvgCharWidth : upem / 2} * em, upem));
        m.maxCharWidth = std::max(1, roundDiv(int64_t{face_->max_advance_width} * em, upem));
        m.underlineOffset = std::max(1, roundDiv(int64_t{-face_->underline_position} * em, upem));
        m.underlineThickness = std::max(1, roundDiv(int64_t{face_->underline_thickness} * em, upem));
        m.strikeoutOffset =
            std::max(1, os2 ? roundDiv(int64_t{os2->yStrikeoutPosition} * em, upem) : m.ascent / 3);
    }
    ~FreeTypeFace() override { FT_Done_Face(face_); }
    FreeTypeFace(const FreeTypeFace &) = delete;
    FreeTypeFace &operator=(const FreeTypeFace &) = delete;

private:
    GlyphBitmap render(unsigned char c) override {
        GlyphBitmap g;
        // Control characters have no mark and no width.
        if (c < 0x20 || c == 0x7F) return g;
        if (FT_Load_Char(face_, unicodeFromAnsi(c), FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) return g;
        FT_GlyphSlot slot = face_->glyph;
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return g;
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        const FT_Bitmap &b = slot->bitmap;
        if (b.pixel_mode != FT_PIXEL_MODE_GRAY) return g;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<int>(b.width);
        g.height = static_cast<int>(b.rows);
        g.coverage.resize(static_cast<size_t>(g.width) * static_cast<size_t>(g.height));
        for (int y = 0; y < g.height; ++y) {
            const unsigned char *row = b.buffer + static_cast<ptrdiff_t>(y) * b.pitch;
            std::copy(row, row + g.width, g.coverage.begin() + static_cast<ptrdiff_t>(y) * g.width);
        }
        return g;
    }

    std::shared_ptr<FtLibrary> library_;
    FT_Face face_;
};

std::shared_ptr<FontFace> openFace(const FontKey &key) {
    std::shared_ptr<FtLibrary> library = FtLibrary::instance();
    const std::string &path = key.bold ? fontFiles().bold : fontFiles().regular;
    FT_Face face = library->get() && !path.empty() ? openFaceFile(library->get(), path) : nullptr;
    if (!face) return makeFallbackFace(key);
    return std::make_shared<FreeTypeFace>(std::move(library), face, key);
}

}  // namespace

int emPixelsForKey(const FontKey &key, int unitsPerEm, int cellUnits) {
    int64_t height = key.lfHeight == 0 ? kDefaultHeight : key.lfHeight;
    int64_t em = height < 0 ? -height : (height * unitsPerEm * 2 + cellUnits) / (2 * std::max(cellUnits, 1));
    return static_cast<int>(std::clamp<int64_t>(em, 1, kMaxEmPixels));
}

std::shared_ptr<FontFace> FontFace::get(const FontKey &key) {
    auto &cache = faceCache();
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    std::shared_ptr<FontFace> face = openFace(key);
    cache.emplace(key, face);
    return face;
}

const GlyphBitmap &FontFace::glyph(unsigned char c) {
    std::optional<GlyphBitmap> &slot = glyphs_[c];
    if (!slot) slot = render(c);
    return *slot;
}

uint32_t unicodeFromAnsi(unsigned char c) {
    // 0x80..0x9F of Windows-1252; the rest is Latin-1. Unassigned bytes map to
    // themselves (C1 controls), which no font draws.
    static constexpr uint16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return (c >= 0x80 && c < 0xA0) ? kHigh[c - 0x80] : c;
}

void setFontFiles(const std::string &regular, const std::string &bold) {
    fontFiles().regular = regular.empty() ? VO_FONT_PATH : regular;
    fontFiles().bold = bold.empty() ? VO_FONT_BOLD_PATH : bold;
    faceCache().clear();
}

}  // namespace plat::raster
