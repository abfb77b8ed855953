/* scaler32.h: the host's calibrations. Spatial: units per pixel in x and y and a unit text.
 * Intensity: calibrated value = offset + scale x raw value, the calibrated range and a unit text. */
#ifndef VO_HOST_SDK_SCALER32_H
#define VO_HOST_SDK_SCALER32_H

#include <windows.h>

#include "pixbuf32.h"

#ifdef __cplusplus
extern "C" {
#endif

DECLARE_HANDLE(HSPATIALCAL);
DECLARE_HANDLE(HINTENSITYCAL);

#define CAL_UNIT_TEXT_MAX 64 /* unit texts fit in this many chars with the NUL */

/* 0 when the image has no such calibration. A handle reads the image's calibration as it is at each
 * call; once the image is gone, calls with it fail. The value functions below return 0, or a
 * negative value for a bad handle, code or index. */
HSPATIALCAL WINAPI CalGetSpatial(LONG imageId);
HINTENSITYCAL WINAPI CalGetIntensity(LONG imageId);

/* Code 6: out double, units per pixel along x (index 0) or y (index 1). Code 2: out the unit text. */
#define CALSPATIAL_UNIT 2
#define CALSPATIAL_SCALE 6
LONG WINAPI CalSpatialValue(HSPATIALCAL cal, LONG code, LONG index, LONG reserved, LPVOID out);

/* Code 18 / 19: out double, the lower / higher of the calibrated values of the two ends of the
 * image's raw range (0 and 255, 4095 or 65535 by class; float images: the lowest and highest value
 * present). Code 25: out the unit text. */
#define CALINTENSITY_LOW 18
#define CALINTENSITY_HIGH 19
#define CALINTENSITY_UNIT 25
LONG WINAPI CalIntensityValue(HINTENSITYCAL cal, LONG code, LONG a, LONG b, LPVOID out);

/* Binds a copy of an intensity calibration to a region (0 removes it): readings through the region
 * map values. Returns 0, or a negative value for a bad region or calibration handle. */
LONG WINAPI CalSetRegionIntensity(HIMGREGION region, HINTENSITYCAL cal);

#ifdef __cplusplus
}
#endif

#endif /* VO_HOST_SDK_SCALER32_H */
