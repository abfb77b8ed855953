// Setting calibrations on an image of the store.
#include "image/calibration.h"

#include <cmath>

#include <scaler32.h>

#include "core/image_store.h"

namespace host {

namespace {

bool usableScale(double v) {
    return std::isfinite(v) && v != 0.0;
}

std::string checkUnit(const std::string &unit) {
    if (unit.size() >= CAL_UNIT_TEXT_MAX)
        return "unit text longer than " + std::to_string(CAL_UNIT_TEXT_MAX - 1) + " characters";
    return {};
}

}  // namespace

Status setSpatialCalibration(int imageId, double xScale, double yScale, const std::string &unit) {
    Image *image = images().find(imageId);
    if (!image) return Status::failure("no image " + std::to_string(imageId));
    if (!usableScale(xScale) || !usableScale(yScale))
        return Status::failure("units per pixel must be finite and non-zero");
    if (std::string why = checkUnit(unit); !why.empty()) return Status::failure(why);
    image->spatial = SpatialCalibration{xScale, yScale, unit};
    return Status::success();
}

Status setIntensityCalibration(int imageId, double offset, double scale, const std::string &unit) {
    Image *image = images().find(imageId);
    if (!image) return Status::failure("no image " + std::to_string(imageId));
    if (!std::isfinite(offset) || !usableScale(scale))
        return Status::failure("offset must be finite, scale finite and non-zero");
    if (std::string why = checkUnit(unit); !why.empty()) return Status::failure(why);
    image->intensity = IntensityCalibration{offset, scale, unit};
    return Status::success();
}

}  // namespace host
