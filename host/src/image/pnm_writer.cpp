// Writing binary PGM (P5) and PPM (P6). The maxval states the class:
// 255 for 8-bit gray and RGB, 4095 for 12-bit, 65535 for 16-bit gray.
#include <cstdio>
#include <string>
#include <vector>

#include "image/codecs.h"
#include "image/pixel_storage.h"

namespace host {

namespace {

unsigned maxvalOf(ImageClass cls) {
    return cls == ImageClass::Gray12 ? 4095u : cls == ImageClass::Gray16 ? 65535u : 255u;
}

std::vector<uint8_t> samplesOf(const Image &image) {
    if (image.cls == ImageClass::Gray8) return {image.gray8.begin(), image.gray8.end()};
    if (image.cls == ImageClass::Rgb) return {image.rgb.begin(), image.rgb.end()};
    std::vector<uint8_t> bytes;
    bytes.reserve(2 * image.gray16.size());
    for (uint16_t v : image.gray16) {
        bytes.push_back(static_cast<uint8_t>(v >> 8));  // most significant byte first
        bytes.push_back(static_cast<uint8_t>(v & 0xFF));
    }
    return bytes;
}

}  // namespace

Status encodePnm(const Image &image, std::string &bytes) {
    if (image.cls == ImageClass::Float)
        return Status::failure("floating-point images cannot be saved as PGM");
    const std::vector<uint8_t> samples = samplesOf(image);
    char header[64];
    std::snprintf(header, sizeof header, "P%c\n%d %d\n%u\n", image.cls == ImageClass::Rgb ? '6' : '5',
                  image.width, image.height, maxvalOf(image.cls));
    bytes = header;
    bytes.append(reinterpret_cast<const char *>(samples.data()), samples.size());
    return Status::success();
}

}  // namespace host
