// Private, copy-on-write mappings of byte ranges of an open file. An image
// whose pixels lie in the file exactly as they lie in memory is shown through
// such a mapping instead of being read: opening costs no copy, and only the
// pages a reader touches come from the file. Writes land in the process's own
// pages and never reach the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace host {

// A file opened for reading; closed when the last holder lets go.
class OpenFile {
public:
    // None when the file cannot be opened; `error` then says why.
    static std::shared_ptr<const OpenFile> open(const std::string &path, std::string &error);
    ~OpenFile();
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    int descriptor() const { return fd_; }
    uint64_t size() const { return size_; }

private:
    struct Key {};  // only open() makes one

public:
    OpenFile(Key, int fd, uint64_t size) : fd_(fd), size_(size) {}

private:
    int fd_;
    uint64_t size_;
};

class FileMapping {
public:
    // Maps `length` bytes of the file from `offset` (any offset: the mapping
    // starts at the page below it). None when the range lies outside the file
    // or the system refuses.
    static std::optional<FileMapping> map(std::shared_ptr<const OpenFile> file, uint64_t offset,
                                          uint64_t length);
    FileMapping(FileMapping &&other) noexcept;
    FileMapping &operator=(FileMapping &&other) noexcept;
    FileMapping(const FileMapping &) = delete;
    FileMapping &operator=(const FileMapping &) = delete;
    ~FileMapping();

    uint8_t *data() const { return data_; }
    uint64_t size() const { return length_; }
    // A fresh mapping of the same bytes of the file: it shares no written page
    // with this one.
    std::optional<FileMapping> remap() const { return map(file_, offset_, length_); }
    // Reads the pages under `bytes` bytes from `from` (inside the mapping) in
    // one call: cheaper than a fault for each when a whole run is about to be read.
    void willRead(const void *from, size_t bytes) const;

private:
    FileMapping() = default;
    void release();

    std::shared_ptr<const OpenFile> file_;
    uint64_t offset_ = 0, length_ = 0;
    void *base_ = nullptr;  // the page-aligned start of the mapping
    size_t mappedBytes_ = 0;
    uint8_t *data_ = nullptr;  // the byte at `offset_`
};

}  // namespace host
