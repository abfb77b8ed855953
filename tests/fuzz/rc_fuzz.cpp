// Fuzz target of the resource compiler (tools/rc, what vorc runs): any script
// compiles to resource tables or stops at an error that says where and why.
//
// The input up to its first NUL byte is the script; what follows the NUL is the
// content of every other file the script names (#include, ICON, CURSOR), so
// headers and icon files are fuzzed through the same paths. Files come from
// memory only: nothing on disk is read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "codegen.h"
#include "compiler.h"

namespace {

constexpr const char *kScript = "fuzz.rc";

void require(bool condition, const char *what) {
    if (condition) return;
    std::fprintf(stderr, "rc fuzz: property violated: %s\n", what);
    std::abort();
}

void checkImages(const std::vector<plat::res::ImageEntry> &entries) {
    for (const plat::res::ImageEntry &entry : entries) {
        const plat::res::ImageData &image = entry.image;
        require(image.width > 0 && image.height > 0, "an image has a size");
        require(image.argb.size() == static_cast<size_t>(image.width) * static_cast<size_t>(image.height),
                "an image has all its pixels");
        require(image.hotX >= 0 && image.hotX < image.width && image.hotY >= 0 && image.hotY < image.height,
                "the hotspot lies on the image");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const size_t nul = bytes.find('\0');
    const std::string script(bytes.substr(0, nul));
    const std::optional<std::string> otherFile =
        nul == std::string_view::npos ? std::nullopt : std::optional<std::string>(bytes.substr(nul + 1));

    rc::CompileOptions options;
    options.includeDirs = {"include"};
    // As on disk, a path whose last part is empty, "." or ".." (a folder) names no file.
    options.reader = [&](const std::string &path) -> std::optional<std::string> {
        const std::string last = std::filesystem::path(path).filename().string();
        if (last.empty() || last == "." || last == "..") return std::nullopt;
        return path == kScript ? std::optional<std::string>(script) : otherFile;
    };
    const rc::CompileResult result = rc::compileScript(kScript, options);

    require(!result.dependencies.empty() && result.dependencies.front() == kScript,
            "the script is read first");
    if (result.error) {
        require(!result.error->message.empty(), "an error says why");
        require(!result.error->file.empty() && result.error->line >= 0, "an error says where");
        return 0;
    }
    checkImages(result.resources.icons);
    checkImages(result.resources.cursors);
    require(!rc::generateSource(result.resources, kScript).empty(), "compiled tables give a source");
    return 0;
}
