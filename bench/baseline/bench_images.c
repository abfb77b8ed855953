/* The files the performance runs read, written with libtiff and libpng
 * directly in layouts the host's own writer does not make (tiles, deflate,
 * LZW), and a sparse BigTIFF too large to write in full:
 *   bench_images tiff FILE W H gray8|gray16|rgb|float strip|tile none|deflate|lzw
 *   bench_images png FILE W H gray8|gray16
 *   bench_images bigtiff FILE W H     (16-bit, one strip per row, mostly holes)
 * Pixels are a ramp with a little hash noise, so the compressed files neither
 * collapse to nothing nor stay at full size. */
#include <errno.h>
#include <fcntl.h>
#include <png.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <tiffio.h>
#include <unistd.h>

enum { TILE_SIDE = 256 };

static uint32_t noise(uint32_t x, uint32_t y, uint32_t c) {
    uint32_t h = x * 73856093u ^ y * 19349663u ^ c * 83492791u;
    h = (h ^ (h >> 13)) * 0x5bd1e995u;
    return (h ^ (h >> 15)) >> 27; /* 0..31 */
}

static uint16_t value16(uint32_t x, uint32_t y, uint32_t c) {
    return (uint16_t)((x + 2 * y + 4096 * c) * 4 + noise(x, y, c));
}

/* Row y for `kind`: bytes per sample 1, 2 or 4; channels 1 or 3. */
static void fill_row(const char *kind, uint32_t width, uint32_t y, uint8_t *row) {
    for (uint32_t x = 0; x < width; ++x) {
        if (strcmp(kind, "gray8") == 0) {
            row[x] = (uint8_t)(value16(x, y, 0) >> 8);
        } else if (strcmp(kind, "rgb") == 0) {
            for (uint32_t c = 0; c < 3; ++c) row[3 * x + c] = (uint8_t)(value16(x, y, c) >> 8);
        } else if (strcmp(kind, "float") == 0) {
            const float v = (float)value16(x, y, 0) / 256.0f;
            memcpy(row + 4 * x, &v, sizeof v);
        } else {
            const uint16_t v = value16(x, y, 0);
            memcpy(row + 2 * x, &v, sizeof v);
        }
    }
}

static int write_tiff(const char *path, uint32_t width, uint32_t height, const char *kind, const char *layout,
                      const char *compression) {
    const int rgb = strcmp(kind, "rgb") == 0, real = strcmp(kind, "float") == 0;
    const uint16_t bits = real ? 32 : strcmp(kind, "gray16") == 0 ? 16 : 8, channels = rgb ? 3 : 1;
    const size_t row_bytes = (size_t)width * channels * bits / 8;
    TIFF *tif = TIFFOpen(path, "w");
    if (!tif) return 1;
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, bits);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, channels);
    TIFFSetField(tif, TIFFTAG_SAMPLEFORMAT, real ? SAMPLEFORMAT_IEEEFP : SAMPLEFORMAT_UINT);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, rgb ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION,
                 strcmp(compression, "deflate") == 0 ? COMPRESSION_ADOBE_DEFLATE
                 : strcmp(compression, "lzw") == 0   ? COMPRESSION_LZW
                                                     : COMPRESSION_NONE);
    /* The fastest deflate level: decoding costs the same at any level, and the files are made every run. */
    if (strcmp(compression, "deflate") == 0) TIFFSetField(tif, TIFFTAG_ZIPQUALITY, 1);
    const int tiled = strcmp(layout, "tile") == 0;
    if (tiled) {
        TIFFSetField(tif, TIFFTAG_TILEWIDTH, TILE_SIDE);
        TIFFSetField(tif, TIFFTAG_TILELENGTH, TILE_SIDE);
    } else {
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tif, 0));
    }
    /* Whole bands of TILE_SIDE rows at a time, cut into tiles or written as scanlines. */
    const size_t pixel_bytes = row_bytes / width;
    uint8_t *band = malloc(row_bytes * TILE_SIDE), *tile = malloc(pixel_bytes * TILE_SIDE * TILE_SIDE);
    int ok = band && tile;
    for (uint32_t top = 0; ok && top < height; top += TILE_SIDE) {
        const uint32_t rows = height - top < TILE_SIDE ? height - top : TILE_SIDE;
        for (uint32_t r = 0; r < rows; ++r) fill_row(kind, width, top + r, band + r * row_bytes);
        for (uint32_t r = 0; !tiled && ok && r < rows; ++r)
            ok = TIFFWriteScanline(tif, band + r * row_bytes, top + r, 0) >= 0;
        for (uint32_t left = 0; tiled && ok && left < width; left += TILE_SIDE) {
            memset(tile, 0, pixel_bytes * TILE_SIDE * TILE_SIDE);
            const size_t columns = (width - left < TILE_SIDE ? width - left : TILE_SIDE) * pixel_bytes;
            for (uint32_t r = 0; r < rows; ++r)
                memcpy(tile + r * TILE_SIDE * pixel_bytes, band + r * row_bytes + left * pixel_bytes,
                       columns);
            ok = TIFFWriteTile(tif, tile, left, top, 0, 0) >= 0;
        }
    }
    free(band);
    free(tile);
    TIFFClose(tif);
    return ok ? 0 : 1;
}

