// Whole-file reads through POSIX calls (errno gives the Win32 error).
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

}  // namespace plat
