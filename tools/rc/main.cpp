// vorc: compiles a Win32 resource script into a C++ source that registers the
// module's resource tables with the platform.
//
//   vorc SCRIPT.rc -o OUTPUT.cpp [--depfile FILE.d] [-I DIR]...
//
// Exit status 0 on success, 1 when the script has an error (reported on
// stderr as file:line: reason), 2 on wrong usage or when the output cannot be
// written.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "codegen.h"
#include "compiler.h"

namespace {

struct Arguments {
    std::string script;
    std::string output;
    std::string depfile;
    std::vector<std::string> includeDirs;
};

int usage(const char *problem) {
    std::fprintf(stderr, "vorc: %s\nusage: vorc SCRIPT.rc -o OUTPUT.cpp [--depfile FILE.d] [-I DIR]...\n",
                 problem);
    return 2;
}

bool parseArguments(int argc, char **argv, Arguments &args) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "-o" && hasValue) {
            args.output = argv[++i];
        } else if (arg == "--depfile" && hasValue) {
            args.depfile = argv[++i];
        } else if (arg == "-I" && hasValue) {
            args.includeDirs.push_back(argv[++i]);
        } else if (arg.rfind("-I", 0) == 0 && arg.size() > 2) {
            args.includeDirs.push_back(arg.substr(2));
        } else if (!arg.empty() && arg[0] != '-' && args.script.empty()) {
            args.script = arg;
        } else {
            return false;
        }
    }
    return !args.script.empty() && !args.output.empty();
}

bool writeFile(const std::string &path, const std::string &content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    if (!out) std::fprintf(stderr, "vorc: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char **argv) {
    Arguments args;
    if (!parseArguments(argc, argv, args)) return usage("wrong arguments");
    rc::CompileOptions options;
    options.includeDirs = args.includeDirs;
    const rc::CompileResult result = rc::compileScript(args.script, options);
    if (result.error) {
        std::fprintf(stderr, "%s\n", result.error->format().c_str());
        return 1;
    }
    if (!writeFile(args.output, rc::generateSource(result.resources, args.script))) return 2;
    if (!args.depfile.empty() &&
        !writeFile(args.depfile, rc::generateDepfile(args.output, result.dependencies))) {
        return 2;
    }
    return 0;
}
