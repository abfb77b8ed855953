// Writing binary PGM (P5) and PPM (P6). The maxval states the class:
// 255 for 8-bit gray and RGB, 4095 for 12-bit, 65535 for 16-bit gray.
#include <cstdio>
#include <vector>

#include "image/codecs.h"
#include "image/pixel_storage.h"

namespace host {

namespace {

unsigned maxvalOf(ImageClass cls) {
    return cls == ImageClass::Gray12 ? 4095u : cls == ImageClass::Gray16 ? 65535u : 255u;
}

std::vector<uint8_t> samplesOf(const Image &image) {
    if (image.cls == ImageClass::Gray8) return image.gray8;
    if (image.cls == ImageClass::Rgb) return image.rgb;
    std::vector<uint8_t> bytes;
    bytes.reserve(2 * image.gray16.size());
    for (uint16_t v : image.gray16) {
        bytes.push_back(static_cast<uint8_t>(v >> 8));  // most significant byte first
        bytes.push_back(static_cast<uint8_t>(v & 0xFF));
    }
    return bytes;
}

}  // namespace

Status encodePnm(const Image &image, const std::string &path) {
    if (image.cls == ImageClass::Float)
        return Status::failure(path + ": floating-point images cannot be saved as PGM");
    const std::vector<uint8_t> samples = samplesOf(image);
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file) return Status::failure(path + ": cannot be created");
    // Nothing below throws, so the file is closed on every path.
    const bool headerWritten =
        std::fprintf(file, "P%c\n%d %d\n%u\n", image.cls == ImageClass::Rgb ? '6' : '5', image.width,
                     image.height, maxvalOf(image.cls)) > 0;
    const bool samplesWritten = std::fwrite(samples.data(), 1, samples.size(), file) == samples.size();
    const bool closed = std::fclose(file) == 0;
    if (!headerWritten || !samplesWritten || !closed) return Status::failure(path + ": cannot be written");
    return Status::success();
}

}  // namespace host
