// The resource compiler as a library: a script in, the resource tables (or
// the first error) and the list of files read out. vorc's main and the tests
// both call it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "internal/resources.h"
#include "preprocessor.h"

namespace rc {

struct CompileOptions {
    std::vector<std::string> includeDirs;  // searched after the including file's folder
    FileReader reader = diskReader();
};

struct CompileResult {
    plat::res::ModuleResources resources;
    std::vector<std::string> dependencies;  // the script, headers, icon and cursor files
    std::optional<Diagnostic> error;
};

CompileResult compileScript(const std::string &path, const CompileOptions &options = {});

}  // namespace rc
