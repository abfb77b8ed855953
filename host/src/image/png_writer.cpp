// Writing PNG with libpng: gray 8/16-bit or 8-bit RGB, no interlacing.
#include <cmath>
#include <csetjmp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <png.h>

#include "core/progress.h"
#include "image/codecs.h"
#include "image/pixel_storage.h"

namespace host {

namespace {

struct PngWriteContext {
    std::string error;
    std::vector<uint8_t> row;
    std::string bytes;                     // the file so far
    std::optional<ProgressTask> progress;  // here, not in writePng's frame, which longjmp leaves
};

void keepError(png_structp png, png_const_charp message) {
    static_cast<PngWriteContext *>(png_get_error_ptr(png))->error = message;
    png_longjmp(png, 1);
}

void dropWarning(png_structp, png_const_charp) {}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<PngWriteContext *>(png_get_io_ptr(png))
        ->bytes.append(reinterpret_cast<const char *>(data), length);
}

void flushNothing(png_structp) {}

// 12-bit data is stored the PNG way: scaled up to 16 bits by a left shift,
// with an sBIT chunk saying 12 bits are significant.
constexpr int kTwelveBitShift = 4;

void fillRow(const Image &image, int y, std::vector<uint8_t> &row) {
    const size_t first = pixelIndex(image, 0, y);
    for (int x = 0; x < image.width; ++x) {
        const size_t i = first + static_cast<size_t>(x);
        if (image.cls == ImageClass::Gray8) {
            row[i - first] = image.gray8[i];
        } else if (image.cls == ImageClass::Rgb) {
            for (int c = 0; c < 3; ++c) row[3 * (i - first) + c] = image.rgb[3 * i + c];
        } else {
            const int shift = image.cls == ImageClass::Gray12 ? kTwelveBitShift : 0;
            const uint16_t v = static_cast<uint16_t>(image.gray16[i] << shift);
            row[2 * (i - first)] = static_cast<uint8_t>(v >> 8);  // big-endian
            row[2 * (i - first) + 1] = static_cast<uint8_t>(v & 0xFF);
        }
    }
}

// pHYs holds whole pixels per metre; a calibration in no length unit, or one
// that rounds to nothing, is left out.
void writeCalibration(png_structp png, png_infop info, const Image &image) {
    if (!image.spatial) return;
    std::optional<double> metres = metresPerUnit(image.spatial->unit);
    if (!metres) return;
    const double x = std::round(1.0 / std::fabs(image.spatial->xScale * *metres));
    const double y = std::round(1.0 / std::fabs(image.spatial->yScale * *metres));
    if (x >= 1.0 && y >= 1.0 && x <= 2147483647.0 && y <= 2147483647.0)
        png_set_pHYs(png, info, static_cast<png_uint_32>(x), static_cast<png_uint_32>(y),
                     PNG_RESOLUTION_METER);
}

bool writePng(png_structp png, png_infop info, const Image &image, PngWriteContext &c) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &c, appendBytes, flushNothing);
    const bool rgb = image.cls == ImageClass::Rgb, wide = image.cls != ImageClass::Gray8 && !rgb;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height),
                 wide ? 16 : 8, rgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (image.cls == ImageClass::Gray12) {
        png_color_8 significant{};
        significant.gray = 16 - kTwelveBitShift;
        png_set_sBIT(png, info, &significant);
    }
    writeCalibration(png, info, image);
    png_write_info(png, info);
    c.progress.emplace("writing PNG " + std::to_string(image.width) + "x" + std::to_string(image.height),
                       static_cast<uint64_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        fillRow(image, y, c.row);
        png_write_row(png, c.row.data());
        // The bytes are made in memory before any file is touched, so stopping leaves none.
        if (!c.progress->advance(static_cast<uint64_t>(y) + 1)) {
            c.error = "interrupted";
            return false;
        }
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

Status encodePng(const Image &image, std::string &bytes) {
    if (image.cls == ImageClass::Float)
        return Status::failure("floating-point images cannot be saved as PNG");
    PngWriteContext context;
    context.row.resize(static_cast<size_t>(image.width) * bytesPerPixel(image.cls));
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &context, keepError, dropWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool written = info && writePng(png, info, image, context);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    if (!written) return Status::failure(context.error.empty() ? "out of memory" : context.error);
    bytes = std::move(context.bytes);
    return Status::success();
}

}  // namespace host
