// Reading and writing image files: the format by content on reading, by
// extension on writing; error texts name the file.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include <platform/files.h>

#include "image/codecs.h"
#include "image/image_file.h"

namespace host {

namespace {

enum class Format { Tiff, Png, Pnm, Unknown };

Format formatOf(std::span<const uint8_t> b) {
    auto starts = [&](std::initializer_list<uint8_t> magic) {
        return b.size() >= magic.size() && std::equal(magic.begin(), magic.end(), b.begin());
    };
    // Classic TIFF (42) and BigTIFF (43), both byte orders.
    if (starts({'I', 'I', 42, 0}) || starts({'M', 'M', 0, 42}) || starts({'I', 'I', 43, 0}) ||
        starts({'M', 'M', 0, 43}))
        return Format::Tiff;
    if (starts({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) return Format::Png;
    if (b.size() >= 2 && b[0] == 'P' && b[1] >= '1' && b[1] <= '7') return Format::Pnm;
    return Format::Unknown;
}

std::string lowerExtension(const std::string &path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

// A file may hold at most this much more than its pixels (headers, text
// samples of PNM); beyond it the file is refused before it is read.
uint64_t maxFileBytes(const DecodeLimits &limits) {
    return 4 * limits.maxPixelBytes + (uint64_t{1} << 20);
}

// A file's name in a message; an absurdly long one is cut.
std::string named(const std::string &path) {
    return plat::shortenedForMessage(path);
}

}  // namespace

ImageResult decodeImage(std::span<const uint8_t> bytes, const std::string &name, const DecodeLimits &limits) {
    ImageResult result;
    switch (formatOf(bytes)) {
        case Format::Tiff:
            result = decodeTiff(bytes, limits);
            break;
        case Format::Png:
            result = decodePng(bytes, limits);
            break;
        case Format::Pnm:
            result = decodePnm(bytes, limits);
            break;
        case Format::Unknown:
            result = ImageResult::failure(bytes.empty() ? "empty file" : "not a TIFF, PNG, PGM or PPM image");
            break;
    }
    if (!result.ok()) return ImageResult::failure(named(name) + ": " + result.error);
    result.image->title = std::filesystem::path(name).filename().string();
    return result;
}

ImageResult loadImage(const std::string &path, const DecodeLimits &limits) {
    // Only regular files: opening a named pipe or a device would block or never end.
    std::error_code ignored;
    const std::filesystem::file_status status = std::filesystem::status(path, ignored);
    if (std::filesystem::is_directory(status))
        return ImageResult::failure(named(path) + ": cannot be read: a directory");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return ImageResult::failure(named(path) + ": cannot be read: not a regular file");
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return ImageResult::failure(named(path) + ": cannot be read: " + std::strerror(errno));
    const std::streamoff size = in.tellg();
    if (size < 0) return ImageResult::failure(named(path) + ": cannot be read");
    if (static_cast<uint64_t>(size) > maxFileBytes(limits))
        return ImageResult::failure(named(path) + ": too large: file of " + std::to_string(size) + " bytes");
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char *>(bytes.data()), size))
        return ImageResult::failure(named(path) + ": cannot be read");
    ImageResult result = decodeImage(bytes, path, limits);
    if (result.ok()) result.image->path = path;
    return result;
}

Status saveImage(const Image &image, const std::string &path) {
    const std::string ext = lowerExtension(path);
    std::string bytes;
    Status encoded;
    if (ext == ".tif" || ext == ".tiff") {
        encoded = encodeTiff(image, bytes);
    } else if (ext == ".png") {
        encoded = encodePng(image, bytes);
    } else if (ext == ".pgm" || ext == ".ppm" || ext == ".pnm") {
        if ((image.cls == ImageClass::Rgb) != (ext == ".ppm") && ext != ".pnm")
            return Status::failure(
                named(path) + ": " +
                (ext == ".ppm" ? "a gray image is saved as .pgm" : "an RGB image is saved as .ppm"));
        encoded = encodePnm(image, bytes);
    } else {
        return Status::failure(
            named(path) + ": unknown image file extension (expected .tif, .tiff, .png, .pgm, .ppm or .pnm)");
    }
    if (!encoded.ok()) return Status::failure(named(path) + ": " + encoded.error);
    if (std::optional<plat::FileError> error = plat::replaceFile(path, bytes))
        return Status::failure(named(path) + ": cannot be written: " + error->reason());
    return Status::success();
}

}  // namespace host
