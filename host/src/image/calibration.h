// Setting an image's calibrations (the CalSpatial and CalIntensity
// statements); SCALER32 reads them.
#pragma once

#include <string>

#include "image/image_result.h"

namespace host {

// Units per pixel along x and y: finite and non-zero (negative is allowed: the
// distance along a profile is taken as a length). The unit text fits
// CAL_UNIT_TEXT_MAX (63 characters).
Status setSpatialCalibration(int imageId, double xScale, double yScale, const std::string &unit);

// Calibrated value = offset + scale x raw value; offset finite, scale finite
// and non-zero.
Status setIntensityCalibration(int imageId, double offset, double scale, const std::string &unit);

}  // namespace host
