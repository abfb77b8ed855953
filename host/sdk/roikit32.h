/* roikit32.h: the host's area-of-interest library: shapes and region release. */
#ifndef VO_HOST_SDK_ROIKIT32_H
#define VO_HOST_SDK_ROIKIT32_H

#include <windows.h>

#include "pixbuf32.h"

#ifdef __cplusplus
extern "C" {
#endif

DECLARE_HANDLE(HAOISHAPE);

typedef struct EllipseDescriptor {
    LONG centreX;
    LONG centreY;
    double major; /* axis lengths in pixels */
    double minor;
    double angle; /* radians, of the major axis from the x axis */
} EllipseDescriptor;

#define AOISHAPE_ELLIPSE 3
#define AOISHAPEINFO_COUNT 2  /* -> number of outline points (the result) */
#define AOISHAPEINFO_POINTS 3 /* out: the outline points as POINTs */

/* The outline of an ellipse is an 8-connected closed chain of pixels without repeated points,
 * starting at the end of the major axis at parametric angle 0 (after rotation by the angle) and
 * running clockwise on the screen (y grows downward). */
HAOISHAPE WINAPI AoiCreateShape(const void *descriptor, LONG reserved, LONG kind);
LONG WINAPI AoiGetShapeInfo(HAOISHAPE shape, LONG code, LPVOID out);
void WINAPI AoiDestroyShape(HAOISHAPE shape);
void WINAPI AoiFreeRegion(HIMGREGION region);
/* The area of interest of an image, from the buffer HostQuery QueryImageAoi filled; the value is
 * the host's own. */
LONG WINAPI AoiForImage(LONG imageId, LONG kind, const LONG *aoi);

#ifdef __cplusplus
}
#endif

#endif /* VO_HOST_SDK_ROIKIT32_H */
