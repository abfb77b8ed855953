// The file dialogs of the frame's commands: the platform's Open and Save
// dialogs over the frame, with the type filters the commands read and write.
#pragma once

#include <optional>
#include <string>

namespace host::frame {

enum class FileKind { Image, Macro };

// The chosen path, or nullopt on Cancel.
std::optional<std::string> chooseFileToOpen(FileKind kind);
std::optional<std::string> chooseFileToSave(FileKind kind);

}  // namespace host::frame
