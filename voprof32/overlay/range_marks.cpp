/* Range marks on the image (being written). */
#include "overlay/range_marks.h"

void ProfileDrawImageMarks(struct ProfileRecord *record) {
    (void)record;
}

void InvalidateImageMarks(struct ProfileRecord *record, int which) {
    (void)record, (void)which;
}
