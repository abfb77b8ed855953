// libFuzzer entry point of the macro parser's fuzz target (clang -fsanitize=fuzzer).
#include "macro_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    return fuzzMacro(data, size);
}
