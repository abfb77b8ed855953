// Macro > Record to file, Stop Recording and Play file: the statements the
// host records go to a file as they come, and a file is played through the
// host's macro interpreter.
#pragma once

#include <optional>
#include <string>

#include "macro/context.h"

namespace host::frame {

// Starts writing every statement recorded from now on to the file, which is
// created empty at once so that a path that cannot be written is told now.
// The error names the file and the reason.
std::optional<std::string> startRecording(const std::string &path);
// Appends the statements recorded since the last call to the file.
std::optional<std::string> catchUpRecording();
// Writes what is left and stops.
std::optional<std::string> stopRecording();
bool recordingMacro();

// Plays a macro file; the error is "file:line:column: message".
std::optional<std::string> playMacro(const std::string &path, const macro::Context &context);

}  // namespace host::frame
