// The pixels of one image class: a contiguous array of samples that either
// owns its memory or shows a private mapping of a file (see file_mapping.h).
// It keeps the subset of std::vector's interface the host uses, so code that
// reads or edits pixels does not care where they live.
//
// Owned memory is zeroed by the system (see zeroed_memory.h): a large blank
// image costs no page until it is written, and decoders write each page once. A mapped array
// becomes owned memory only when its size changes. Copying a mapped array
// that was never handed out for writing maps the file again (private pages
// are per mapping, so neither copy sees the other's edits); otherwise the
// copy is deep.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/file_mapping.h"
#include "core/zeroed_memory.h"

namespace host {

template <class T>
class PixelArray {
    static_assert(std::is_trivially_copyable_v<T>, "pixels are copied as bytes");

public:
    using value_type = T;
    using size_type = size_t;
    using difference_type = std::ptrdiff_t;
    using reference = T &;
    using const_reference = const T &;
    using pointer = T *;
    using const_pointer = const T *;
    using iterator = T *;
    using const_iterator = const T *;

    PixelArray() = default;
    // `count` zeroed samples.
    explicit PixelArray(size_t count) { allocateZeroed(count); }
    PixelArray(std::initializer_list<T> values) { copyFrom(values.begin(), values.size()); }
    // The array shows the mapping's bytes; the caller checked that their
    // size and address suit T.
    static PixelArray mapped(FileMapping mapping) {
        PixelArray array;
        array.size_ = static_cast<size_t>(mapping.size() / sizeof(T));
        array.data_ = reinterpret_cast<T *>(mapping.data());
        array.mapping_.emplace(std::move(mapping));
        return array;
    }

    PixelArray(const PixelArray &other) { *this = other; }
    PixelArray(PixelArray &&other) noexcept { *this = std::move(other); }
    PixelArray &operator=(const PixelArray &other) {
        if (this == &other) return *this;
        if (other.mapping_ && !other.handedOut_) {
            if (std::optional<FileMapping> again = other.mapping_->remap()) {
                *this = mapped(std::move(*again));
                return *this;
            }
        }
        copyFrom(other.data_, other.size_);
        return *this;
    }
    PixelArray &operator=(PixelArray &&other) noexcept {
        if (this == &other) return *this;
        owned_ = std::move(other.owned_);
        mapping_ = std::move(other.mapping_);
        other.mapping_.reset();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        handedOut_ = std::exchange(other.handedOut_, false);
        return *this;
    }
    PixelArray &operator=(std::initializer_list<T> values) {
        copyFrom(values.begin(), values.size());
        return *this;
    }

    // True while the pixels are those of a file mapping.
    bool isMapped() const { return mapping_.has_value(); }

    size_t size() const { return size_; }
    // A hint that `count` samples from `first` are about to be read: a mapped
    // array reads their pages in one go. Owned memory needs no hint.
    void willRead(size_t first, size_t count) const {
        if (mapping_ && first < size_)
            mapping_->willRead(data_ + first, std::min(count, size_ - first) * sizeof(T));
    }
    bool empty() const { return size_ == 0; }
    const T *data() const { return data_; }
    T *data() { return handOut(); }
    const T *begin() const { return data_; }
    const T *end() const { return data_ + size_; }
    T *begin() { return handOut(); }
    T *end() { return handOut() + size_; }
    const T &operator[](size_t i) const { return data_[i]; }
    T &operator[](size_t i) { return handOut()[i]; }
    const T &at(size_t i) const { return data_[checked(i)]; }
    T &at(size_t i) { return handOut()[checked(i)]; }

    void assign(size_t count, T value) {
        if (count != size_ || mapping_) allocateZeroed(count);
        std::fill(data_, data_ + size_, value);
    }
    void resize(size_t count) {
        if (count == size_) return;
        reserve(count);
        if (count > size_) std::memset(static_cast<void *>(data_ + size_), 0, (count - size_) * sizeof(T));
        size_ = count;
    }
    void push_back(T value) {
        if (size_ >= capacity_) reserve(std::max<size_t>(16, 2 * size_));
        data_[size_++] = value;
    }
    void reserve(size_t count) {
        if (count <= capacity_) return;
        ZeroedMemory grown(bytesFor(count));
        if (size_) std::memcpy(grown.data(), data_, size_ * sizeof(T));
        adopt(std::move(grown), count);
    }
    void clear() { *this = PixelArray(); }

    friend bool operator==(const PixelArray &a, const PixelArray &b) { return equal(a, b.data_, b.size_); }
    friend bool operator==(const PixelArray &a, const std::vector<T> &b) {
        return equal(a, b.data(), b.size());
    }

private:
    static size_t bytesFor(size_t count) {
        if (count > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
        return count * sizeof(T);
    }
    static bool equal(const PixelArray &a, const T *b, size_t n) {
        return a.size_ == n && std::equal(a.data_, a.data_ + n, b);
    }
    size_t checked(size_t i) const {
        if (i >= size_) throw std::out_of_range("pixel index out of range");
        return i;
    }
    // Writers may keep the pointer, so a later copy of a mapping must be deep.
    T *handOut() {
        handedOut_ = true;
        return data_;
    }
    void adopt(ZeroedMemory memory, size_t capacity) {
        mapping_.reset();
        owned_ = std::move(memory);
        data_ = reinterpret_cast<T *>(owned_.data());
        capacity_ = capacity;
        handedOut_ = false;
    }
    void allocateZeroed(size_t count) {
        adopt(ZeroedMemory(bytesFor(count)), count);
        size_ = count;
    }
    void copyFrom(const T *values, size_t count) {
        PixelArray copy(count);
        if (count) std::memcpy(static_cast<void *>(copy.data_), values, count * sizeof(T));
        *this = std::move(copy);
    }

    ZeroedMemory owned_;
    std::optional<FileMapping> mapping_;
    T *data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;     // samples owned_ holds room for
    bool handedOut_ = false;  // a writable pointer into a mapping was given out
};

}  // namespace host
