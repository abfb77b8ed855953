// Live shapes, owned here. A handle carries a number that is never given
// twice in a run, so a destroyed shape's handle finds nothing later.
#include "sampling/shape_store.h"

#include "core/host_reset.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace host {

namespace {

struct ShapeEntry {
    uintptr_t id;
    Shape shape;
};

struct ShapeTable {
    uintptr_t next = 1;
    std::vector<ShapeEntry> live;
};

ShapeTable &table() {
    static ShapeTable t;
    return t;
}

auto findLive(const void *handle) {
    auto &live = table().live;
    const auto id = reinterpret_cast<uintptr_t>(handle);
    return std::find_if(live.begin(), live.end(), [&](const ShapeEntry &e) { return e.id == id; });
}

}  // namespace

void forgetShapes() {
    table().live.clear();
}

void *addShape(Shape shape) {
    const uintptr_t id = table().next++;
    table().live.push_back({id, std::move(shape)});
    return reinterpret_cast<void *>(id);
}

const Shape *findShape(const void *handle) {
    const auto it = findLive(handle);
    return it == table().live.end() ? nullptr : &it->shape;
}

bool removeShape(const void *handle) {
    const auto it = findLive(handle);
    if (it == table().live.end()) return false;
    table().live.erase(it);
    return true;
}

}  // namespace host
