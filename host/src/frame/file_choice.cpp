// The Open and Save dialogs of the frame's commands.
#include "frame/file_choice.h"

#include <windows.h>

#include "frame/frame_state.h"

namespace host::frame {
namespace {

// "description\0pattern\0...\0\0", as OPENFILENAMEA takes it.
constexpr char kImageFilter[] =
    "Images (*.tif;*.tiff;*.png;*.pgm;*.ppm;*.pnm)\0*.tif;*.tiff;*.png;*.pgm;*.ppm;*.pnm\0"
    "All files (*.*)\0*.*\0";
constexpr char kMacroFilter[] = "Macros (*.mac)\0*.mac\0All files (*.*)\0*.*\0";

std::optional<std::string> choose(FileKind kind, bool save) {
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = frameState().window;
    ofn.lpstrFilter = kind == FileKind::Image ? kImageFilter : kMacroFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    // A name typed without an extension gets the usual one when saving.
    if (save) ofn.lpstrDefExt = kind == FileKind::Image ? "tif" : "mac";
    ofn.Flags = save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
    const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen) return std::nullopt;
    return std::string(path);
}

}  // namespace

std::optional<std::string> chooseFileToOpen(FileKind kind) {
    return choose(kind, false);
}

std::optional<std::string> chooseFileToSave(FileKind kind) {
    return choose(kind, true);
}

}  // namespace host::frame
