/* The reference profile (subtracted from every reading) and the frozen profile (kept as plots). */
#ifndef VOPROF32_WINDOW_REFERENCE_FREEZE_H
#define VOPROF32_WINDOW_REFERENCE_FREEZE_H

#include <windows.h>

struct ProfileRecord;

/* Switch the reference or the freeze; on switching on, the samples, the geometry (the given one,
 * or the live one when none is given) and the free-form vertices are copied. */
void ProfileSetReference(struct ProfileRecord *record, DWORD on, const LONG *geometry);
void ProfileSetFreeze(struct ProfileRecord *record, DWORD on, const LONG *geometry);

#endif /* VOPROF32_WINDOW_REFERENCE_FREEZE_H */
