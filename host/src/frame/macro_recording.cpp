// Recording to a file and playing a file. The recorder keeps the position in
// the host's list of recorded statements where the file stopped, so each
// catch-up appends only what is new; every append goes through the safe
// writer, so a failed one leaves the file as it was.
#include "frame/macro_recording.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <platform/files.h>

#include "core/host_state.h"
#include "macro/interpreter.h"

namespace host::frame {
namespace {

struct Recording {
    std::string path;
    size_t written = 0;  // statements of state().recorded already in the file
};

std::optional<Recording> gRecording;

std::optional<std::string> readFile(const std::string &path, std::string *text) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) return "cannot read '" + plat::shortenedForMessage(path) + "': " + std::strerror(errno);
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text->append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return "cannot read '" + plat::shortenedForMessage(path) + "': read error";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> startRecording(const std::string &path) {
    if (std::optional<plat::FileError> error = plat::replaceFile(path, "")) return error->message();
    gRecording = Recording{path, state().recorded.size()};
    return std::nullopt;
}

std::optional<std::string> catchUpRecording() {
    if (!gRecording) return std::nullopt;
    const std::vector<std::string> &recorded = state().recorded;
    // The host's list is cleared when the host is reset; the file keeps what it has.
    if (gRecording->written > recorded.size()) gRecording->written = recorded.size();
    std::string text;
    for (size_t i = gRecording->written; i < recorded.size(); ++i) text += recorded[i] + "\n";
    if (text.empty()) return std::nullopt;
    if (std::optional<plat::FileError> error = plat::appendToFile(gRecording->path, text))
        return error->message();
    gRecording->written = recorded.size();
    return std::nullopt;
}

std::optional<std::string> stopRecording() {
    std::optional<std::string> error = catchUpRecording();
    gRecording.reset();
    return error;
}

bool recordingMacro() {
    return gRecording.has_value();
}

std::optional<std::string> playMacro(const std::string &path, const macro::Context &context) {
    std::string text;
    if (std::optional<std::string> error = readFile(path, &text)) return error;
    macro::Interpreter interpreter(context);
    if (std::optional<macro::ScriptError> error = interpreter.run(text, path)) return error->format();
    return std::nullopt;
}

}  // namespace host::frame
