// The frame's menu commands. Each one that changes images runs the host
// statement a script would use and records it, so a recording made through
// the menus plays back the same session. Line Profile records nothing itself:
// the plug-in records the statement that recreates its window.
#include "frame/frame_actions.h"

#include "frame/calibration_dialog.h"
#include "frame/file_choice.h"
#include "frame/frame_commands.h"
#include "frame/frame_state.h"
#include "frame/frame_window.h"
#include "frame/host_statement.h"
#include "frame/macro_recording.h"
#include "window/image_window.h"

namespace host {
namespace frame {
namespace {

constexpr double kZoomStep = 2.0;

// Runs and records a statement; a failure is shown, prefixed with what was being done.
bool act(const std::string &line, const std::string &doing) {
    std::optional<std::string> error = runStatement(frameState().context, line, true);
    if (!error) return true;
    showFrameMessage(doing + ": " + *error);
    return false;
}

void saveImageAs() {
    if (std::optional<std::string> path = chooseFileToSave(FileKind::Image))
        act("ImgSave(" + quotedArgument(*path) + ")", "Cannot save the image as '" + *path + "'");
}

void zoomBy(double factor) {
    HWND window = activeImageWindow();
    if (!window) return;
    const double zoom = factor == 0.0 ? 1.0 : zoomOf(window) * factor;
    act("ImgZoom(" + numberArgument(zoom) + ")", "Cannot zoom");
}

void calibrate(CalibrationKind kind) {
    if (!activeImageWindow()) return;
    if (std::optional<std::string> line = askCalibration(kind)) act(*line, "Cannot calibrate the image");
}

void lineProfile() {
    if (std::optional<std::string> error = runStatement(frameState().context, "LineProfile()", false))
        showFrameMessage("Line Profile: " + *error);
}

void recordToFile() {
    if (recordingMacro()) return;
    std::optional<std::string> path = chooseFileToSave(FileKind::Macro);
    if (!path) return;
    if (std::optional<std::string> error = startRecording(*path))
        showFrameMessage("Cannot record: " + *error);
}

void stopRecordingFile() {
    if (std::optional<std::string> error = stopRecording())
        showFrameMessage("Recording incomplete: " + *error);
}

void playFile() {
    std::optional<std::string> path = chooseFileToOpen(FileKind::Macro);
    std::string error;
    if (path && !playMacroFile(*path, &error)) showFrameMessage(error);
}

}  // namespace

void requestExit() {
    stopRecordingFile();
    frameState().exitRequested = true;
}

bool runFrameCommand(unsigned id) {
    switch (id) {
        case kCmdFileOpen:
            if (std::optional<std::string> path = chooseFileToOpen(FileKind::Image)) openImageFile(*path);
            break;
        case kCmdFileSaveAs:
            saveImageAs();
            break;
        case kCmdFileClose:
            if (activeImageWindow()) act("ImgClose()", "Cannot close the image");
            break;
        case kCmdFileExit:
            requestExit();
            break;
        case kCmdImageZoomIn:
            zoomBy(kZoomStep);
            break;
        case kCmdImageZoomOut:
            zoomBy(1.0 / kZoomStep);
            break;
        case kCmdImageZoomActual:
            zoomBy(0.0);
            break;
        case kCmdImageCalSpatial:
            calibrate(CalibrationKind::Spatial);
            break;
        case kCmdImageCalIntensity:
            calibrate(CalibrationKind::Intensity);
            break;
        case kCmdAnalysisLineProfile:
            lineProfile();
            break;
        case kCmdMacroRecord:
            recordToFile();
            break;
        case kCmdMacroStop:
            stopRecordingFile();
            break;
        case kCmdMacroPlay:
            playFile();
            break;
        default:
            return false;
    }
    catchUpRecording();
    return true;
}

}  // namespace frame

bool openImageFile(const std::string &path) {
    return frame::act("ImgOpen(" + frame::quotedArgument(path) + ")", "Cannot open '" + path + "'");
}

bool playMacroFile(const std::string &path, std::string *error) {
    std::optional<std::string> failure = frame::playMacro(path, frame::frameState().context);
    if (failure && error) *error = *failure;
    frame::catchUpRecording();
    return !failure;
}

}  // namespace host
