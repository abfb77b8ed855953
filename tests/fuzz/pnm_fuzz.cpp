// Fuzz target of the PNM decoder (host/src/image/pnm_reader.cpp).
#include "image/codecs.h"
#include "image_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    imgfuzz::checkResult(host::decodePnm(std::span<const uint8_t>(data, size), imgfuzz::kLimits));
    return 0;
}
