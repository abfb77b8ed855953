// The path returned by the file dialogs: see chosen_path.h.
#include "commdlg/chosen_path.h"

namespace plat::commdlg {

std::optional<ChosenPath> resolveChosenPath(std::string_view answer, const char *initialDir,
                                            const char *defaultExtension) {
    if (answer.empty() || answer.back() == '/') return std::nullopt;
    std::string path(answer);
    if (path.front() != '/' && initialDir != nullptr && initialDir[0] != '\0') {
        std::string dir = initialDir;
        if (dir.back() != '/') dir += '/';
        path = dir + path;
    }
    size_t nameStart = path.rfind('/') + 1;  // npos + 1 is 0
    size_t dot = path.find('.', nameStart) == std::string::npos ? std::string::npos : path.rfind('.');
    if (dot == std::string::npos && defaultExtension != nullptr && defaultExtension[0] != '\0') {
        dot = path.size();
        path += '.';
        path += std::string_view(defaultExtension).substr(0, 3);
    }
    if (path.size() > 0xFFFF) return std::nullopt;
    ChosenPath chosen;
    chosen.fileOffset = static_cast<WORD>(nameStart);
    // Windows: no extension gives the offset of the terminating NUL, and a
    // name ending in a dot gives 0.
    if (dot == std::string::npos) {
        chosen.extensionOffset = static_cast<WORD>(path.size());
    } else if (dot + 1 == path.size()) {
        chosen.extensionOffset = 0;
    } else {
        chosen.extensionOffset = static_cast<WORD>(dot + 1);
    }
    chosen.path = std::move(path);
    return chosen;
}

}  // namespace plat::commdlg
