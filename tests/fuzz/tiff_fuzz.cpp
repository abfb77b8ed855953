// Fuzz target of the TIFF decoder (host/src/image/tiff_reader.cpp).
#include "image/codecs.h"
#include "image_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    imgfuzz::checkResult(host::decodeTiff(std::span<const uint8_t>(data, size), imgfuzz::kLimits));
    return 0;
}
