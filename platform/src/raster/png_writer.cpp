// PNG snapshots: plat::writePng, 8-bit RGB through libpng, encoded in memory
// and written by the safe writer.
#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <png.h>

#include "platform/embed.h"
#include "platform/files.h"

namespace plat {

namespace {

struct PngFailure {
    std::jmp_buf jump;
    char message[256] = "";
};

void onPngError(png_structp png, png_const_charp message) {
    auto *failure = static_cast<PngFailure *>(png_get_error_ptr(png));
    std::snprintf(failure->message, sizeof failure->message, "%s", message);
    std::longjmp(failure->jump, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string *>(png_get_io_ptr(png))->append(reinterpret_cast<const char *>(data), length);
}

void flushNothing(png_structp) {}

// Only plain data lives in this frame, so that libpng's longjmp out of it
// skips no destructor.
bool encode(std::string *out, int width, int height, png_bytep *rows, PngFailure &failure) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, onPngError, onPngWarning);
    if (!png) {
        std::snprintf(failure.message, sizeof failure.message, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (setjmp(failure.jump)) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    if (!info) png_error(png, "out of memory");
    png_set_write_fn(png, out, appendBytes, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool fail(std::string *error, const std::string &message) {
    if (error) *error = message;
    return false;
}

}  // namespace

bool writePng(const Image &image, const std::string &path, std::string *error) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
        return fail(error, "cannot write '" + path + "': the image is empty or its pixel count is wrong");
    std::vector<png_byte> rgb(image.pixels.size() * 3);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        uint32_t p = image.pixels[i];
        rgb[3 * i] = static_cast<png_byte>(p >> 16);
        rgb[3 * i + 1] = static_cast<png_byte>(p >> 8);
        rgb[3 * i + 2] = static_cast<png_byte>(p);
    }
    std::vector<png_bytep> rows(static_cast<size_t>(image.height));
    for (size_t y = 0; y < rows.size(); ++y) rows[y] = rgb.data() + y * static_cast<size_t>(image.width) * 3;
    std::string bytes;
    PngFailure failure;
    if (!encode(&bytes, image.width, image.height, rows.data(), failure))
        return fail(error, "cannot write '" + path + "': " + failure.message);
    if (std::optional<FileError> written = replaceFile(path, bytes)) return fail(error, written->message());
    return true;
}

}  // namespace plat
