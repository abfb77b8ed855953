// voprof: the command line of the substitute host. Plays macro scripts
// headless; see voprof --help.
#include <cstdio>
#include <string>
#include <vector>

#include "options.h"
#include "run_script.h"

int main(int argc, char **argv) {
    using namespace host::cli;
    OptionsResult parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "voprof: %s\nTry 'voprof --help'.\n", parsed.error.c_str());
        return 2;
    }
    switch (parsed.options->command) {
        case Command::Help:
            std::fputs(helpText().c_str(), stdout);
            return 0;
        case Command::Version:
            std::printf("voprof %s\n", VO_VERSION);
            return 0;
        case Command::Run:
            break;
    }
    return runScript(*parsed.options);
}
