// plat::replaceFile and plat::appendToFile over POSIX calls: the safe writer
// every file write of the platform and the host goes through.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "kernel/safe_file.h"
#include "platform/files.h"

namespace plat {

namespace {

// Closes a descriptor on every path out of a function.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { close(); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }
    // The result of close(2), which can report a failed write back.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

FileError failure(const std::string &path, int code) {
    return FileError{path, code};
}

// The file a write replaces: a symbolic link's target, so the link survives.
std::string resolvedTarget(const std::string &path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The mode a new file gets from open(2) with 0666, or the existing file's.
mode_t modeFor(const std::string &target) {
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes a rename in the folder durable. A folder that cannot be synced (some
// file systems refuse) does not undo a replace that has already happened.
void syncFolder(const std::string &folder) {
    Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

// Where a name ends in the path, and the folder before it ("." for none).
std::string folderOf(const std::string &path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// ".NAME.XXXXXX" in the target's folder; a long name is cut so that the
// temporary name stays within the file system's limit.
std::string temporaryTemplate(const std::string &target) {
    const size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    constexpr size_t kLongestName = NAME_MAX - 8;  // the dot, the dot and XXXXXX
    if (name.size() > kLongestName) name.resize(kLongestName);
    return folder + "." + name + ".XXXXXX";
}

}  // namespace

std::string shortenedForMessage(std::string_view text, size_t limit) {
    if (text.size() <= limit) return std::string(text);
    return std::string(text.substr(0, limit)) + "...";
}

std::string FileError::message() const {
    return "cannot write '" + shortenedForMessage(path) + "': " + reason();
}

std::string FileError::reason() const {
    return std::strerror(code);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::optional<Replacement> beginReplacement(const std::string &path, FileError &error) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        error = failure(path, ENOENT);
        return std::nullopt;
    }
    Replacement r;
    r.path = path;
    r.target = resolvedTarget(path);
    r.temporary = temporaryTemplate(r.target);
    r.fd = ::mkostemp(r.temporary.data(), O_CLOEXEC);
    if (r.fd < 0) {
        error = failure(path, errno);
        return std::nullopt;  // nothing was made, so nothing is removed
    }
    if (::fchmod(r.fd, modeFor(r.target)) != 0) {
        error = failure(path, errno);
        abandonReplacement(r);
        return std::nullopt;
    }
    return r;
}

std::optional<FileError> commitReplacement(Replacement &r) {
    const int fd = std::exchange(r.fd, -1);
    int code = 0;
    if (::fsync(fd) != 0) code = errno;
    if (::close(fd) != 0 && code == 0) code = errno;
    if (code == 0 && ::rename(r.temporary.c_str(), r.target.c_str()) != 0) code = errno;
    if (code != 0) {
        ::unlink(r.temporary.c_str());
        return failure(r.path, code);
    }
    syncFolder(folderOf(r.target));
    return std::nullopt;
}

void abandonReplacement(Replacement &r) {
    if (r.fd >= 0) ::close(std::exchange(r.fd, -1));
    ::unlink(r.temporary.c_str());
}

std::optional<FileError> replaceFile(const std::string &path, std::string_view bytes) {
    FileError error;
    std::optional<Replacement> r = beginReplacement(path, error);
    if (!r) return error;
    if (!writeAll(r->fd, bytes)) {
        error = failure(path, errno);
        abandonReplacement(*r);
        return error;
    }
    return commitReplacement(*r);
}

std::optional<FileError> appendToFile(const std::string &path, std::string_view bytes) {
    if (path.empty() || path.find('\0') != std::string::npos) return failure(path, ENOENT);
    struct stat before;
    const bool existed = ::stat(path.c_str(), &before) == 0;
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    if (fd.get() < 0) return failure(path, errno);
    struct stat opened;
    if (::fstat(fd.get(), &opened) != 0) return failure(path, errno);
    const off_t oldLength = opened.st_size;
    int code = 0;
    if (::lseek(fd.get(), oldLength, SEEK_SET) < 0 || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        code = errno;
    if (code == 0) return fd.close() ? std::nullopt : std::optional<FileError>(failure(path, errno));
    // Roll back: the old length again, made durable; a file this call made goes.
    if (!existed) {
        ::unlink(path.c_str());
    } else if (::ftruncate(fd.get(), oldLength) == 0) {
        ::fsync(fd.get());
    }
    return failure(path, code);
}

}  // namespace plat
