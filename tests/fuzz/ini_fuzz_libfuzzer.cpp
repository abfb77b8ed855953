// libFuzzer entry point of the INI fuzz target (clang -fsanitize=fuzzer).
#include "ini_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    return fuzzIni(data, size);
}
