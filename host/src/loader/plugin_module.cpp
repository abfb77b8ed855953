// Loading a plug-in module with dlopen, finding its entry points and calling
// DllMain on attach and detach.
#include "loader/plugin_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <utility>

#include "internal/resources.h"

namespace host {
namespace {

constexpr DWORD kProcessAttach = 1;
constexpr DWORD kProcessDetach = 0;

// dlsym gives an object pointer; the entry points are functions.
template <typename Proc>
Proc entryPoint(void *handle, const char *name) {
    return reinterpret_cast<Proc>(dlsym(handle, name));
}

std::string lastLoaderError() {
    const char *text = dlerror();
    return text ? text : "unknown error";
}

}  // namespace

PluginLoadResult PluginModule::load(const std::string &path) {
    PluginLoadResult result;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        result.error = "module '" + path + "': no such file";
        return result;
    }
    // dlopen searches the library path for a bare name; a module is named by its file.
    const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    void *handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        result.error = "module '" + path + "' cannot be loaded: " + lastLoaderError();
        return result;
    }
    PluginModule module;
    module.handle_ = handle;
    module.path_ = path;
    module.dllMain_ = entryPoint<PluginDllMainProc>(handle, "DllMain");
    module.interface_ = entryPoint<PluginInterfaceProc>(handle, "InterfaceFunction");
    module.macroExec_ = entryPoint<PluginMacroExecProc>(handle, "MacroExecFunction");
    const char *missing = !module.dllMain_     ? "DllMain"
                          : !module.interface_ ? "InterfaceFunction"
                          : !module.macroExec_ ? "MacroExecFunction"
                                               : nullptr;
    if (missing) {
        dlclose(std::exchange(module.handle_, nullptr));
        result.error = "module '" + path + "' lacks the entry point " + missing;
        return result;
    }
    module.instance_ = plat::res::instanceOf(reinterpret_cast<const void *>(module.dllMain_));
    if (!module.dllMain_(module.instance_, kProcessAttach, nullptr)) {
        dlclose(std::exchange(module.handle_, nullptr));
        result.error = "module '" + path + "' refused to load (DllMain answered FALSE)";
        return result;
    }
    result.module = std::move(module);
    return result;
}

PluginModule::PluginModule(PluginModule &&other) noexcept {
    *this = std::move(other);
}

PluginModule &PluginModule::operator=(PluginModule &&other) noexcept {
    if (this == &other) return *this;
    unload();
    handle_ = std::exchange(other.handle_, nullptr);
    instance_ = std::exchange(other.instance_, nullptr);
    dllMain_ = std::exchange(other.dllMain_, nullptr);
    interface_ = std::exchange(other.interface_, nullptr);
    macroExec_ = std::exchange(other.macroExec_, nullptr);
    path_ = std::move(other.path_);
    return *this;
}

PluginModule::~PluginModule() {
    unload();
}

void PluginModule::unload() {
    if (!handle_) return;
    dllMain_(instance_, kProcessDetach, nullptr);
    dlclose(std::exchange(handle_, nullptr));
    instance_ = nullptr;
    dllMain_ = nullptr;
    interface_ = nullptr;
    macroExec_ = nullptr;
}

void *PluginModule::symbol(const char *name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

}  // namespace host
