// Fuzz target of the PNG decoder (host/src/image/png_reader.cpp).
#include "image/codecs.h"
#include "image_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    imgfuzz::checkResult(host::decodePng(std::span<const uint8_t>(data, size), imgfuzz::kLimits));
    return 0;
}
