// Damaged input must give a clean error, never a crash or a hang: every
// prefix of a real script and of real icon files, and seeded byte mutations
// of them. Under AddressSanitizer this is the corpus run of a fuzzer.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "compiler.h"
#include "icon_file.h"
#include "support/scratch_dir.h"

namespace {

std::string readData(const std::string &name) {
    return testing_support::readBytes(std::string(VO_TEST_DATA_DIR) + "/rc/" + name);
}

// The files of module.rc, served from memory so that the script can be changed.
class MemoryFiles {
public:
    MemoryFiles() {
        for (const char *name : {"module.rc", "module_ids.h", "app.ico", "png.ico", "pointer.cur"}) {
            files_[std::string("rc/") + name] = readData(name);
        }
    }
    std::string &operator[](const std::string &name) { return files_.at("rc/" + name); }

    rc::CompileResult compile() const {
        rc::CompileOptions options;
        options.reader = [this](const std::string &path) -> std::optional<std::string> {
            auto found = files_.find(path);
            if (found == files_.end()) return std::nullopt;
            return found->second;
        };
        return rc::compileScript("rc/module.rc", options);
    }

private:
    std::map<std::string, std::string> files_;
};

// A fixed pseudo-random sequence, so that a failure can be replayed.
uint32_t nextRandom(uint32_t &state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

std::string mutate(std::string text, uint32_t &state) {
    const uint32_t edits = 1 + nextRandom(state) % 4;
    for (uint32_t i = 0; i < edits && !text.empty(); ++i) {
        const size_t at = nextRandom(state) % text.size();
        switch (nextRandom(state) % 3) {
            case 0:
                text[at] = static_cast<char>(nextRandom(state));
                break;
            case 1:
                text.erase(at, 1 + nextRandom(state) % 8);
                break;
            default:
                text.insert(at, text.substr(nextRandom(state) % text.size(), 1 + nextRandom(state) % 16));
        }
    }
    return text;
}

TEST(RcRobustness, TheUntouchedScriptCompiles) {
    MemoryFiles files;
    rc::CompileResult result = files.compile();
    ASSERT_FALSE(result.error.has_value()) << result.error->format();
    EXPECT_EQ(result.resources.dialogs.size(), 3u);
}

TEST(RcRobustness, EveryPrefixOfTheScriptCompilesOrFailsWithALine) {
    MemoryFiles files;
    const std::string script = files["module.rc"];
    for (size_t length = 0; length < script.size(); length += 3) {
        files["module.rc"] = script.substr(0, length);
        rc::CompileResult result = files.compile();
        if (result.error) {
            ASSERT_FALSE(result.error->message.empty()) << length;
        }
    }
}

TEST(RcRobustness, MutatedScriptsCompileOrFailCleanly) {
    MemoryFiles files;
    const std::string script = files["module.rc"];
    const std::string header = files["module_ids.h"];
    uint32_t state = 12345;
    int failures = 0;
    for (int round = 0; round < 1500; ++round) {
        files["module.rc"] = mutate(script, state);
        files["module_ids.h"] = round % 4 == 0 ? mutate(header, state) : header;
        rc::CompileResult result = files.compile();
        if (result.error) {
            ++failures;
            ASSERT_GE(result.error->line, 0) << round;
        }
    }
    EXPECT_GT(failures, 100);  // the mutations do reach the error paths
}

TEST(RcRobustness, DamagedIconFilesFailCleanly) {
    uint32_t state = 777;
    for (const char *name : {"app.ico", "png.ico", "pointer.cur"}) {
        const std::string original = readData(name);
        std::string error;
        for (size_t length = 0; length < original.size(); length += 5) {
            rc::decodeIconFile(std::string_view(original).substr(0, length), error);
        }
        for (int round = 0; round < 400; ++round) {
            std::optional<plat::res::ImageData> image = rc::decodeIconFile(mutate(original, state), error);
            if (image) {
                ASSERT_EQ(image->argb.size(),
                          static_cast<size_t>(image->width) * static_cast<size_t>(image->height));
                ASSERT_LT(image->hotX, image->width);
            }
        }
    }
}

}  // namespace
