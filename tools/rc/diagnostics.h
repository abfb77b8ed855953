// Error reporting of the resource compiler. Parsing stops at the first error:
// later errors would only be consequences of it, so the first one is kept and
// every later stage sees "failed" and winds down.
#pragma once

#include <optional>
#include <string>

namespace rc {

struct Diagnostic {
    std::string file;
    int line = 0;
    std::string message;

    // "file:line: message", the form build tools and editors recognise.
    std::string format() const;
};

class Errors {
public:
    void report(const std::string &file, int line, std::string message);
    bool failed() const { return first_.has_value(); }
    const std::optional<Diagnostic> &first() const { return first_; }

private:
    std::optional<Diagnostic> first_;
};

}  // namespace rc
