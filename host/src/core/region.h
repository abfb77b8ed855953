// A region opened over a rectangle of an image (PIXBUF32's ImgOpenRegion):
// what every sampling call reads through. Coordinates given with a region are
// relative to its top-left corner.
#pragma once

#include <optional>

#include "core/image.h"

namespace host {

struct Region {
    int imageId = -1;
    int left = 0, top = 0, right = 0, bottom = 0;  // inclusive, image pixels, normalised
    std::optional<IntensityCalibration> intensity;  // bound with CalSetRegionIntensity
};

// Region handles (PIXBUF32 opens them, ROIKIT32's AoiFreeRegion frees them).
void *addRegion(Region region);
// The region behind a handle, or null for an invalid or freed one.
Region *findRegion(const void *handle);
bool freeRegion(const void *handle);

}  // namespace host
