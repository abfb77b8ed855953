// Fuzz target of the INI file model (platform/src/kernel/ini_document.h): any
// byte sequence must parse, serialise back unchanged and stay consistent under
// edits; a violation aborts with a message (as libFuzzer expects).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/ini_document.h"

namespace {

using plat::ini::Document;

void require(bool condition, const char *what) {
    if (condition) return;
    std::fprintf(stderr, "ini fuzz: property violated: %s\n", what);
    std::abort();
}

// Every section listed is found, and so is every key listed in it.
void checkListingsResolve(const Document &doc) {
    for (const std::string &section : doc.sectionNames()) {
        auto keys = doc.keyNames(section);
        require(keys.has_value(), "a listed section is found");
        for (const std::string &key : *keys)
            require(doc.value(section, key).has_value(), "a listed key is found");
    }
}

// Writing one key changes no other value of the file and reads back itself.
void checkEditIsolated(const Document &original) {
    constexpr std::string_view kSection = "Fuzz Section";
    Document edited = original;
    edited.setValue(kSection, "Key", "value 1");
    Document reread = Document::parse(edited.serialize());
    require(reread.value("FUZZ SECTION", "key") == "value 1", "a written value reads back");
    for (const std::string &section : original.sectionNames()) {
        if (plat::ini::equalsNoCase(section, kSection)) continue;
        std::vector<std::string> keys = original.keyNames(section).value_or(std::vector<std::string>{});
        for (const std::string &key : keys) {
            require(reread.value(section, key) == original.value(section, key), "other values are untouched");
        }
    }
    require(reread.removeSection(kSection), "a written section can be removed");
    if (!original.hasSection(kSection)) {
        require(!reread.hasSection(kSection), "removing the only such section leaves none");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char *>(data), size);
    Document doc = Document::parse(bytes);
    require(doc.serialize() == bytes, "serialising gives back the input bytes");
    checkListingsResolve(doc);
    checkEditIsolated(doc);
    return 0;
}
