// Win32 error codes that the kernel functions report through SetLastError
// but that windows.h does not declare (the module never tests for them), and
// the translation of POSIX errno values into them.
#pragma once

#include <windows.h>

namespace plat {

constexpr DWORD kErrorPathNotFound = 3;
constexpr DWORD kErrorWriteFault = 29;
constexpr DWORD kErrorFileExists = 80;
constexpr DWORD kErrorNotLocked = 158;
constexpr DWORD kErrorDirectory = 267;
constexpr DWORD kErrorClipboardNotOpen = 1418;

// The Win32 error Windows reports for the same failure of the file system.
DWORD win32ErrorFromErrno(int error);
// SetLastError(win32ErrorFromErrno(errno)).
void setLastErrorFromErrno();

}  // namespace plat
