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
 * running clockwise on the screen (y grows downward).
 *
 * Axis lengths are full lengths in pixels: a length L gives the semi-axis (L - 1) / 2 (0 for
 * L <= 1), so the ellipse of an 11 x 11 box spans exactly 11 pixels. The major axis points along
 * (cos angle, sin angle) in image pixels, y downward: a positive angle turns it clockwise on the
 * screen, and angle 1.57 gives a tall ellipse whose outline starts at its bottom end. The start is
 * the pixel nearest (centreX + a cos angle, centreY + a sin angle) for the major semi-axis a. An
 * ellipse whose two semi-axes are 0 is its centre pixel alone. Where an ellipse is too thin to
 * leave pixels between its sides, each side keeps to pixels on its own side of the long axis (a
 * 1-pixel-high ellipse runs along the rows above and below its axis), so the chain stays closed.
 *
 * AoiCreateShape: kind 3 (AOISHAPE_ELLIPSE) with an EllipseDescriptor; 0 for any other kind, a
 * null descriptor, lengths or an angle that are not finite, lengths above 100000, or points
 * beyond the 32-bit range. AoiGetShapeInfo: code 2 returns the number of points (out unused);
 * code 3 writes that many POINTs to out and returns the number; an unknown shape or code, or a
 * null out for code 3, returns a negative value. AoiDestroyShape and AoiFreeRegion ignore
 * handles they do not know. */
HAOISHAPE WINAPI AoiCreateShape(const void *descriptor, LONG reserved, LONG kind);
LONG WINAPI AoiGetShapeInfo(HAOISHAPE shape, LONG code, LPVOID out);
void WINAPI AoiDestroyShape(HAOISHAPE shape);
void WINAPI AoiFreeRegion(HIMGREGION region);
/* The area of interest of an image, from the buffer HostQuery QueryImageAoi filled; the value is
 * the host's own and plug-ins pass it on unread. This host keeps no area-of-interest objects and
 * always returns 0. */
LONG WINAPI AoiForImage(LONG imageId, LONG kind, const LONG *aoi);

#ifdef __cplusplus
}
#endif

#endif /* VO_HOST_SDK_ROIKIT32_H */
