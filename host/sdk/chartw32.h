/*
 * chartw32.h: the host's chart control. A chart holds plots in a sequence
 * (drawn in sequence order, each over the ones before it); plots never hold
 * data: the control asks each plot's data callback for its points and ranges
 * whenever it needs them.
 *
 * Attribute protocol: a code with bit 0x8000 writes the attribute, a code
 * without it reads it into the out buffer.
 *
 * Block layouts keep the field order and types of the 32-bit host; on a
 * 32-bit build the offsets are checked below. On a 64-bit build pointers are
 * 8 bytes and the offsets after them move.
 */
#ifndef VO_HOST_SDK_CHARTW32_H
#define VO_HOST_SDK_CHARTW32_H

#include <stddef.h>

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Chart and plot handles: opaque 32-bit values, 0 for none. Neither is ever
 * given twice, and a chart handle is never a plot handle or the reverse. */
typedef DWORD HCHART;
typedef DWORD HPLOT;

/* 888 bytes: texts and the control's layout defaults. */
typedef struct ChartSpec {
    char title[136];       /* 0 */
    char xAxisLabel[136];  /* 136 */
    char yAxisLabel[272];  /* 272 */
    char legendTitle[136]; /* 544 */
    BYTE layout[208];      /* 680: the control's defaults, passed unchanged */
} ChartSpec;

/* One series of a data reply: element type 5 is an array of doubles. */
typedef struct PlotSeries {
    DWORD type;
    const double *data;
    WORD first;  /* index of the first element */
    WORD stride; /* bytes from one element to the next */
    double reserved[2];
} PlotSeries;

#define PLOTSERIES_DOUBLES 5

/* What a plot's data callback fills: 152 bytes on a 32-bit build. */
typedef struct PlotDataReply {
    WORD count; /* 0: number of points */
    double xMin; /* 8 */
    double xMax; /* 16 */
    double yMin; /* 24 */
    double yMax; /* 32 */
    double zero[2]; /* 40, 48 */
    PlotSeries x;     /* 56 */
    PlotSeries y;     /* 88 */
    PlotSeries third; /* 120, empty */
} PlotDataReply;

/* The data callback: kind 1 asks for the series as well as the count and ranges. */
#define PLOTDATA_RANGES 0
#define PLOTDATA_SERIES 1
typedef PlotDataReply *(CALLBACK *PlotDataProc)(LONG kind, HPLOT plot, PlotDataReply *reply);

/* 264 bytes on a 32-bit build. */
typedef struct PlotSpec {
    char name[128];        /* 0: NUL-terminated */
    COLORREF colour;       /* 128 */
    DWORD reserved1;       /* 132 */
    WORD style;            /* 136: bit 0x100 marks a frozen plot */
    BYTE defaults1[78];    /* 138 */
    PlotDataProc dataProc; /* 216 */
    DWORD userValue;       /* 220 */
    BYTE defaults2[28];    /* 224 */
    DWORD shown;           /* 252: 1 shown */
    DWORD shown2;          /* 256: 1 shown */
    DWORD reserved2;       /* 260 */
} PlotSpec;

#define PLOTSTYLE_FROZEN 0x0100

/* Chart attributes. */
#define CHARTATTR_SET 0x8000
#define CHARTATTR_RECORD 0x0e      /* get / set (0x800e): a pointer-sized value of the owner's */
#define CHARTATTR_NEXTPLOT 0x12    /* get: arg a plot or 0 for the first -> out the next plot, 0 at the end */
#define CHARTATTR_TOHEAD 0x0f      /* set (0x800f): arg a plot, moved to the head of the sequence */
#define CHARTATTR_PLOTAREA 0x15    /* get: out four LONGs, the plot area in the control's client pixels */
                                   /* (laid out for the rectangle of the last ChartDraw; before any, for */
                                   /* a 400 x 300 rectangle at 0, 0) */
#define CHARTATTR_CALIBRATED 0x13  /* set (0x8013): arg 0 the value axis, 1 the distance axis; value 1/0; */
                                   /* get (0x13) with the same arg reads it back */

/* Plot attributes. */
#define PLOTATTR_NAME 0x00   /* get / set (0x8000): out/in a text of at most 128 bytes with the NUL; */
                             /* a get gives the name's length */
#define PLOTATTR_USER 0x04   /* get: the user value */
#define PLOTATTR_SHOWN 0x08  /* get / set (0x8008) */
#define PLOTATTR_SHOWN2 0x07 /* get / set (0x8007): the second shown switch */
#define PLOTATTR_CHART 0x0b  /* get: the chart that owns the plot */

HCHART WINAPI ChartCreate(const ChartSpec *spec);
void WINAPI ChartDestroy(HCHART chart);
HPLOT WINAPI ChartAddPlot(HCHART chart, const PlotSpec *spec);
/* Results: a read gives its value as the result as well (the record pointer, the next plot) and
 * writes it to out when out is not null; writes give 0; an unknown chart or plot, an unknown code or
 * an argument the code does not take gives -1 (on an unknown chart, reads of the record and of the
 * next plot give 0). */
LONG_PTR WINAPI ChartAttr(HCHART chart, LONG code, LONG_PTR arg, LONG_PTR value, void *out);
LONG_PTR WINAPI PlotAttr(HPLOT plot, LONG code, LONG_PTR value, LONG reserved, void *out);
/* Paints the chart into the rectangle of the device context. */
BOOL WINAPI ChartDraw(HCHART chart, HDC hdc, const RECT *rect, LONG reserved, LONG flags);
/* Puts a picture of the chart, laid out for the rectangle, on the clipboard (CF_DIB). */
BOOL WINAPI ChartCopyToClipboard(HCHART chart, HWND owner, const RECT *rect);
/* A global memory block holding a CF_DIB picture of the chart (BITMAPINFOHEADER, then 32-bit
 * BI_RGB rows bottom-up), 0 on failure; without a rectangle, the window's client size. */
HGLOBAL WINAPI ChartMakePicture(HCHART chart, HWND window, const RECT *rect);

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus) && (defined(_WIN32) && !defined(_WIN64))
static_assert(sizeof(ChartSpec) == 888, "ChartSpec is 888 bytes");
static_assert(offsetof(ChartSpec, xAxisLabel) == 136 && offsetof(ChartSpec, yAxisLabel) == 272 &&
                  offsetof(ChartSpec, legendTitle) == 544,
              "ChartSpec texts");
static_assert(sizeof(PlotSpec) == 264, "PlotSpec is 264 bytes");
static_assert(offsetof(PlotSpec, colour) == 128 && offsetof(PlotSpec, style) == 136 &&
                  offsetof(PlotSpec, dataProc) == 216 && offsetof(PlotSpec, userValue) == 220 &&
                  offsetof(PlotSpec, shown) == 252 && offsetof(PlotSpec, shown2) == 256,
              "PlotSpec fields");
static_assert(sizeof(PlotDataReply) == 152, "PlotDataReply is 152 bytes");
static_assert(offsetof(PlotDataReply, xMin) == 8 && offsetof(PlotDataReply, x) == 56 &&
                  offsetof(PlotDataReply, y) == 88 && offsetof(PlotDataReply, third) == 120,
              "PlotDataReply fields");
#endif

#endif /* VO_HOST_SDK_CHARTW32_H */
