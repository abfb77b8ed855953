// voprof run: the INI file and module chosen, the script read and played,
// the host closed and the recorded statements written.
#include "run_script.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include <platform/embed.h>
#include <platform/files.h>

#include "core/host_state.h"
#include "core/progress.h"
#include "loader/plugin_module.h"
#include "macro/interpreter.h"
#include "macro/output_file.h"
#include "paths.h"
#include "progress_display.h"
#include "window/host_window.h"
#include "window/image_window.h"

namespace host::cli {
namespace {

void complain(const std::string &message) {
    std::fprintf(stderr, "voprof: %s\n", message.c_str());
}

// The settings file, its folder created when missing. A path the settings
// functions could not use is refused now, before the script runs, rather
// than every setting being lost without a word.
bool prepareIni(const Options &options) {
    namespace fs = std::filesystem;
    const std::string path = options.ini.value_or(defaultIniPath());
    const std::string named = "the settings file '" + plat::shortenedForMessage(path) + "'";
    // The host hands the path to the module in a MAX_PATH buffer.
    if (path.size() >= MAX_PATH) {
        complain(named + ": the path is longer than " + std::to_string(MAX_PATH - 1) + " characters");
        return false;
    }
    std::error_code ec;
    const fs::path folder = fs::path(path).parent_path();
    if (!folder.empty()) fs::create_directories(folder, ec);
    if (ec) {
        complain("cannot create the folder of " + named + ": " + ec.message());
        return false;
    }
    const fs::file_status status = fs::status(path, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        complain(named + (fs::is_directory(status) ? " is a folder" : " is not a regular file"));
        return false;
    }
    state().iniPath = path;
    return true;
}

// A settings write that failed while the script ran (the module's and the
// host's writes report only FALSE to their callers).
bool settingsKept() {
    std::optional<plat::FileError> failure = plat::takeProfileWriteFailure();
    if (!failure) return true;
    complain("settings not saved: " + failure->message());
    return false;
}

struct ModuleChoice {
    std::optional<std::string> path;  // the module to load
    std::string noneReason;           // when there is none
};

// --module, else $VO_MODULE, else the build tree's module when it exists.
ModuleChoice chooseModule(const Options &options) {
    if (options.noModule) return {std::nullopt, "--no-module was given"};
    if (options.module) return {*options.module, {}};
    const char *fromEnvironment = std::getenv("VO_MODULE");
    if (fromEnvironment && *fromEnvironment) return {std::string(fromEnvironment), {}};
    const std::string buildTree = buildTreeModulePath();
    std::error_code ec;
    if (!buildTree.empty() && std::filesystem::is_regular_file(buildTree, ec)) return {buildTree, {}};
    return {std::nullopt, "VO_MODULE is not set and " + buildTree + " does not exist (give --module PATH)"};
}

// The script's text, or why it cannot be read.
std::optional<std::string> readScript(const std::string &path, std::string *why) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        *why = std::strerror(errno);
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        *why = "read error";
        return std::nullopt;
    }
    return text;
}

// As the host quits: the plug-in closes its profiles, the image windows
// close (their hooks hear of it), and the host window takes the windows it
// owns with it. The module goes last, once nothing can call into it.
void closeHost() {
    plat::ProfileWriteBatch settings;  // what closing saves is written once
    closeAllProfiles();
    plat::pumpMessages();
    for (int guard = 0; activeImageWindow() && guard < 10000; ++guard) closeImageWindow(activeImageWindow());
    if (HWND host = state().hostWindow; host && IsWindow(host)) DestroyWindow(host);
    plat::pumpMessages();
}

bool writeRecord(const Options &options) {
    if (!options.record) return true;
    std::string text;
    for (const std::string &statement : state().recorded) text += statement + "\n";
    if (std::optional<std::string> error = macro::writeTextFile(*options.record, text)) {
        complain(*error);
        return false;
    }
    return true;
}

int play(const Options &options, const std::string &script, const std::optional<PluginModule> &module,
         const std::string &noModuleReason) {
    macro::Context context;
    if (module) context.plugin = macro::PluginEntryPoints{module->interfaceFunction(), module->macroExec()};
    context.noPluginReason = noModuleReason;
    context.trace = options.trace;
    context.print = [](const std::string &line) {
        eraseProgressLine();
        std::fputs(line.c_str(), stdout);
        std::fputc('\n', stdout);
    };
    macro::Interpreter interpreter(std::move(context));
    if (std::optional<macro::ScriptError> error = interpreter.run(script, options.script)) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", error->format().c_str());
        return stopRequested() ? kInterruptedStatus : 1;
    }
    return 0;
}

}  // namespace

int runScript(const Options &options) {
    catchInterrupts();
    installProgressDisplay();
    std::string why;
    std::optional<std::string> script = readScript(options.script, &why);
    if (!script) {
        complain("cannot read the script '" + options.script + "': " + why);
        return 1;
    }
    if (!prepareIni(options)) return 1;
    hostWindow();
    ModuleChoice choice = chooseModule(options);
    std::optional<PluginModule> module;
    if (choice.path) {
        PluginLoadResult loaded = PluginModule::load(*choice.path);
        if (!loaded.module) {
            complain(loaded.error);
            return 1;
        }
        module = std::move(loaded.module);
    }
    int status = play(options, *script, module, choice.noneReason);
    closeHost();
    module.reset();
    if (!writeRecord(options)) status = 1;
    if (!settingsKept()) status = 1;
    std::fflush(stdout);
    return status;
}

}  // namespace host::cli
