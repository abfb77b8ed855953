// Decoding PNG with libpng from memory or from a file read piece by piece.
// libpng reports errors by longjmp, so the function that calls it holds no
// C++ objects of its own: everything it fills lives in a context owned by its
// caller. Rows whose decoded layout is the image's own are decoded where they
// belong; others go through one row buffer.
#include <bit>
#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <optional>
#include <vector>

#include <unistd.h>

#include <png.h>

#include "image/codecs.h"
#include "core/progress.h"
#include "image/pixel_storage.h"

namespace host {

namespace {

// Bytes read from a file at a time.
constexpr size_t kFilePiece = size_t{1} << 16;

struct PngContext {
    std::span<const uint8_t> bytes;  // the file's bytes in memory, or a piece of the file
    size_t position = 0;             // in `bytes`
    const OpenFile *file = nullptr;  // read piece by piece when set
    uint64_t filePosition = 0;       // of the byte after the current piece
    std::vector<uint8_t> piece;
    std::string error;                     // libpng's message, or ours
    Image image;                           // the decoded pixels
    std::vector<uint8_t> row;              // one decoded row
    std::vector<uint8_t> whole;            // every row, for interlaced files only
    std::vector<png_bytep> rows;           // row pointers into `whole`
    std::optional<ProgressTask> progress;  // here, not in readPng's frame, which longjmp leaves
};

PngContext &contextOf(png_structp png) {
    return *static_cast<PngContext *>(png_get_io_ptr(png));
}

// The next piece of the file in c.bytes; false at its end or on an error.
bool readPiece(PngContext &c) {
    for (;;) {
        const ssize_t got =
            ::pread(c.file->descriptor(), c.piece.data(), c.piece.size(), static_cast<off_t>(c.filePosition));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        c.bytes = std::span<const uint8_t>(c.piece.data(), static_cast<size_t>(got));
        c.position = 0;
        c.filePosition += static_cast<uint64_t>(got);
        return true;
    }
}

void readBytes(png_structp png, png_bytep out, size_t count) {
    PngContext &c = contextOf(png);
    while (count > 0) {
        if (c.position == c.bytes.size() && (!c.file || !readPiece(c))) png_error(png, "truncated file");
        const size_t n = std::min(count, c.bytes.size() - c.position);
        std::memcpy(out, c.bytes.data() + c.position, n);
        c.position += n;
        out += n;
        count -= n;
    }
}

void keepError(png_structp png, png_const_charp message) {
    static_cast<PngContext *>(png_get_error_ptr(png))->error = message;
    png_longjmp(png, 1);
}

void dropWarning(png_structp, png_const_charp) {}

// Class of the file's pixels; 16-bit gray with at most 12 significant bits
// (sBIT) is 12-bit data stored shifted up, which `shift` undoes.
ImageClass classOf(png_structp png, png_infop info, int &shift) {
    const int type = png_get_color_type(png, info), depth = png_get_bit_depth(png, info);
    shift = 0;
    if (type & PNG_COLOR_MASK_COLOR) return ImageClass::Rgb;  // RGB, RGBA, palette
    if (depth < 16) return ImageClass::Gray8;
    png_color_8p significant = nullptr;
    if (png_get_sBIT(png, info, &significant) && significant->gray >= 1 && significant->gray <= 12) {
        shift = 16 - significant->gray;
        return ImageClass::Gray12;
    }
    return ImageClass::Gray16;
}

// Stores one decoded row (1 to 4 channels of 8 or 16 bits) in the image:
// gray classes keep the first channel, RGB the first three (alpha dropped).
void storeRow(Image &image, const uint8_t *src, int channels, int depth, int shift, int y) {
    const size_t first = pixelIndex(image, 0, y);
    const size_t step = static_cast<size_t>(channels) * (depth / 8);
    auto sample = [&](int x, int c) -> uint32_t {
        const uint8_t *p = src + x * step + c * (depth / 8);
        return depth == 16 ? (uint32_t{p[0]} << 8) | p[1] : p[0];  // PNG is big-endian
    };
    for (int x = 0; x < image.width; ++x) {
        const size_t i = first + static_cast<size_t>(x);
        if (image.cls == ImageClass::Gray8)
            image.gray8[i] = static_cast<uint8_t>(sample(x, 0));
        else if (image.cls != ImageClass::Rgb)
            image.gray16[i] = static_cast<uint16_t>(sample(x, 0) >> shift);
        else
            for (int c = 0; c < 3; ++c)
                image.rgb[3 * i + c] =
                    depth == 16 ? scale16To8(sample(x, c)) : static_cast<uint8_t>(sample(x, c));
    }
}

void readCalibration(png_structp png, png_infop info, Image &image) {
    png_uint_32 x = 0, y = 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &x, &y, &unit) && unit == PNG_RESOLUTION_METER && x > 0 && y > 0)
        image.spatial = SpatialCalibration{1e6 / x, 1e6 / y, "um"};  // pixels per metre -> um per pixel
}

