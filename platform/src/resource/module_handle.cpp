// Instance handles of loaded modules. As on Windows, an instance handle is the
// address at which the executable or shared object is mapped, so that every
// address inside a module leads back to one handle.
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "internal/resources.h"

namespace plat::res {
namespace {

// The lowest mapped address of an object, which is what dladdr reports as
// dli_fbase; for a non-PIE executable the load bias alone would be 0.
uintptr_t mappingStart(const dl_phdr_info &info) {
    const uintptr_t pageMask = ~(static_cast<uintptr_t>(sysconf(_SC_PAGESIZE)) - 1);
    uintptr_t lowest = UINTPTR_MAX;
    for (int i = 0; i < info.dlpi_phnum; ++i) {
        const auto &ph = info.dlpi_phdr[i];
        if (ph.p_type != PT_LOAD) continue;
        lowest = std::min<uintptr_t>(lowest, (info.dlpi_addr + ph.p_vaddr) & pageMask);
    }
    return lowest == UINTPTR_MAX ? info.dlpi_addr : lowest;
}

std::string lowerCase(std::string text) {
    for (char &c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string baseName(const char *path) {
    const char *slash = std::strrchr(path, '/');
    return lowerCase(slash ? slash + 1 : path);
}

// Windows module names are case-insensitive and may omit ".dll"; here a
// module "VOPROF32" or "voprof32.dll" also finds "libvoprof32.so".
bool moduleNameMatches(const std::string &fileName, std::string wanted) {
    wanted = lowerCase(wanted);
    if (fileName == wanted) return true;
    if (wanted.size() > 4 && wanted.compare(wanted.size() - 4, 4, ".dll") == 0)
        wanted.resize(wanted.size() - 4);
    return fileName == wanted || fileName == wanted + ".so" || fileName == "lib" + wanted + ".so";
}

struct ModuleQuery {
    const char *name = nullptr;  // null: the main executable (the first object listed)
    uintptr_t base = 0;
};

// The main executable is listed with an empty name; its file name comes from /proc.
std::string objectFileName(const dl_phdr_info &info) {
    if (info.dlpi_name && info.dlpi_name[0] != '\0') return baseName(info.dlpi_name);
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return {};
    path[length] = '\0';
    return baseName(path);
}

int findModuleCallback(dl_phdr_info *info, size_t, void *data) {
    auto *query = static_cast<ModuleQuery *>(data);
    if (query->name == nullptr || moduleNameMatches(objectFileName(*info), query->name)) {
        query->base = mappingStart(*info);
        return 1;
    }
    return 0;
}

}  // namespace

HINSTANCE instanceOf(const void *addressInModule) {
    Dl_info info{};
    if (addressInModule == nullptr || dladdr(addressInModule, &info) == 0) return nullptr;
    return static_cast<HINSTANCE>(info.dli_fbase);
}

HINSTANCE mainInstance() {
    ModuleQuery query;
    dl_iterate_phdr(findModuleCallback, &query);
    return reinterpret_cast<HINSTANCE>(query.base);
}

}  // namespace plat::res

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (lpModuleName == nullptr) return plat::res::mainInstance();
    if (*lpModuleName == '\0') return nullptr;
    plat::res::ModuleQuery query;
    query.name = lpModuleName;
    dl_iterate_phdr(plat::res::findModuleCallback, &query);
    return reinterpret_cast<HMODULE>(query.base);
}
