// The spatial calibration a TIFF states: its resolution tags, with the unit
// from the ResolutionUnit tag (inch, centimetre) or, for files written by
// microscopy software, from an ImageJ-style ImageDescription
// ("ImageJ=1.54f\nunit=micron\n..."), whose resolution tags then give pixels
// per that unit.
#pragma once

#include <optional>
#include <string>

#include <tiffio.h>

#include "core/image.h"

namespace host {

std::optional<SpatialCalibration> readTiffCalibration(TIFF *tif);

// The unit named by an ImageJ-style description, micrometres spelled any of
// the usual ways given as "um"; none when the text is not such a description,
// names no unit, or names pixels.
std::optional<std::string> imageJUnit(const std::string &description);

}  // namespace host
