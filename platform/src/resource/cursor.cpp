// Cursor and icon handles: LoadCursorA, LoadIconA, SetCursor, GetCursor and
// their destruction. Every handle the platform hands out is shared, as with
// LR_SHARED on Windows: loading the same cursor or icon again returns the
// same handle, and destroying it leaves it valid.
#include <map>
#include <memory>
#include <utility>

#include "internal/cursor.h"
#include "internal/handles.h"
#include "platform/embed.h"
#include "system_images.h"

namespace plat {
namespace {

struct IconObject {
    res::ImageData image;  // a copy, so that the handle outlives an unloaded module
    int systemCursorId = 0;
};

enum class Kind { Cursor, Icon };

struct CursorState {
    HandleTable<IconObject> objects{kCursorHandleBase};
    std::map<std::pair<Kind, int>, HICON> system;
    std::map<std::pair<HINSTANCE, const res::ImageData *>, HICON> fromModules;
    HCURSOR current = nullptr;
};

CursorState &state() {
    static CursorState instance;
    return instance;
}

HICON systemImage(Kind kind, int id) {
    CursorState &s = state();
    auto found = s.system.find({kind, id});
    if (found != s.system.end()) return found->second;
    std::optional<res::ImageData> image = kind == Kind::Cursor ? systemCursorImage(id) : systemIconImage(id);
    if (!image) return nullptr;
    auto object = std::make_unique<IconObject>();
    object->image = std::move(*image);
    object->systemCursorId = kind == Kind::Cursor ? id : 0;
    HICON handle = s.objects.add<HICON>(std::move(object));
    s.system.emplace(std::make_pair(kind, id), handle);
    return handle;
}

HICON moduleImage(HINSTANCE instance, const res::ImageData *image) {
    if (image == nullptr) return nullptr;
    CursorState &s = state();
    auto found = s.fromModules.find({instance, image});
    if (found != s.fromModules.end()) return found->second;
    auto object = std::make_unique<IconObject>();
    object->image = *image;
    HICON handle = s.objects.add<HICON>(std::move(object));
    s.fromModules.emplace(std::make_pair(instance, image), handle);
    return handle;
}

// A null instance names the predefined images, which only have integer ids.
HICON load(Kind kind, HINSTANCE instance, LPCSTR name) {
    if (instance == nullptr) {
        if (!IS_INTRESOURCE(name)) return nullptr;
        return systemImage(kind, static_cast<int>(reinterpret_cast<uintptr_t>(name)));
    }
    const res::ImageData *image =
        kind == Kind::Cursor ? res::findCursor(instance, name) : res::findIcon(instance, name);
    return moduleImage(instance, image);
}

}  // namespace

const res::ImageData *iconImage(HICON icon) {
    const IconObject *object = state().objects.find(icon);
    return object ? &object->image : nullptr;
}

int systemCursorId(HCURSOR cursor) {
    const IconObject *object = state().objects.find(cursor);
    return object ? object->systemCursorId : 0;
}

HCURSOR currentCursor() {
    return state().current;
}

}  // namespace plat

extern "C" {

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    return plat::load(plat::Kind::Cursor, hInstance, lpCursorName);
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    return plat::load(plat::Kind::Icon, hInstance, lpIconName);
}

// SetCursor(NULL) hides the cursor; an invalid handle fails and changes nothing.
HCURSOR WINAPI SetCursor(HCURSOR hCursor) {
    plat::CursorState &s = plat::state();
    if (hCursor != nullptr && s.objects.find(hCursor) == nullptr) return nullptr;
    return std::exchange(s.current, hCursor);
}

HCURSOR WINAPI GetCursor(void) {
    return plat::state().current;
}

BOOL WINAPI DestroyCursor(HCURSOR hCursor) {
    return plat::iconImage(hCursor) != nullptr;
}

BOOL WINAPI DestroyIcon(HICON hIcon) {
    return plat::iconImage(hIcon) != nullptr;
}

}  // extern "C"