// 12-bit samples are stored shifted up; this brings a decoded row back down.
void shiftDown(uint8_t *row, png_uint_32 width, int shift) {
    auto *samples = reinterpret_cast<uint16_t *>(row);
    for (png_uint_32 x = 0; x < width; ++x) samples[x] = static_cast<uint16_t>(samples[x] >> shift);
}

// Asks libpng for rows in the image's own layout where it can give them: alpha
// dropped, palette and low bit depths expanded, 16-bit gray in native byte
// order. True when the rows then match the image class (all but 16-bit RGB,
// which the host scales to 8 bits itself).
bool requestImageLayout(png_structp png, png_infop info, ImageClass cls) {
    png_set_expand(png);  // palette -> RGB, gray below 8 bits -> 8 bits, transparency -> alpha
    png_set_strip_alpha(png);
    const bool wide = png_get_bit_depth(png, info) == 16;
    if (cls != ImageClass::Rgb && wide && std::endian::native == std::endian::little) png_set_swap(png);
    return cls != ImageClass::Rgb || !wide;
}

// Runs libpng over the context; false with c.error set on failure. No C++
// objects live in this frame, so the longjmp of an error skips no destructor.
bool readPng(png_structp png, png_infop info, const DecodeLimits &limits, PngContext &c) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    int shift = 0;
    const ImageClass cls = classOf(png, info, shift);
    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    c.error = checkImageSize(width, height, cls, limits);
    if (!c.error.empty()) return false;
    const bool direct = requestImageLayout(png, info, cls);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info), depth = png_get_bit_depth(png, info);
    const uint64_t rowBytes = png_get_rowbytes(png, info);
    if (!direct && passes > 1 && rowBytes * height > limits.maxPixelBytes) {
        c.error = "too large: interlaced image needs a work buffer above the limit";
        return false;
    }
    c.image = makeBlankImage(static_cast<int>(width), static_cast<int>(height), cls);
    uint8_t *const pixels = pixelBytes(c.image);
    const uint64_t imageRow = uint64_t(width) * bytesPerPixel(cls);
    if (passes > 1) {
        if (!direct) c.whole.resize(rowBytes * height);
        for (png_uint_32 y = 0; y < height; ++y)
            c.rows.push_back(direct ? pixels + y * imageRow : c.whole.data() + y * rowBytes);
        png_read_image(png, c.rows.data());
        for (png_uint_32 y = 0; y < height; ++y) {
            if (!direct)
                storeRow(c.image, c.rows[y], channels, depth, shift, (int)y);
            else if (shift)
                shiftDown(c.rows[y], width, shift);
        }
    } else {
        if (!direct) c.row.resize(rowBytes);
        c.progress.emplace("reading PNG " + std::to_string(width) + "x" + std::to_string(height), height);
        for (png_uint_32 y = 0; y < height; ++y) {
            uint8_t *const target = direct ? pixels + y * imageRow : c.row.data();
            png_read_row(png, target, nullptr);
            if (!direct)
                storeRow(c.image, target, channels, depth, shift, (int)y);
            else if (shift)
                shiftDown(target, width, shift);
            if (!c.progress->advance(uint64_t(y) + 1)) {
                c.error = "interrupted";
                return false;
            }
        }
    }
    readCalibration(png, info, c.image);
    return true;
}

struct PngReadGuard {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngReadGuard() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

ImageResult decodeWith(PngContext &context, const DecodeLimits &limits) {
    PngReadGuard guard;
    guard.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &context, keepError, dropWarning);
    if (guard.png) guard.info = png_create_info_struct(guard.png);
    if (!guard.info) return ImageResult::failure("out of memory");
    png_set_read_fn(guard.png, &context, readBytes);
    if (!readPng(guard.png, guard.info, limits, context)) return ImageResult::failure(context.error);
    return ImageResult::success(std::move(context.image));
}

}  // namespace

ImageResult decodePng(std::span<const uint8_t> bytes, const DecodeLimits &limits) {
    PngContext context;
    context.bytes = bytes;
    return decodeWith(context, limits);
}

ImageResult readPngFile(const std::shared_ptr<const OpenFile> &file, const DecodeLimits &limits) {
    PngContext context;
    context.file = file.get();
    context.piece.resize(kFilePiece);
    return decodeWith(context, limits);
}

}  // namespace host
