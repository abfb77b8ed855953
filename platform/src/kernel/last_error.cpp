// GetLastError/SetLastError and OutputDebugStringA.
//
// The platform is single-threaded, so the last error is one global value
// rather than a per-thread one.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "kernel/win_errors.h"

namespace {
DWORD gLastError = ERROR_SUCCESS;
}  // namespace

namespace plat {

// Every other errno (EACCES, EPERM, EISDIR, EROFS, ...) reads as access denied.
DWORD win32ErrorFromErrno(int error) {
    static constexpr struct {
        int posix;
        DWORD win32;
    } kErrors[] = {
        {0, ERROR_SUCCESS},
        {ENOENT, ERROR_FILE_NOT_FOUND},
        {ENOTDIR, kErrorPathNotFound},
        {ENAMETOOLONG, kErrorPathNotFound},
        {EEXIST, kErrorFileExists},
        {EBADF, ERROR_INVALID_HANDLE},
        {ENOMEM, ERROR_NOT_ENOUGH_MEMORY},
        {EINVAL, ERROR_INVALID_PARAMETER},
    };
    for (const auto &e : kErrors) {
        if (e.posix == error) return e.win32;
    }
    return ERROR_ACCESS_DENIED;
}

void setLastErrorFromErrno() {
    SetLastError(win32ErrorFromErrno(errno));
}

}  // namespace plat

extern "C" {

DWORD WINAPI GetLastError(void) {
    return gLastError;
}

void WINAPI SetLastError(DWORD dwErrCode) {
    gLastError = dwErrCode;
}

// Windows hands the text to an attached debugger; here the debugger is the
// terminal, and only when asked for, so that normal runs stay quiet.
void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
    if (lpOutputString == nullptr || std::getenv("VO_DEBUG_OUTPUT") == nullptr) return;
    std::fputs(lpOutputString, stderr);
    std::fflush(stderr);
}

}  // extern "C"
