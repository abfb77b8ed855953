/*
 * Sampling along the geometry: counting and adopting a geometry, reading the
 * values through the host's region and profile operations, and the reference
 * and frozen copies.
 */
#ifndef VOPROF32_SAMPLING_PROFILE_SAMPLING_H
#define VOPROF32_SAMPLING_PROFILE_SAMPLING_H

#include <windows.h>

#include <pixbuf32.h>

struct ProfileRecord;

HIMGREGION ProfileOpenRegion(struct ProfileRecord *record, const LONG *rect, LONG *relative);
int ProfilePrepare(struct ProfileRecord *record, LONG *proposedGeometry);
void ProfileRead(struct ProfileRecord *record);
void ProfileReadCircle(HIMGREGION region, const LONG *relative, struct ProfileRecord *record);
void ProfileReadFreeform(HIMGREGION region, const LONG *relative, struct ProfileRecord *record);
void ProfileSetReference(struct ProfileRecord *record, DWORD on, const LONG *geometry);
void ProfileSetFreeze(struct ProfileRecord *record, DWORD on, const LONG *geometry);

/* Bands (thick horizontal and vertical lines). */
void ProfileReadThickHorz(HIMGREGION region, const LONG *relative, struct ProfileRecord *record);
void ProfileReadThickVert(HIMGREGION region, const LONG *relative, struct ProfileRecord *record);
void ProfileReduceBand(struct ProfileRecord *record, WORD n, const double *sums, double count);

#endif /* VOPROF32_SAMPLING_PROFILE_SAMPLING_H */
