/* A plain libtiff reader as the baseline of whole-process profile runs: reads
 * every strip or tile of the first image into one buffer, then prints the
 * line's profile statistics.
 *   tiff_profile FILE X1 Y1 X2 Y2 */
#include <tiffio.h>

#include "line_profile.h"
#include "tiff_fields.h"

static int fail(const char *what, const char *path) {
    fprintf(stderr, "tiff_profile: %s: %s\n", path, what);
    return 1;
}

static int read_tiles(TIFF *tif, uint8_t *image, size_t row_bytes, uint32_t height, size_t pixel_bytes) {
    uint32_t tw = 0, th = 0;
    TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tw);
    TIFFGetField(tif, TIFFTAG_TILELENGTH, &th);
    uint8_t *tile = malloc((size_t)TIFFTileSize(tif));
    if (!tile) return 0;
    const size_t width = row_bytes / pixel_bytes;
    for (uint32_t ty = 0; ty < height; ty += th)
        for (uint32_t tx = 0; tx < width; tx += tw) {
            if (TIFFReadEncodedTile(tif, TIFFComputeTile(tif, tx, ty, 0, 0), tile, (tmsize_t)-1) < 0) {
                free(tile);
                return 0;
            }
            const size_t columns = (tx + tw > width ? width - tx : tw) * pixel_bytes;
            for (uint32_t r = 0; r < th && ty + r < height; ++r)
                memcpy(image + (ty + r) * row_bytes + tx * pixel_bytes, tile + r * tw * pixel_bytes, columns);
        }
    free(tile);
    return 1;
}

static int read_strips(TIFF *tif, uint8_t *image, size_t row_bytes, uint32_t height) {
    uint32_t per_strip = height;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &per_strip);
    if (per_strip > height) per_strip = height;
    for (uint32_t s = 0; s < TIFFNumberOfStrips(tif); ++s) {
        if (TIFFReadEncodedStrip(tif, s, image + (size_t)s * per_strip * row_bytes, (tmsize_t)-1) < 0)
            return 0;
    }
    return 1;
}

int main(int argc, char **argv) {
    if (argc < 6) {
        fprintf(stderr, "usage: tiff_profile FILE X1 Y1 X2 Y2\n");
        return 2;
    }
    const long x1 = atol(argv[2]), y1 = atol(argv[3]), x2 = atol(argv[4]), y2 = atol(argv[5]);
    TIFF *tif = TIFFOpen(argv[1], "r");
    if (!tif) return fail("cannot open", argv[1]);
    const struct TiffFields f = tiff_fields(tif);
    const size_t pixel_bytes = (size_t)f.channels * f.bits / 8, row_bytes = f.width * pixel_bytes;
    uint8_t *image = malloc((size_t)f.height * row_bytes);
    if (!image) return fail("out of memory", argv[1]);
    const int ok = TIFFIsTiled(tif) ? read_tiles(tif, image, row_bytes, f.height, pixel_bytes)
                                    : read_strips(tif, image, row_bytes, f.height);
    TIFFClose(tif);
    if (!ok) return fail("cannot decode", argv[1]);
    const struct PixelBuffer buffer = {image, f.width, f.height, f.channels,
                                       f.format == SAMPLEFORMAT_IEEEFP ? SAMPLE_F32
                                       : f.bits == 16                  ? SAMPLE_U16
                                                                       : SAMPLE_U8};
    const int status = print_profile(&buffer, x1, y1, x2, y2);
    free(image);
    return status;
}
