// Command ids of the frame's menu bar (WM_COMMAND LOWORD(wParam)).
#pragma once

namespace host::frame {

enum Command : unsigned {
    kCmdFileOpen = 40001,
    kCmdFileSaveAs,
    kCmdFileClose,
    kCmdFileExit,
    kCmdImageZoomIn = 40101,
    kCmdImageZoomOut,
    kCmdImageZoomActual,
    kCmdImageCalSpatial,
    kCmdImageCalIntensity,
    kCmdAnalysisLineProfile = 40201,
    kCmdMacroRecord = 40301,
    kCmdMacroStop,
    kCmdMacroPlay,
};

}  // namespace host::frame
