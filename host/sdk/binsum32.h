/*
 * binsum32.h: the host's profile sampling and statistics.
 *
 * Sampling rules. A line from (x1, y1) to (x2, y2) has n = max(|dx|, |dy|) + 1 samples; sample i
 * lies at (x1 + i dx / (n - 1), y1 + i dy / (n - 1)) and reads the nearest pixel (floor(v + 0.5)).
 * A single-point line has one sample. A polyline is its segments in order, each contributing its
 * samples without its last point, plus the polyline's final point; so repeated consecutive vertices
 * add nothing and a polyline of one vertex has one sample. Points are relative to the region; a
 * sample reads the image wherever it lies, also outside the region's rectangle, and a sample outside
 * the image reads 0 (in every colour model).
 *
 * Values are written channel-major: a gray image gives one value per sample; an RGB image gives
 * three, channel c of sample i at c * count + i, in the colour model asked for:
 *   0 or 1 RGB (also any code other than 2, 3 and 4): red, green, blue, each 0..255.
 *   2 HSI: hue 0..360 degrees (360 itself never occurs), saturation 0..1, intensity 0..255, with
 *     I = (R + G + B) / 3, S = 1 - min(R, G, B) / I (0 when I = 0),
 *     H = acos(((R-G)+(R-B)) / (2 sqrt((R-G)^2+(R-B)(G-B)))) in degrees, 360 - H when B > G,
 *     0 for grays.
 *   3 HSV: hue 0..360 degrees (360 itself never occurs), saturation 0..1, value 0..255, with
 *     V = max, S = (max - min) / max (0 when max = 0), H the hexcone hue (0 for grays): with
 *     d = max - min, 60 (G - B) / d (plus 360 when negative) when R is largest, 60 ((B - R) / d + 2)
 *     when G is, 60 ((R - G) / d + 4) when B is.
 *   4 YIQ: Y = 0.299 R + 0.587 G + 0.114 B (0..255), I = 0.596 R - 0.274 G - 0.322 B
 *     (-151.98..151.98), Q = 0.211 R - 0.523 G + 0.312 B (-133.365..133.365).
 * A gray value is the pixel value (8-bit 0..255, 12-bit 0..4095, 16-bit 0..65535, float as
 * stored), mapped through the intensity calibration when one is set on the region (value =
 * offset + scale x raw). The calibration maps gray values only: colour components are never mapped.
 * The colour model is ignored for gray images.
 *
 * Failures: an unknown or released region, a region whose image is closed, a null line, point or
 * value pointer, fewer than one point, or a count above 2147483647 give a negative result, and
 * nothing is written.
 */
#ifndef VO_HOST_SDK_BINSUM32_H
#define VO_HOST_SDK_BINSUM32_H

#include <windows.h>

#include "pixbuf32.h"

#ifdef __cplusplus
extern "C" {
#endif

#define COLORMODEL_RGB 1
#define COLORMODEL_HSI 2
#define COLORMODEL_HSV 3
#define COLORMODEL_YIQ 4

/* line: four LONGs x1, y1, x2, y2. count receives the samples per channel, spare 0; either may be
 * null. Both return the count, or a negative value for a bad region or arguments. */
LONG WINAPI LineSampleCount(HIMGREGION region, const LONG *line, LONG *count, LONG *spare);
LONG WINAPI PolySampleCount(HIMGREGION region, const POINT *points, LONG n, LONG *count, LONG *spare);
/* Fill count values per channel, channel-major. Return the count, or negative on failure. */
LONG WINAPI LineSampleRead(HIMGREGION region, const LONG *line, double *values, LONG colorModel);
LONG WINAPI PolySampleRead(HIMGREGION region, const POINT *points, LONG n, double *values, LONG colorModel);
/* out: sum, minimum, maximum, standard deviation, mean. The standard deviation divides by n (the
 * population form); n of 0 gives five zeros. Returns 0; a null out, a negative n or null values with
 * n > 0 return a negative value and write nothing. */
LONG WINAPI ValueStats(const double *values, LONG n, double *out);

#ifdef __cplusplus
}
#endif

#endif /* VO_HOST_SDK_BINSUM32_H */
