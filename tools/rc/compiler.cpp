// The resource compiler as a library.
#include "compiler.h"

#include "parser.h"

namespace rc {

CompileResult compileScript(const std::string &path, const CompileOptions &options) {
    CompileResult result;
    Errors errors;
    Preprocessor preprocessor(errors, options.reader, options.includeDirs);
    if (preprocessor.open(path)) {
        Parser parser(preprocessor, errors, result.resources);
        parser.parseScript();
    }
    result.dependencies = preprocessor.filesRead();
    result.error = errors.first();
    return result;
}

}  // namespace rc
