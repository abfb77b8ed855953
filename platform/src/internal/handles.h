// Handle tables: Win32 handles are opaque pointers whose values the platform
// hands out. Each kind of object draws its values from its own range, never
// reuses a value within a process (so a stale handle is always detected and
// runs stay deterministic), and looks objects up without ever dereferencing a
// caller's pointer: an unknown or freed handle simply finds nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace plat {

template <typename T>
class HandleTable {
public:
    // base: first value of this kind's range; values step by 16 so that the
    // low bits never look like small integers (HWND_TOPMOST, stock ids, ...).
    explicit HandleTable(uintptr_t base) : next_(base) {}

    template <typename H>
    H add(std::unique_ptr<T> object) {
        uintptr_t value = next_;
        next_ += 16;
        objects_.emplace(value, std::move(object));
        return reinterpret_cast<H>(value);
    }

    template <typename H>
    T *find(H handle) const {
        auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
        return it == objects_.end() ? nullptr : it->second.get();
    }

    template <typename H>
    bool remove(H handle) {
        return objects_.erase(reinterpret_cast<uintptr_t>(handle)) != 0;
    }

    template <typename H>
    std::unique_ptr<T> take(H handle) {
        auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
        if (it == objects_.end()) return nullptr;
        std::unique_ptr<T> object = std::move(it->second);
        objects_.erase(it);
        return object;
    }

    template <typename F>
    void forEach(F &&f) const {
        for (const auto &entry : objects_) f(entry.first, *entry.second);
    }

    size_t size() const { return objects_.size(); }

private:
    uintptr_t next_;
    std::unordered_map<uintptr_t, std::unique_ptr<T>> objects_;
};

// Ranges of the handle kinds (values are arbitrary but fixed).
constexpr uintptr_t kWindowHandleBase = 0x00010000;
constexpr uintptr_t kMenuHandleBase = 0x00200000;
constexpr uintptr_t kGdiHandleBase = 0x00400000;
constexpr uintptr_t kDcHandleBase = 0x00600000;
constexpr uintptr_t kCursorHandleBase = 0x00800000;
constexpr uintptr_t kGlobalHandleBase = 0x00a00000;

}  // namespace plat
