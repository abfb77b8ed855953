// Owners for the GDI objects the chart and table code draw with: each gives
// its object back (deselects, deletes) when it goes out of scope.
#pragma once

#include <windows.h>

namespace host {

// An object selected into a DC for the lifetime of the scope.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (previous_) SelectObject(dc_, previous_);
    }
    ScopedSelect(const ScopedSelect &) = delete;
    ScopedSelect &operator=(const ScopedSelect &) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A GDI object (pen, brush, font, bitmap) deleted with the owner.
template <typename Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~GdiObject() {
        if (handle_) DeleteObject(handle_);
    }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    Handle get() const { return handle_; }
    // Deletes the object held and takes this one.
    void reset(Handle handle) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_;
};

// A memory DC, deleted with the owner.
class MemoryDc {
public:
    MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc &) = delete;
    MemoryDc &operator=(const MemoryDc &) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// The DC's state (objects, colours, modes) restored when the scope ends.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
    ~SavedDc() {
        if (level_ > 0) RestoreDC(dc_, level_);
    }
    SavedDc(const SavedDc &) = delete;
    SavedDc &operator=(const SavedDc &) = delete;
    // False for a handle that is not a DC.
    bool valid() const { return level_ > 0; }

private:
    HDC dc_;
    int level_;
};

}  // namespace host
