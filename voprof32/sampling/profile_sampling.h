/*
 * Sampling along the geometry: reading the values through the host's region
 * and profile operations (the reference subtracted when it is on).
 */
#ifndef VOPROF32_SAMPLING_PROFILE_SAMPLING_H
#define VOPROF32_SAMPLING_PROFILE_SAMPLING_H

#include <windows.h>

#include <pixbuf32.h>

struct ProfileRecord;

HIMGREGION ProfileOpenRegion(struct ProfileRecord *record, const LONG *rect, LONG *relative);
void ProfileRead(struct ProfileRecord *record);
/* The circle's outline inside a region (relative corners), in a block the caller frees. */
POINT *ProfileCircleOutline(const LONG *relative, WORD *count);
/* The bounding box of the free-form vertices. */
void ProfileFreeformBounds(const struct ProfileRecord *record, LONG *box);
void ProfileReadCircle(HIMGREGION region, const LONG *relative, struct ProfileRecord *record);
void ProfileReadFreeform(HIMGREGION region, const LONG *relative, struct ProfileRecord *record);

/* Bands (thick horizontal and vertical lines). */
void ProfileReadThickHorz(HIMGREGION region, const LONG *relative, struct ProfileRecord *record);
void ProfileReadThickVert(HIMGREGION region, const LONG *relative, struct ProfileRecord *record);
void ProfileReduceBand(struct ProfileRecord *record, WORD n, const double *sums, double count);

#endif /* VOPROF32_SAMPLING_PROFILE_SAMPLING_H */
