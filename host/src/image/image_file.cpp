// Reading and writing image files: the format by content on reading, by
// extension on writing; error texts name the file.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include <unistd.h>

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

// A PNM file may hold at most this much more than its pixels (text samples);
// beyond it the file is refused before it is read. TIFF and PNG files are
// read as they are decoded, so their size alone costs nothing.
uint64_t maxFileBytes(const DecodeLimits &limits) {
    return 4 * limits.maxPixelBytes + (uint64_t{1} << 20);
}

// A file's name in a message; an absurdly long one is cut.
std::string named(const std::string &path) {
    return plat::shortenedForMessage(path);
}

// Adds the file's name to an error, or the title to an image.
ImageResult finished(ImageResult result, const std::string &name) {
    if (!result.ok()) return ImageResult::failure(named(name) + ": " + result.error);
    result.image->title = std::filesystem::path(name).filename().string();
    return result;
}

ImageResult unknownFormat(std::span<const uint8_t> head) {
    return ImageResult::failure(head.empty() ? "empty file" : "not a TIFF, PNG, PGM or PPM image");
}

// PNM is parsed from a read-only view of the whole file (text samples may
// lie anywhere); the file may hold at most maxFileBytes.
ImageResult readPnmFile(const std::shared_ptr<const OpenFile> &file, const DecodeLimits &limits) {
    if (file->size() > maxFileBytes(limits))
        return ImageResult::failure("too large: file of " + std::to_string(file->size()) + " bytes");
    std::optional<FileMapping> view = FileMapping::map(file, 0, file->size());
    if (!view) return ImageResult::failure(std::string("cannot be read: ") + std::strerror(errno));
    return decodePnm(std::span<const uint8_t>(view->data(), static_cast<size_t>(view->size())), limits);
}

}  // namespace

ImageResult decodeImage(std::span<const uint8_t> bytes, const std::string &name, const DecodeLimits &limits) {
    switch (formatOf(bytes)) {
        case Format::Tiff:
            return finished(decodeTiff(bytes, limits), name);
        case Format::Png:
            return finished(decodePng(bytes, limits), name);
        case Format::Pnm:
            return finished(decodePnm(bytes, limits), name);
        case Format::Unknown:
            break;
    }
    return finished(unknownFormat(bytes), name);
}

ImageResult loadImage(const std::string &path, const DecodeLimits &limits) {
    // Only regular files: opening a named pipe or a device would block or never end.
    std::error_code ignored;
    const std::filesystem::file_status status = std::filesystem::status(path, ignored);
    if (std::filesystem::is_directory(status))
        return ImageResult::failure(named(path) + ": cannot be read: a directory");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return ImageResult::failure(named(path) + ": cannot be read: not a regular file");
    std::string why;
    const std::shared_ptr<const OpenFile> file = OpenFile::open(path, why);
    if (!file) return ImageResult::failure(named(path) + ": cannot be read: " + why);
    uint8_t head[8] = {};
    const ssize_t got = ::pread(file->descriptor(), head, sizeof head, 0);
    if (got < 0) return ImageResult::failure(named(path) + ": cannot be read: " + std::strerror(errno));
    const std::span<const uint8_t> magic(head, static_cast<size_t>(got));
    ImageResult result;
    switch (formatOf(magic)) {
        case Format::Tiff:
            result = readTiffFile(file, limits);
            break;
        case Format::Png:
            result = readPngFile(file, limits);
            break;
        case Format::Pnm:
            result = readPnmFile(file, limits);
            break;
        case Format::Unknown:
            result = unknownFormat(magic);
            break;
    }
    result = finished(std::move(result), path);
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
