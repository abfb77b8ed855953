/* Adopting a proposed geometry: ProfilePrepare, the first step of the update chain. */
#ifndef VOPROF32_SAMPLING_PROFILE_PREPARE_H
#define VOPROF32_SAMPLING_PROFILE_PREPARE_H

#include <windows.h>

struct ProfileRecord;

/* Counts the samples of the proposed geometry and adopts it; 0 (nothing changed) when it cannot be
 * counted or has too many samples or too few. */
int ProfilePrepare(struct ProfileRecord *record, LONG *proposedGeometry);

/* 1 when the free-form vertices give a profile ProfilePrepare can adopt (at least two samples, at
 * most PROFILE_MAX_VALUES values), whichever geometry is shown. */
int ProfileFreeformFits(struct ProfileRecord *record);

#endif /* VOPROF32_SAMPLING_PROFILE_PREPARE_H */
