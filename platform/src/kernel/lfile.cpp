// The HFILE functions (_lopen, _lcreat, _lread, _lwrite, _llseek, _lclose,
// OpenFile) and DeleteFileA, over POSIX descriptors.
//
// An HFILE is a small number from the platform's own table, never a raw
// descriptor, so a closed or made-up HFILE fails with HFILE_ERROR instead of
// reaching some other open file of the process. plat::openReplacement and
// plat::openForAppend make handles that keep the safe writer's guarantees.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

#include "kernel/safe_file.h"
#include "kernel/win_errors.h"

namespace {

// HFILE values start above the standard descriptors and are never reused.
constexpr HFILE kFirstHandle = 16;

struct OpenHandle {
    int fd = -1;
    std::optional<plat::Replacement> replacement;  // a new version _lclose puts in place
    std::optional<off_t> appendFrom;               // the length a failed write cuts back to
    bool writeFailed = false;
};

struct FileTable {
    std::map<HFILE, OpenHandle> handles;
    HFILE next = kFirstHandle;
};

FileTable &files() {
    static FileTable table;
    return table;
}

OpenHandle *handleOf(HFILE file) {
    auto it = files().handles.find(file);
    if (it != files().handles.end()) return &it->second;
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

int descriptorOf(HFILE file) {
    const OpenHandle *handle = handleOf(file);
    return handle ? handle->fd : -1;
}

HFILE addHandle(OpenHandle handle) {
    HFILE file = files().next++;
    files().handles.emplace(file, std::move(handle));
    return file;
}

// A write failed: remembered for _lclose, and an append is cut back at once.
void noteFailedWrite(HFILE file) {
    const int error = errno;
    OpenHandle *handle = handleOf(file);
    handle->writeFailed = true;
    if (handle->appendFrom && ::ftruncate(handle->fd, *handle->appendFrom) == 0) ::fsync(handle->fd);
    errno = error;
}

HFILE openDescriptor(LPCSTR path, int flags, mode_t mode) {
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return HFILE_ERROR;
    }
    int fd = ::open(path, flags | O_CLOEXEC, mode);
    if (fd < 0) {
        plat::setLastErrorFromErrno();
        return HFILE_ERROR;
    }
    return addHandle(OpenHandle{fd, std::nullopt, std::nullopt, false});
}

int accessFlags(UINT mode) {
    switch (mode & 3) {
        case OF_WRITE:
            return O_WRONLY;
        case OF_READWRITE:
            return O_RDWR;
        default:
            return O_RDONLY;
    }
}

// _lcreat's attribute 1 makes a read-only file (the new handle may still write).
mode_t createMode(int attribute) {
    return (attribute & 1) ? 0444 : 0666;
}

bool fileExists(LPCSTR path) {
    struct stat st;
    if (::stat(path, &st) == 0) return true;
    plat::setLastErrorFromErrno();
    return false;
}

}  // namespace

extern "C" {

HFILE WINAPI _lopen(LPCSTR lpPathName, int iReadWrite) {
    return openDescriptor(lpPathName, accessFlags(static_cast<UINT>(iReadWrite)), 0);
}

// Creates the file or empties an existing one, open for reading and writing.
HFILE WINAPI _lcreat(LPCSTR lpPathName, int iAttribute) {
    return openDescriptor(lpPathName, O_RDWR | O_CREAT | O_TRUNC, createMode(iAttribute));
}

UINT WINAPI _lread(HFILE hFile, LPVOID lpBuffer, UINT uBytes) {
    int fd = descriptorOf(hFile);
    if (fd < 0 || (lpBuffer == nullptr && uBytes != 0)) return static_cast<UINT>(HFILE_ERROR);
    UINT total = 0;
    while (total < uBytes) {
        ssize_t n = ::read(fd, static_cast<char *>(lpBuffer) + total, uBytes - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            plat::setLastErrorFromErrno();
            return static_cast<UINT>(HFILE_ERROR);
        }
        if (n == 0) break;
        total += static_cast<UINT>(n);
    }
    return total;
}

// Writing zero bytes sets the end of the file at the current position
// (truncating or extending it), as Windows does.
UINT WINAPI _lwrite(HFILE hFile, LPCSTR lpBuffer, UINT uBytes) {
    int fd = descriptorOf(hFile);
    if (fd < 0 || (lpBuffer == nullptr && uBytes != 0)) return static_cast<UINT>(HFILE_ERROR);
    if (uBytes == 0) {
        off_t here = ::lseek(fd, 0, SEEK_CUR);
        if (here < 0 || ::ftruncate(fd, here) != 0) {
            plat::setLastErrorFromErrno();
            return static_cast<UINT>(HFILE_ERROR);
        }
        return 0;
    }
    UINT total = 0;
    while (total < uBytes) {
        ssize_t n = ::write(fd, lpBuffer + total, uBytes - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            noteFailedWrite(hFile);
            plat::setLastErrorFromErrno();
            return static_cast<UINT>(HFILE_ERROR);
        }
        total += static_cast<UINT>(n);
    }
    return total;
}

LONG WINAPI _llseek(HFILE hFile, LONG lOffset, int iOrigin) {
    int fd = descriptorOf(hFile);
    if (fd < 0) return HFILE_ERROR;
    int whence = iOrigin == FILE_BEGIN ? SEEK_SET : iOrigin == FILE_CURRENT ? SEEK_CUR : SEEK_END;
    if (iOrigin != FILE_BEGIN && iOrigin != FILE_CURRENT && iOrigin != FILE_END) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return HFILE_ERROR;
    }
    off_t position = ::lseek(fd, lOffset, whence);
    if (position < 0) {
        plat::setLastErrorFromErrno();
        return HFILE_ERROR;
    }
    if (position > INT_MAX) {
        // The position cannot be reported as a LONG.
        SetLastError(ERROR_INVALID_PARAMETER);
        return HFILE_ERROR;
    }
    return static_cast<LONG>(position);
}

