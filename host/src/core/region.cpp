// Region handles. A handle is a token from a counter, never an address and
// never reused, so a freed or made-up handle finds nothing instead of another
// region that happens to live at the same address.
#include "core/region.h"

#include "core/host_reset.h"

#include <cstdint>
#include <map>

namespace host {

namespace {

struct RegionTable {
    // Starts away from 0 so that no handle is null and small integers are not handles.
    uintptr_t next = 0x10000;
    std::map<uintptr_t, Region> regions;
};

RegionTable &table() {
    static RegionTable t;
    return t;
}

}  // namespace

void forgetRegions() {
    table().regions.clear();
}

void *addRegion(Region region) {
    RegionTable &t = table();
    const uintptr_t token = t.next++;
    t.regions.emplace(token, std::move(region));
    return reinterpret_cast<void *>(token);
}

Region *findRegion(const void *handle) {
    auto &regions = table().regions;
    auto it = regions.find(reinterpret_cast<uintptr_t>(handle));
    return it == regions.end() ? nullptr : &it->second;
}

bool freeRegion(const void *handle) {
    return table().regions.erase(reinterpret_cast<uintptr_t>(handle)) > 0;
}

}  // namespace host
