// Whole-file reads and writes through POSIX calls (errno gives the Win32 error).
#include "kernel/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "kernel/win_errors.h"

namespace plat {

namespace {

// Closes a descriptor on every path out of a function.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::optional<std::string> readFileBytes(const std::string &path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        setLastErrorFromErrno();
        return std::nullopt;
    }
    std::string bytes;
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            setLastErrorFromErrno();
            return std::nullopt;
        }
        if (n == 0) return bytes;
        bytes.append(chunk, static_cast<size_t>(n));
    }
}

bool writeFileBytes(const std::string &path, std::string_view bytes) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        setLastErrorFromErrno();
        return false;
    }
    while (!bytes.empty()) {
        ssize_t n = ::write(fd.get(), bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            setLastErrorFromErrno();
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace plat
