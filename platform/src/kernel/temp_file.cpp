// GetTempFileNameA: "<path>/<up to 3 prefix characters><hex number>.TMP".
//
// With uUnique 0 the number comes from a counter that starts at 1 for the
// process and moves past every name that already exists (Windows seeds it
// from the clock; a fixed start keeps runs repeatable), and the file is
// created empty so that the name stays taken.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "kernel/win_errors.h"

namespace {

UINT gNextUnique = 1;

std::string tempName(const std::string &directory, const std::string &prefix, UINT number) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", number & 0xFFFFu);
    std::string name = directory;
    if (!name.empty() && name.back() != '/') name += '/';
    return name + prefix + hex + ".TMP";
}

bool fits(const std::string &name) {
    return name.size() < MAX_PATH;
}

}  // namespace

extern "C" UINT WINAPI GetTempFileNameA(LPCSTR lpPathName, LPCSTR lpPrefixString, UINT uUnique,
                                        LPSTR lpTempFileName) {
    if (lpPathName == nullptr || lpTempFileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string prefix = lpPrefixString ? std::string(lpPrefixString).substr(0, 3) : std::string();
    if (uUnique != 0) {
        std::string name = tempName(lpPathName, prefix, uUnique);
        if (!fits(name)) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        std::memcpy(lpTempFileName, name.c_str(), name.size() + 1);
        return uUnique;
    }
    // Each of the 65535 numbers is tried at most once.
    for (UINT tries = 0; tries < 0xFFFFu; ++tries) {
        UINT number = gNextUnique;
        gNextUnique = gNextUnique == 0xFFFFu ? 1 : gNextUnique + 1;
        std::string name = tempName(lpPathName, prefix, number);
        if (!fits(name)) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            plat::setLastErrorFromErrno();
            return 0;
        }
        ::close(fd);
        std::memcpy(lpTempFileName, name.c_str(), name.size() + 1);
        return number;
    }
    SetLastError(plat::kErrorFileExists);
    return 0;
}
