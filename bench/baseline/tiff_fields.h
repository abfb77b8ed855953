/* What the TIFF baselines need to know of a file's first image, read with
 * libtiff's defaults for the fields a file may leave out. */
#ifndef BENCH_TIFF_FIELDS_H
#define BENCH_TIFF_FIELDS_H

#include <tiffio.h>

struct TiffFields {
    uint32_t width, height;
    uint16_t bits, channels, format, compression;
};

static inline struct TiffFields tiff_fields(TIFF *tif) {
    struct TiffFields f = {0, 0, 8, 1, SAMPLEFORMAT_UINT, COMPRESSION_NONE};
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &f.width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &f.height);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &f.bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &f.channels);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &f.format);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &f.compression);
    return f;
}

#endif
