// The frame's menu bar, built in code with the command ids of
// frame_commands.h, and the greying done when a popup opens.
#include "frame/frame_menu.h"

#include "frame/frame_commands.h"
#include "frame/macro_recording.h"
#include "window/image_window.h"

namespace host::frame {
namespace {

struct Item {
    unsigned id;  // 0: a separator
    const char *text;
};

constexpr Item kFileItems[] = {{kCmdFileOpen, "&Open image..."},
                               {kCmdFileSaveAs, "Save image &as..."},
                               {kCmdFileClose, "&Close"},
                               {0, nullptr},
                               {kCmdFileExit, "E&xit"}};
constexpr Item kImageItems[] = {{kCmdImageZoomIn, "Zoom &In"},
                                {kCmdImageZoomOut, "Zoom &Out"},
                                {kCmdImageZoomActual, "Zoom &1:1"},
                                {0, nullptr},
                                {kCmdImageCalSpatial, "Calibrate &Spatial..."},
                                {kCmdImageCalIntensity, "Calibrate I&ntensity..."}};
constexpr Item kAnalysisItems[] = {{kCmdAnalysisLineProfile, "&Line Profile"}};
constexpr Item kMacroItems[] = {{kCmdMacroRecord, "&Record to file..."},
                                {kCmdMacroStop, "&Stop Recording"},
                                {0, nullptr},
                                {kCmdMacroPlay, "&Play file..."}};

// Commands that act on the active image window.
constexpr unsigned kImageCommands[] = {kCmdFileSaveAs,        kCmdFileClose,          kCmdImageZoomIn,
                                       kCmdImageZoomOut,      kCmdImageZoomActual,    kCmdImageCalSpatial,
                                       kCmdImageCalIntensity, kCmdAnalysisLineProfile};

template <size_t N>
void appendPopup(HMENU bar, const char *title, const Item (&items)[N]) {
    HMENU popup = CreatePopupMenu();
    for (const Item &item : items) {
        if (item.id == 0)
            AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(popup, MF_STRING, item.id, item.text);
    }
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title);
}

void enable(HMENU popup, unsigned id, bool enabled) {
    EnableMenuItem(popup, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

HMENU createFrameMenu() {
    HMENU bar = CreateMenu();
    appendPopup(bar, "&File", kFileItems);
    appendPopup(bar, "&Image", kImageItems);
    appendPopup(bar, "&Analysis", kAnalysisItems);
    appendPopup(bar, "&Macro", kMacroItems);
    return bar;
}

void updateFramePopup(HMENU popup) {
    const bool image = activeImageWindow() != nullptr;
    for (unsigned id : kImageCommands) enable(popup, id, image);
    enable(popup, kCmdMacroRecord, !recordingMacro());
    enable(popup, kCmdMacroStop, recordingMacro());
}

}  // namespace host::frame
