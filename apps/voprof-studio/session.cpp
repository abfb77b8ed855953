// The host session of the desktop app.
#include "session.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <platform/embed.h>
#include <platform/files.h>

#include "voprof/paths.h"
#include "core/host_state.h"
#include "frame/frame_window.h"
#include "frame/status_line.h"
#include "loader/plugin_module.h"
#include "window/host_window.h"
#include "window/image_window.h"

namespace studio {

struct HostSession::Module {
    std::optional<host::PluginModule> module;
};

namespace {

// The settings file, its folder made when missing.
bool prepareIni(const Options &options, std::string *error) {
    const std::string path = options.ini.value_or(host::cli::defaultIniPath());
    if (path.size() >= MAX_PATH) {
        *error = "the settings file path '" + path + "' is too long";
        return false;
    }
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (ec) {
        *error = "cannot create the folder of the settings file '" + path + "': " + ec.message();
        return false;
    }
    host::state().iniPath = path;
    return true;
}

// $VO_MODULE, else the module of the build tree the app was built in.
std::string modulePath() {
    const char *fromEnvironment = std::getenv("VO_MODULE");
    if (fromEnvironment && *fromEnvironment) return fromEnvironment;
    return host::cli::buildTreeModulePath();
}

void printLine(const std::string &line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);  // a test reading the output sees each line as it comes
}

}  // namespace

HostSession::HostSession() : module_(std::make_unique<Module>()) {}

std::unique_ptr<HostSession> HostSession::start(const Options &options, std::string *error) {
    if (!prepareIni(options, error)) return nullptr;
    auto session = std::make_unique<HostSession>();
    host::hostWindow();
    host::PluginLoadResult loaded = host::PluginModule::load(modulePath());
    if (!loaded.module) {
        *error = loaded.error;
        return nullptr;
    }
    session->module_->module = std::move(loaded.module);
    host::macro::Context context;
    context.plugin = host::macro::PluginEntryPoints{session->module_->module->interfaceFunction(),
                                                    session->module_->module->macroExec()};
    context.print = printLine;
    host::setFrameMacroContext(std::move(context));
    return session;
}

// As the host quits: the profiles close, then the image windows, then the
// host window with what it owns; the module goes once nothing can call it.
HostSession::~HostSession() {
    {
        plat::ProfileWriteBatch settings;
        host::closeAllProfiles();
        plat::pumpMessages();
        for (int guard = 0; host::activeImageWindow() && guard < 10000; ++guard)
            host::closeImageWindow(host::activeImageWindow());
        if (HWND window = host::state().hostWindow; window && IsWindow(window)) DestroyWindow(window);
        plat::pumpMessages();
    }
    module_->module.reset();
}

void HostSession::showFrame() {
    host::showFrameWindow();
}

void HostSession::fitFrame() {
    host::fitFrameToScreen();
}

void HostSession::pointerMoved() {
    host::frame::checkPointerPosition();
}

bool HostSession::exitRequested() const {
    return host::frameExitRequested();
}

void HostSession::openImage(const std::string &path) {
    host::openImageFile(path);
    plat::pumpMessages();
}

bool HostSession::play(const std::string &path) {
    std::string error;
    const bool played = host::playMacroFile(path, &error);
    if (!played) std::fprintf(stderr, "%s\n", error.c_str());
    plat::pumpMessages();
    return played;
}

bool settingsKept() {
    std::optional<plat::FileError> failure = plat::takeProfileWriteFailure();
    if (!failure) return true;
    std::fprintf(stderr, "voprof-studio: settings not saved: %s\n", failure->message().c_str());
    return false;
}

}  // namespace studio
