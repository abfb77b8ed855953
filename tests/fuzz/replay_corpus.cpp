// Replays a fuzz target (its LLVMFuzzerTestOneInput) over every file of the
// corpus directories given on the command line, so that the corpus and every
// crash ever found (kept there as a named file) run under CTest without
// libFuzzer. Linked with each target by vo_add_fuzz_target (tests/CMakeLists.txt).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i])) inputs.emplace_back(argv[i]);
        if (fs::is_directory(argv[i]))
            for (const auto &entry : fs::directory_iterator(argv[i])) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) return std::fprintf(stderr, "usage: %s CORPUS_DIR_OR_FILE...\n", argv[0]), 2;
    for (const fs::path &input : inputs) {
        std::printf("%s\n", input.filename().c_str());
        std::fflush(stdout);  // the last name printed is the input that crashed
        std::ifstream in(input, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
