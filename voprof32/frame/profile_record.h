/*
 * The profile record, the profile table and the module-wide values.
 *
 * Each open profile window owns one ProfileRecord: the geometry laid over one
 * image, the samples read along it, the chart handles, the display options and
 * the interaction state. The record is one zero-filled block from the host's
 * memory operations, released when its window is destroyed.
 */
#ifndef VOPROF32_FRAME_PROFILE_RECORD_H
#define VOPROF32_FRAME_PROFILE_RECORD_H

#include <windows.h>

#include "resources/resource.h"

#define PROFILE_SLOTS 20
#define FREEFORM_MAX_POINTS 4096
/* A profile holds at most this many values (samples x channels): counts cross the host boundary in 16 bits.
 */
#define PROFILE_MAX_VALUES 65535
/* The window clears this many free-form vertices when it opens; the rest keep what they held. */
#define FREEFORM_CLEARED_AT_INIT 512

/* Geometry control ids (the profile window's radio buttons). */
#define GEOMETRY_LINE IDC_LINE
#define GEOMETRY_CIRCLE IDC_CIRCLE
#define GEOMETRY_FREEFORM IDC_FREEFORM

/* Image class of a colour image: three channels per sample. */
#define IMAGECLASS_RGB 3

/* What each geometry type remembers while another type is shown. */
struct GeometryMemory {
    LONG geometry[4];
    DWORD referenceOn;
    LONG referenceGeometry[4];
    WORD referenceThickMode;
    DWORD frozenOn;
    LONG frozenGeometry[4];
    WORD frozenThickMode;
};

/* The range/area figures between the two range markers. */
struct RangeStats {
    double x1;
    double x2;
    double area;
    double percent;
    double y1;
    double y2;
    DWORD firstIndex;
    DWORD lastIndex;
};

struct ProfileRecord {
    HWND hostWnd;
    HWND profileWnd;
    LONG clientRect[4];
    WNDPROC chartCtlProc;
    WORD geometryCtlId;
    WORD geometryType;
    HWND imageWnd;
    LONG imageId;
    DWORD imageClass;
    WORD channelCount;
    WORD imageWidth;
    WORD imageHeight;
    POINT freeformPoints[FREEFORM_MAX_POINTS];
    POINT referencePoints[FREEFORM_MAX_POINTS];
    POINT frozenPoints[FREEFORM_MAX_POINTS];
    WORD freeformCount;
    POINT freeformCursor;
    POINT freeformAnchor;
    DWORD freeformButtonDown;
    DWORD freeformRubberShown;
    WORD freeformState;
    DWORD chartHandle;
    DWORD livePlots[3];
    DWORD frozenPlots[3];
    struct GeometryMemory geometryMemory[3];
    LONG geometry[4];
    WORD thickMode;
    WORD thickFunction;
    WORD sampleCount;
    double *samples;
    double *distances;
    double stats[5];
    DWORD overlayHidden;
    DWORD referenceOn;
    LONG referenceGeometry[4];
    WORD referenceThickMode;
    double *referenceSamples;
    DWORD frozenOn;
    LONG frozenGeometry[4];
    WORD frozenThickMode;
    double *frozenSamples;
    DWORD colorModel;
    DWORD spatialCalOn;
    DWORD intensityCalOn;
    DWORD autoUpdate;
    WORD hitCode;
    DWORD dragging;
    DWORD lastMousePos;
    LONG dragGeometry[4];
    DWORD fullScale;
    WORD slotIndex;
    WORD statsMode;
    DWORD tableOn;
    DWORD rangeMarkers[2];
    double valueRangeMin;
    double valueRangeMax;
    struct RangeStats rangeStats;
};

/* The profile table. */
extern struct ProfileRecord *profileSlots[PROFILE_SLOTS];
extern LONG currentIndex;

/* Finding records: the profile window's own (its dialog user data), the first
 * record bound to an image, and the current one of the macro commands. */
struct ProfileRecord *ProfileFromWindow(HWND window);
struct ProfileRecord *ProfileFromImage(LONG imageId);
LONG ProfileSlotOfImage(LONG imageId);
struct ProfileRecord *CurrentProfile(void);

/* Module-wide values shared by all profile windows. */
extern HWND hostWindow;
extern HINSTANCE moduleInstance;
extern LONG clientHookId;
extern LONG lastGeometry[4];
extern WORD saveOptions;
extern WORD statsModeDefault;
extern DWORD exportNumberFlags;
extern DWORD saveKindIsData;
extern HCURSOR endPointCursor;
extern void *reportRegistration;

/* Profile window state, shared by all profile windows: only one is sized, moved or has a range
 * marker dragged at a time. */
extern RECT initialWindowRect;
extern DWORD suppressMoveMacro;
extern DWORD suppressSizeMacro;
extern LONG sizeNesting;
extern WORD markerHit;
extern DWORD markerDragging;

#endif /* VOPROF32_FRAME_PROFILE_RECORD_H */
