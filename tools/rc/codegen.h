// Generation of the C++ source that carries a module's resource tables and
// registers them with the platform at static initialisation.
#pragma once

#include <string>
#include <vector>

#include "internal/resources.h"

namespace rc {

// The generated source. scriptName only appears in the header comment.
std::string generateSource(const plat::res::ModuleResources &resources, const std::string &scriptName);

// A Makefile-style dependency file: "target: dep dep ...", as Ninja reads it.
std::string generateDepfile(const std::string &target, const std::vector<std::string> &dependencies);

// A C++ string literal for any bytes; non-ASCII and control bytes as octal escapes.
std::string cppStringLiteral(const std::string &text);

}  // namespace rc
