// Error reporting of the resource compiler.
#include "diagnostics.h"

namespace rc {

std::string Diagnostic::format() const {
    return file + ":" + std::to_string(line) + ": " + message;
}

void Errors::report(const std::string &file, int line, std::string message) {
    if (!first_) first_ = Diagnostic{file, line, std::move(message)};
}

}  // namespace rc
