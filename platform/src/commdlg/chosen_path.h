// How the file name a user chose in a file dialog becomes the path returned
// in OPENFILENAMEA, with the offsets of its name and extension.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

namespace plat::commdlg {

struct ChosenPath {
    std::string path;
    WORD fileOffset = 0;       // nFileOffset: first character of the file name
    WORD extensionOffset = 0;  // nFileExtension: first character after the last dot
};

// A relative answer is taken relative to initialDir when there is one (else
// it stays relative, so the file system resolves it against the current
// directory). A file name without an extension gets the default extension,
// of which Windows appends only the first three characters. nullopt when the
// answer names no file (empty, or ending in '/') or is too long for the
// 16-bit offsets.
std::optional<ChosenPath> resolveChosenPath(std::string_view answer, const char *initialDir,
                                            const char *defaultExtension);

}  // namespace plat::commdlg