static int write_png(const char *path, uint32_t width, uint32_t height, const char *kind) {
    const int deep = strcmp(kind, "gray16") == 0;
    FILE *file = fopen(path, "wb");
    if (!file) return 1;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) return 1;
    png_init_io(png, file);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, width, height, deep ? 16 : 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    if (deep) png_set_swap(png);
    uint8_t *row = malloc((size_t)width * (deep ? 2 : 1));
    if (!row) return 1;
    for (uint32_t y = 0; y < height; ++y) {
        fill_row(kind, width, y, row);
        png_write_row(png, row);
    }
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    free(row);
    return fclose(file) == 0 ? 0 : 1;
}

/* BigTIFF field types and the directory entry layout: tag, type, count, value or offset. */
enum { TYPE_SHORT = 3, TYPE_LONG = 4, TYPE_LONG8 = 16, ENTRY_BYTES = 20, DATA_ALIGN = 65536 };

static uint8_t *put_entry(uint8_t *p, uint16_t tag, uint16_t type, uint64_t count, uint64_t value) {
    memcpy(p, &tag, 2);
    memcpy(p + 2, &type, 2);
    memcpy(p + 4, &count, 8);
    memcpy(p + 12, &value, 8);
    return p + ENTRY_BYTES;
}

/* A little-endian BigTIFF, one uncompressed 16-bit strip per row, rows
 * contiguous from a 64 KiB boundary. The file is sized with ftruncate, so it
 * is all holes (zeros) except a written band of rows in the middle. */
static int write_bigtiff(const char *path, uint32_t width, uint32_t height) {
    const uint64_t row_bytes = 2ull * width, entries = 11, ifd = 16;
    const uint64_t offsets = ifd + 8 + entries * ENTRY_BYTES + 8, counts = offsets + 8ull * height;
    const uint64_t data = (counts + 8ull * height + DATA_ALIGN - 1) / DATA_ALIGN * DATA_ALIGN;
    uint8_t *head = calloc(data, 1);
    if (!head) return 1;
    memcpy(head, "II\x2b\x00\x08\x00\x00\x00", 8);
    memcpy(head + 8, &ifd, 8);
    memcpy(head + ifd, &entries, 8);
    uint8_t *p = head + ifd + 8;
    p = put_entry(p, TIFFTAG_IMAGEWIDTH, TYPE_LONG, 1, width);
    p = put_entry(p, TIFFTAG_IMAGELENGTH, TYPE_LONG, 1, height);
    p = put_entry(p, TIFFTAG_BITSPERSAMPLE, TYPE_SHORT, 1, 16);
    p = put_entry(p, TIFFTAG_COMPRESSION, TYPE_SHORT, 1, COMPRESSION_NONE);
    p = put_entry(p, TIFFTAG_PHOTOMETRIC, TYPE_SHORT, 1, PHOTOMETRIC_MINISBLACK);
    p = put_entry(p, TIFFTAG_STRIPOFFSETS, TYPE_LONG8, height, offsets);
    p = put_entry(p, TIFFTAG_SAMPLESPERPIXEL, TYPE_SHORT, 1, 1);
    p = put_entry(p, TIFFTAG_ROWSPERSTRIP, TYPE_LONG, 1, 1);
    p = put_entry(p, TIFFTAG_STRIPBYTECOUNTS, TYPE_LONG8, height, counts);
    p = put_entry(p, TIFFTAG_PLANARCONFIG, TYPE_SHORT, 1, PLANARCONFIG_CONTIG);
    p = put_entry(p, TIFFTAG_SAMPLEFORMAT, TYPE_SHORT, 1, SAMPLEFORMAT_UINT); /* next directory: 0 */
    for (uint64_t y = 0; y < height; ++y) {
        const uint64_t offset = data + y * row_bytes;
        memcpy(head + offsets + 8 * y, &offset, 8);
        memcpy(head + counts + 8 * y, &row_bytes, 8);
    }
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int ok = fd >= 0 && ftruncate(fd, (off_t)(data + row_bytes * height)) == 0 &&
             pwrite(fd, head, data, 0) == (ssize_t)data;
    uint8_t *row = malloc(row_bytes);
    const uint32_t band = 256, top = height / 2 - band / 2;
    for (uint32_t y = top; ok && row && y < top + band; ++y) {
        fill_row("gray16", width, y, row);
        ok = pwrite(fd, row, row_bytes, (off_t)(data + y * row_bytes)) == (ssize_t)row_bytes;
    }
    if (!ok) fprintf(stderr, "bench_images: %s: %s\n", path, strerror(errno));
    free(row);
    free(head);
    if (fd >= 0 && close(fd) != 0) ok = 0;
    return ok && row ? 0 : 1;
}

int main(int argc, char **argv) {
    const char *usage =
        "usage: bench_images tiff FILE W H gray8|gray16|rgb|float strip|tile none|deflate|lzw\n"
        "       bench_images png FILE W H gray8|gray16\n"
        "       bench_images bigtiff FILE W H\n";
    if (argc < 5) {
        fputs(usage, stderr);
        return 2;
    }
    const uint32_t width = (uint32_t)atol(argv[3]), height = (uint32_t)atol(argv[4]);
    if (strcmp(argv[1], "tiff") == 0 && argc == 8)
        return write_tiff(argv[2], width, height, argv[5], argv[6], argv[7]);
    if (strcmp(argv[1], "png") == 0 && argc == 6) return write_png(argv[2], width, height, argv[5]);
    if (strcmp(argv[1], "bigtiff") == 0) return write_bigtiff(argv[2], width, height);
    fputs(usage, stderr);
    return 2;
}
