// Opening files and mapping their bytes privately with mmap.
#include "core/file_mapping.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {

std::shared_ptr<const OpenFile> OpenFile::open(const std::string &path, std::string &error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || status.st_size < 0) {
        error = std::strerror(errno);
        ::close(fd);
        return nullptr;
    }
    return std::make_shared<const OpenFile>(Key{}, fd, static_cast<uint64_t>(status.st_size));
}

OpenFile::~OpenFile() {
    ::close(fd_);
}

constexpr uint64_t kPopulateBytes = uint64_t{1} << 30;

std::optional<FileMapping> FileMapping::map(std::shared_ptr<const OpenFile> file, uint64_t offset,
                                            uint64_t length) {
    if (!file || length == 0 || offset > file->size() || length > file->size() - offset) return std::nullopt;
    const uint64_t page = static_cast<uint64_t>(::sysconf(_SC_PAGESIZE));
    const uint64_t start = offset - offset % page;
    const uint64_t span = offset - start + length;
    if (span > SIZE_MAX) return std::nullopt;
    // MAP_NORESERVE: the pages are only charged when written, as reading
    // never needs swap for them.
    void *base = ::mmap(nullptr, static_cast<size_t>(span), PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_NORESERVE, file->descriptor(), static_cast<off_t>(start));
    if (base == MAP_FAILED) return std::nullopt;
#if defined(MADV_POPULATE_READ)
    // A file small enough to be read whole soon after (its display range) is
    // entered into the page tables in one call instead of a fault every few
    // pages; larger ones fault in only what is read. Kernels without the
    // advice refuse it, which changes nothing.
    if (span <= kPopulateBytes) ::madvise(base, static_cast<size_t>(span), MADV_POPULATE_READ);
#endif
    // Larger ones are read in scattered places (a profile across them touches
    // a page a row): without this advice each fault would also read the
    // kernel's read-around window, tens of pages that are never looked at.
    if (span > kPopulateBytes) ::madvise(base, static_cast<size_t>(span), MADV_RANDOM);
    FileMapping mapping;
    mapping.file_ = std::move(file);
    mapping.offset_ = offset;
    mapping.length_ = length;
    mapping.base_ = base;
    mapping.mappedBytes_ = static_cast<size_t>(span);
    mapping.data_ = static_cast<uint8_t *>(base) + (offset - start);
    return mapping;
}

void FileMapping::willRead([[maybe_unused]] const void *from, [[maybe_unused]] size_t bytes) const {
#if defined(MADV_POPULATE_READ)
    const uintptr_t page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t start = reinterpret_cast<uintptr_t>(from) & ~(page - 1);
    const uintptr_t end = reinterpret_cast<uintptr_t>(from) + bytes;
    const uintptr_t base = reinterpret_cast<uintptr_t>(base_);
    if (bytes == 0 || start < base || end > base + mappedBytes_) return;
    ::madvise(reinterpret_cast<void *>(start), end - start, MADV_POPULATE_READ);
#endif
}

FileMapping::FileMapping(FileMapping &&other) noexcept {
    *this = std::move(other);
}

FileMapping &FileMapping::operator=(FileMapping &&other) noexcept {
    if (this == &other) return *this;
    release();
    file_ = std::move(other.file_);
    offset_ = std::exchange(other.offset_, 0);
    length_ = std::exchange(other.length_, 0);
    base_ = std::exchange(other.base_, nullptr);
    mappedBytes_ = std::exchange(other.mappedBytes_, 0);
    data_ = std::exchange(other.data_, nullptr);
    return *this;
}

FileMapping::~FileMapping() {
    release();
}

void FileMapping::release() {
    if (base_) ::munmap(base_, mappedBytes_);
    base_ = nullptr;
    data_ = nullptr;
    file_.reset();
}

}  // namespace host
