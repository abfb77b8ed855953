// The frame's commands act through the host's macro statements (ImgOpen,
// ImgZoom, CalSpatial, ...), so a menu command does exactly what the same
// statement in a script does, and a recording replays it.
#pragma once

#include <optional>
#include <string>

#include "macro/context.h"

namespace host::frame {

// A string argument written as the macro language reads it back.
std::string quotedArgument(const std::string &text);
// A number written so that it reads back as the same value.
std::string numberArgument(double value);

// Runs one statement line with the context; on success it is recorded (when
// `record`) as the host records statements. The error is the statement's message.
std::optional<std::string> runStatement(macro::Context &context, const std::string &line, bool record);

}  // namespace host::frame
