/* The range marks on the image: ticks across the live geometry at the two range markers. */
#ifndef VOPROF32_OVERLAY_RANGE_MARKS_H
#define VOPROF32_OVERLAY_RANGE_MARKS_H

#include <windows.h>

struct ProfileRecord;

#define MARK_FIRST 1
#define MARK_SECOND 2
#define MARK_BOTH 3

void ProfileDrawImageMarks(struct ProfileRecord *record);
void InvalidateImageMarks(struct ProfileRecord *record, int which);

#endif /* VOPROF32_OVERLAY_RANGE_MARKS_H */
