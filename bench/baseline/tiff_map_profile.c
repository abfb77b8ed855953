/* The baseline of the big-file case: maps an uncompressed single-channel
 * TIFF or BigTIFF whose strips lie one after the other (as bench_images
 * writes them) and reads the line's profile straight from the mapping, so
 * only the pages the line crosses are read. What it costs is what the
 * system's page faults cost for this access pattern.
 *   tiff_map_profile FILE X1 Y1 X2 Y2 */
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <tiffio.h>
#include <unistd.h>

#include "line_profile.h"
#include "tiff_fields.h"

static int fail(const char *what, const char *path) {
    fprintf(stderr, "tiff_map_profile: %s: %s\n", path, what);
    return 1;
}

int main(int argc, char **argv) {
    if (argc < 6) {
        fprintf(stderr, "usage: tiff_map_profile FILE X1 Y1 X2 Y2\n");
        return 2;
    }
    const long x1 = atol(argv[2]), y1 = atol(argv[3]), x2 = atol(argv[4]), y2 = atol(argv[5]);
    TIFF *tif = TIFFOpen(argv[1], "r");
    if (!tif) return fail("cannot open", argv[1]);
    const struct TiffFields f = tiff_fields(tif);
    if (TIFFIsTiled(tif) || f.compression != COMPRESSION_NONE || f.channels != 1 ||
        (f.bits != 8 && f.bits != 16))
        return fail("not an uncompressed one-channel strip file", argv[1]);
    const uint64_t start = TIFFGetStrileOffset(tif, 0);
    TIFFClose(tif);
    const int fd = open(argv[1], O_RDONLY);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) return fail("cannot open", argv[1]);
    const size_t bytes = (size_t)st.st_size;
    const uint8_t *file = mmap(NULL, bytes, PROT_READ, MAP_PRIVATE | MAP_NORESERVE, fd, 0);
    if (file == MAP_FAILED) return fail("cannot map", argv[1]);
    if (start + (uint64_t)f.width * f.height * (f.bits / 8) > bytes)
        return fail("strips past the end", argv[1]);
    const struct PixelBuffer buffer = {file + start, f.width, f.height, 1,
                                       f.bits == 16 ? SAMPLE_U16 : SAMPLE_U8};
    const int status = print_profile(&buffer, x1, y1, x2, y2);
    munmap((void *)file, bytes);
    close(fd);
    return status;
}
