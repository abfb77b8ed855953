// SCALER32: an image's spatial and intensity calibrations for plug-ins.
//
// A handle names an image and a kind of calibration, never an address: it is
// resolved at each call, so it reads the image's calibration as it is now, and
// once the image (or its calibration) is gone the calls fail instead of
// reading freed memory. Image identifiers are never reused, so neither are
// handles.
#include <scaler32.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/image_store.h"
#include "core/region.h"

namespace {

enum class CalKind : uintptr_t { Spatial = 1, Intensity = 2 };

// Handles start away from 0 and small integers; the low two bits hold the kind.
constexpr uintptr_t kHandleBase = 0x5CA00000;

uintptr_t handleOf(int imageId, CalKind kind) {
    return kHandleBase + (static_cast<uintptr_t>(imageId) << 2) + static_cast<uintptr_t>(kind);
}

const host::Image *imageOf(const void *handle, CalKind kind) {
    const uintptr_t token = reinterpret_cast<uintptr_t>(handle);
    if (token < kHandleBase || ((token - kHandleBase) & 3u) != static_cast<uintptr_t>(kind)) return nullptr;
    const uintptr_t id = (token - kHandleBase) >> 2;
    if (id > INT32_MAX) return nullptr;
    return host::images().find(static_cast<int>(id));
}

const host::SpatialCalibration *spatialOf(HSPATIALCAL handle) {
    const host::Image *image = imageOf(handle, CalKind::Spatial);
    return image && image->spatial ? &*image->spatial : nullptr;
}

void copyUnit(const std::string &unit, LPVOID out) {
    const size_t n = std::min<size_t>(unit.size(), CAL_UNIT_TEXT_MAX - 1);
    std::memcpy(out, unit.data(), n);
    static_cast<char *>(out)[n] = '\0';
}

}  // namespace

extern "C" {

HSPATIALCAL WINAPI CalGetSpatial(LONG imageId) {
    const host::Image *image = host::images().find(imageId);
    if (!image || !image->spatial) return nullptr;
    return reinterpret_cast<HSPATIALCAL>(handleOf(imageId, CalKind::Spatial));
}

HINTENSITYCAL WINAPI CalGetIntensity(LONG imageId) {
    const host::Image *image = host::images().find(imageId);
    if (!image || !image->intensity) return nullptr;
    return reinterpret_cast<HINTENSITYCAL>(handleOf(imageId, CalKind::Intensity));
}

LONG WINAPI CalSpatialValue(HSPATIALCAL handle, LONG code, LONG index, LONG, LPVOID out) {
    const host::SpatialCalibration *cal = spatialOf(handle);
    if (!cal || !out) return -1;
    if (code == CALSPATIAL_UNIT) {
        copyUnit(cal->unit, out);
        return 0;
    }
    if (code != CALSPATIAL_SCALE || (index != 0 && index != 1)) return -2;
    const double scale = index == 0 ? cal->xScale : cal->yScale;
    std::memcpy(out, &scale, sizeof scale);
    return 0;
}

LONG WINAPI CalIntensityValue(HINTENSITYCAL handle, LONG code, LONG, LONG, LPVOID out) {
    const host::Image *image = imageOf(handle, CalKind::Intensity);
    if (!image || !image->intensity || !out) return -1;
    const host::IntensityCalibration &cal = *image->intensity;
    if (code == CALINTENSITY_UNIT) {
        copyUnit(cal.unit, out);
        return 0;
    }
    if (code != CALINTENSITY_LOW && code != CALINTENSITY_HIGH) return -2;
    // The raw range's two ends mapped; with a negative scale the lower end maps
    // higher, and 18/19 still give the lower and the higher calibrated value.
    const auto [rawLow, rawHigh] = image->valueRange();
    const double a = cal.offset + cal.scale * rawLow, b = cal.offset + cal.scale * rawHigh;
    const double value = code == CALINTENSITY_LOW ? std::min(a, b) : std::max(a, b);
    std::memcpy(out, &value, sizeof value);
    return 0;
}

LONG WINAPI CalSetRegionIntensity(HIMGREGION handle, HINTENSITYCAL cal) {
    host::Region *region = host::findRegion(handle);
    if (!region) return -1;
    if (!cal) {
        region->intensity.reset();
        return 0;
    }
    const host::Image *image = imageOf(cal, CalKind::Intensity);
    if (!image || !image->intensity) return -1;
    region->intensity =
        *image->intensity;  // a copy: later changes to the image's calibration do not reach it
    return 0;
}

}  // extern "C"
