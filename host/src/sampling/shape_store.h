// The shapes ROIKIT32 hands out by handle: each holds its outline until the
// caller destroys it.
#pragma once

#include <vector>

#include "sampling/line_path.h"

namespace host {

struct Shape {
    std::vector<PixelPoint> outline;
};

// Takes the shape and returns its handle (never null, never given twice).
void *addShape(Shape shape);
// The shape behind a handle, or null for an unknown or destroyed one.
const Shape *findShape(const void *handle);
bool removeShape(const void *handle);

}  // namespace host
