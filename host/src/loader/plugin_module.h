// The plug-in loader: a module loaded from its file, its entry points found
// by name, and its DllMain told of the attach and the detach as Windows
// tells a DLL.
//
// The instance handle the module gets is its load address, the same handle
// under which its resources are registered, so LoadStringA and
// CreateDialogParamA with that handle find the module's own resources.
#pragma once

#include <optional>
#include <string>

#include <hostmsg.h>

namespace host {

struct PluginLoadResult;

class PluginModule {
public:
    // Loads the file (a path without a '/' is taken relative to the working
    // directory, not searched for), resolves DllMain, InterfaceFunction and
    // MacroExecFunction, and calls DllMain(instance, 1, 0). A module whose
    // DllMain answers FALSE is unloaded again (it is not told of a detach),
    // as LoadLibrary fails then.
    static PluginLoadResult load(const std::string &path);

    PluginModule(PluginModule &&other) noexcept;
    PluginModule &operator=(PluginModule &&other) noexcept;
    PluginModule(const PluginModule &) = delete;
    PluginModule &operator=(const PluginModule &) = delete;
    ~PluginModule();

    // Calls DllMain(instance, 0, 0) and unloads the module; later calls do nothing.
    void unload();

    HINSTANCE instance() const { return instance_; }
    PluginInterfaceProc interfaceFunction() const { return interface_; }
    PluginMacroExecProc macroExec() const { return macroExec_; }
    // Any other export by name; null when the module has none of that name.
    void *symbol(const char *name) const;
    const std::string &path() const { return path_; }

private:
    PluginModule() = default;

    void *handle_ = nullptr;
    HINSTANCE instance_ = nullptr;
    PluginDllMainProc dllMain_ = nullptr;
    PluginInterfaceProc interface_ = nullptr;
    PluginMacroExecProc macroExec_ = nullptr;
    std::string path_;
};

struct PluginLoadResult {
    std::optional<PluginModule> module;  // set on success
    std::string error;                   // set on failure: names the file and the reason
};

}  // namespace host
