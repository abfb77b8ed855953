// Spatial calibration from TIFF resolution tags and ImageJ-style descriptions.
#include "image/tiff_calibration.h"

#include <array>
#include <cmath>
#include <string_view>

#include <scaler32.h>

namespace host {

namespace {

// Spellings of micrometres in descriptions: ASCII, the micro sign and the
// Greek mu in UTF-8, and the escaped micro sign ImageJ writes.
constexpr std::array<std::string_view, 6> kMicrometres{"micron",    "microns",   "um",
                                                       "\xC2\xB5m", "\xCE\xBCm", "\\u00B5m"};

bool printable(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

// The value of the "key=value" line of the description, if any.
std::optional<std::string_view> valueOf(std::string_view text, std::string_view key) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == '=')
            return line.substr(key.size() + 1);
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<std::string> descriptionUnit(TIFF *tif) {
    const char *description = nullptr;
    if (!TIFFGetField(tif, TIFFTAG_IMAGEDESCRIPTION, &description) || !description) return std::nullopt;
    return imageJUnit(description);
}

}  // namespace

std::optional<std::string> imageJUnit(const std::string &description) {
    const std::string_view text = description;
    if (text.substr(0, 7) != "ImageJ=") return std::nullopt;
    const std::optional<std::string_view> unit = valueOf(text, "unit");
    if (!unit || unit->empty() || *unit == "pixel" || *unit == "pixels") return std::nullopt;
    for (std::string_view micrometres : kMicrometres)
        if (*unit == micrometres) return std::string("um");
    if (unit->size() >= CAL_UNIT_TEXT_MAX || !printable(*unit)) return std::nullopt;
    return std::string(*unit);
}

// XResolution/YResolution are pixels per unit; the calibration is units per pixel.
std::optional<SpatialCalibration> readTiffCalibration(TIFF *tif) {
    float xResolution = 0.0f, yResolution = 0.0f;  // libtiff writes a float here, never a double
    if (!TIFFGetField(tif, TIFFTAG_XRESOLUTION, &xResolution)) return std::nullopt;
    if (!TIFFGetField(tif, TIFFTAG_YRESOLUTION, &yResolution)) yResolution = xResolution;
    const bool usable =
        std::isfinite(xResolution) && std::isfinite(yResolution) && xResolution > 0.0f && yResolution > 0.0f;
    if (!usable) return std::nullopt;
    // An explicit inch or centimetre wins; with no unit or "none", a
    // description may name the unit; with neither, the tag's default is inch.
    uint16_t unit = RESUNIT_NONE;
    const bool stated = TIFFGetField(tif, TIFFTAG_RESOLUTIONUNIT, &unit) == 1;
    std::string name;
    if (stated && unit == RESUNIT_INCH)
        name = "inch";
    else if (stated && unit == RESUNIT_CENTIMETER)
        name = "cm";
    else if (std::optional<std::string> described = descriptionUnit(tif))
        name = *described;
    else if (!stated)
        name = "inch";
    else
        return std::nullopt;
    return SpatialCalibration{1.0 / xResolution, 1.0 / yResolution, name};
}

}  // namespace host
