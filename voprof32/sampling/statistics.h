/* Distances, statistics, range/area figures, the data queries and the shown channel. */
#ifndef VOPROF32_SAMPLING_STATISTICS_H
#define VOPROF32_SAMPLING_STATISTICS_H

#include <windows.h>

struct ProfileRecord;
struct RangeStats;

void ProfileDistances(struct ProfileRecord *record);
void ProfileStatistics(struct ProfileRecord *record);
void ProfileRangeArea(struct ProfileRecord *record, WORD channel, struct RangeStats *result);
/* 0 on success, -5 for a code not served. */
LONG ProfileGetData(struct ProfileRecord *record, LONG code, LONG argument, void *output);
WORD ProfileShownChannel(struct ProfileRecord *record);

#endif /* VOPROF32_SAMPLING_STATISTICS_H */
