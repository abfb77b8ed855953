// Decoding PNG with libpng from memory. libpng reports errors by longjmp, so
// the function that calls it holds no C++ objects of its own: everything it
// fills lives in a context owned by its caller.
#include <csetjmp>
#include <optional>
#include <cstring>
#include <vector>

#include <png.h>

#include "image/codecs.h"
#include "core/progress.h"
#include "image/pixel_storage.h"

namespace host {

namespace {

struct PngContext {
    std::span<const uint8_t> bytes;
    size_t position = 0;
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

void readBytes(png_structp png, png_bytep out, size_t count) {
    PngContext &c = contextOf(png);
    if (c.bytes.size() - c.position < count) png_error(png, "truncated file");
    std::memcpy(out, c.bytes.data() + c.position, count);
    c.position += count;
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
    png_set_expand(png);  // palette -> RGB, gray below 8 bits -> 8 bits, transparency -> alpha
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info), depth = png_get_bit_depth(png, info);
    const uint64_t rowBytes = png_get_rowbytes(png, info);
    if (passes > 1 && rowBytes * height > limits.maxPixelBytes) {
        c.error = "too large: interlaced image needs a work buffer above the limit";
        return false;
    }
    c.image = makeBlankImage(static_cast<int>(width), static_cast<int>(height), cls);
    if (passes > 1) {
        c.whole.resize(rowBytes * height);
        for (png_uint_32 y = 0; y < height; ++y) c.rows.push_back(c.whole.data() + y * rowBytes);
        png_read_image(png, c.rows.data());
        for (png_uint_32 y = 0; y < height; ++y) storeRow(c.image, c.rows[y], channels, depth, shift, (int)y);
    } else {
        c.row.resize(rowBytes);
        c.progress.emplace("reading PNG " + std::to_string(width) + "x" + std::to_string(height), height);
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(png, c.row.data(), nullptr);
            storeRow(c.image, c.row.data(), channels, depth, shift, (int)y);
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

}  // namespace

ImageResult decodePng(std::span<const uint8_t> bytes, const DecodeLimits &limits) {
    PngContext context;
    context.bytes = bytes;
    PngReadGuard guard;
    guard.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &context, keepError, dropWarning);
    if (guard.png) guard.info = png_create_info_struct(guard.png);
    if (!guard.info) return ImageResult::failure("out of memory");
    png_set_read_fn(guard.png, &context, readBytes);
    if (!readPng(guard.png, guard.info, limits, context)) return ImageResult::failure(context.error);
    return ImageResult::success(std::move(context.image));
}

}  // namespace host
