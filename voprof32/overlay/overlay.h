/* Drawing the geometry over the image window and erasing it. */
#ifndef VOPROF32_OVERLAY_OVERLAY_H
#define VOPROF32_OVERLAY_OVERLAY_H

struct ProfileRecord;

void ProfileDrawOverlay(struct ProfileRecord *record);
void ProfileEraseOverlay(struct ProfileRecord *record);

#endif /* VOPROF32_OVERLAY_OVERLAY_H */