HFILE WINAPI _lclose(HFILE hFile) {
    OpenHandle *found = handleOf(hFile);
    if (!found) return HFILE_ERROR;
    OpenHandle handle = std::move(*found);
    files().handles.erase(hFile);
    if (!handle.replacement) {
        const bool closed = ::close(handle.fd) == 0;
        // An append that failed was cut back: closing says it did not land.
        if (handle.appendFrom && handle.writeFailed) {
            SetLastError(plat::kErrorWriteFault);
            return HFILE_ERROR;
        }
        return closed ? 0 : HFILE_ERROR;
    }
    // A replacement with a failed write is dropped: the old file stays.
    if (handle.writeFailed) {
        plat::abandonReplacement(*handle.replacement);
        SetLastError(plat::kErrorWriteFault);
        return HFILE_ERROR;
    }
    if (std::optional<plat::FileError> error = plat::commitReplacement(*handle.replacement)) {
        SetLastError(plat::win32ErrorFromErrno(error->code));
        return HFILE_ERROR;
    }
    return 0;
}

// OF_EXIST opens and closes (the result is a closed handle, as on Windows),
// OF_DELETE deletes, OF_CREATE creates or empties; otherwise the file is
// opened with the access bits. The OFSTRUCT gets the path and the error.
HFILE WINAPI OpenFile(LPCSTR lpFileName, LPOFSTRUCT lpReOpenBuff, UINT uStyle) {
    OFSTRUCT scratch;
    OFSTRUCT &of = lpReOpenBuff ? *lpReOpenBuff : scratch;
    std::memset(&of, 0, sizeof of);
    of.cBytes = sizeof of;
    if (lpFileName == nullptr) {
        of.nErrCode = static_cast<WORD>(ERROR_INVALID_PARAMETER);
        SetLastError(ERROR_INVALID_PARAMETER);
        return HFILE_ERROR;
    }
    std::strncpy(of.szPathName, lpFileName, sizeof of.szPathName - 1);
    HFILE result = HFILE_ERROR;
    if (uStyle & OF_DELETE) {
        result = DeleteFileA(lpFileName) ? 1 : HFILE_ERROR;
    } else if (uStyle & OF_EXIST) {
        result = fileExists(lpFileName) ? _lopen(lpFileName, OF_READ) : HFILE_ERROR;
        if (result != HFILE_ERROR) _lclose(result);
    } else if (uStyle & OF_CREATE) {
        int flags = accessFlags(uStyle) == O_RDONLY ? O_RDWR : accessFlags(uStyle);
        result = openDescriptor(lpFileName, flags | O_CREAT | O_TRUNC, 0666);
    } else {
        result = _lopen(lpFileName, static_cast<int>(uStyle & 3));
    }
    if (result == HFILE_ERROR) of.nErrCode = static_cast<WORD>(GetLastError());
    return result;
}

BOOL WINAPI DeleteFileA(LPCSTR lpFileName) {
    if (lpFileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    struct stat st;
    // Windows refuses to delete a directory with ERROR_ACCESS_DENIED.
    if (::lstat(lpFileName, &st) == 0 && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (::unlink(lpFileName) != 0) {
        plat::setLastErrorFromErrno();
        return FALSE;
    }
    return TRUE;
}

}  // extern "C"

namespace plat {

HFILE openReplacement(const std::string &path) {
    FileError error;
    std::optional<Replacement> replacement = beginReplacement(path, error);
    if (!replacement) {
        SetLastError(win32ErrorFromErrno(error.code));
        return HFILE_ERROR;
    }
    const int fd = replacement->fd;
    return addHandle(OpenHandle{fd, std::move(replacement), std::nullopt, false});
}

HFILE openForAppend(const std::string &path) {
    HFILE file = openDescriptor(path.c_str(), O_WRONLY, 0);
    if (file == HFILE_ERROR) return file;
    OpenHandle *handle = handleOf(file);
    struct stat st;
    if (::fstat(handle->fd, &st) == 0) handle->appendFrom = st.st_size;
    return file;
}

}  // namespace plat
