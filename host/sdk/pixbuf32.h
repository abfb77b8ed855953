/* pixbuf32.h: the host's image and memory library. */
#ifndef VO_HOST_SDK_PIXBUF32_H
#define VO_HOST_SDK_PIXBUF32_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

DECLARE_HANDLE(HIMGREGION);

/* Memory blocks: flags 2 (moveable, contents undefined; this host fills them with 0xCD so that runs
 * repeat) or 0x40 (zero-filled). The result is the block's address until it is freed; 0 for a size of
 * 0, above 256 MiB, or when the memory cannot be had. Freeing an address that is not a live block is
 * ignored. */
#define MEMBLOCK_MOVEABLE 0x0002
#define MEMBLOCK_ZEROINIT 0x0040
LPVOID WINAPI MemAllocBlock(UINT flags, DWORD size);
void WINAPI MemFreeBlock(LPVOID block);

/* Image classes. */
#define IMGCLASS_GRAY8 1
#define IMGCLASS_RGB 3
#define IMGCLASS_GRAY12 4
#define IMGCLASS_FLOAT 5
#define IMGCLASS_GRAY16 6

/* ImgGetInfo codes: 1 -> DWORD class; 17 -> WORD width then WORD height; 42 -> two doubles, the
 * lowest and highest value of a floating-point image. Returns 0, or a negative value for an unknown
 * image or code. */
#define IMGINFO_CLASS 1
#define IMGINFO_SIZE 17
#define IMGINFO_RANGE 42
LONG WINAPI ImgGetInfo(LONG imageId, LONG code, LONG arg1, LONG arg2, LPVOID out);

/* A region over the rectangle x1, y1 to x2, y2 (inclusive, normalised) of an image; kind 1. All
 * sampling goes through a region; coordinates given with a region are relative to its top-left
 * corner. A rectangle reaching past the image edges is kept as given (reads outside the image give
 * 0). 0 when the image does not exist, the kind is not 1, or the rectangle lies wholly outside. */
HIMGREGION WINAPI ImgOpenRegion(LONG imageId, LONG kind, LONG x1, LONG y1, LONG x2, LONG y2);
/* Region attributes: code 20 -> four LONGs, the region's rectangle in image pixels (left, top,
 * right, bottom). Returns 0, or a negative value for an unknown or freed region or code. */
#define REGIONINFO_RECT 20
LONG WINAPI ImgRegionInfo(HIMGREGION region, LONG code, LONG arg1, LONG arg2, LPVOID out);

#ifdef __cplusplus
}
#endif

#endif /* VO_HOST_SDK_PIXBUF32_H */
