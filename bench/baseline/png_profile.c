/* A bare libpng reader as the baseline of whole-process PNG profile runs: the
 * whole image into one buffer (16-bit samples to native byte order), then the
 * line's profile statistics.
 *   png_profile FILE X1 Y1 X2 Y2 */
#include <png.h>

#include "line_profile.h"

int main(int argc, char **argv) {
    if (argc < 6) {
        fprintf(stderr, "usage: png_profile FILE X1 Y1 X2 Y2\n");
        return 2;
    }
    FILE *file = fopen(argv[1], "rb");
    if (!file) {
        perror(argv[1]);
        return 1;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        fprintf(stderr, "png_profile: %s: cannot decode\n", argv[1]);
        return 1;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    const uint32_t width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    const int bits = png_get_bit_depth(png, info), channels = png_get_channels(png, info);
    if (bits == 16) png_set_swap(png);
    const size_t row_bytes = png_get_rowbytes(png, info);
    uint8_t *image = malloc(row_bytes * height);
    png_bytep *rows = malloc(sizeof *rows * height);
    if (!image || !rows) return 1;
    for (uint32_t y = 0; y < height; ++y) rows[y] = image + y * row_bytes;
    png_read_image(png, rows);
    png_destroy_read_struct(&png, &info, NULL);
    fclose(file);
    const struct PixelBuffer buffer = {image, width, height, channels, bits == 16 ? SAMPLE_U16 : SAMPLE_U8};
    const int status = print_profile(&buffer, atol(argv[2]), atol(argv[3]), atol(argv[4]), atol(argv[5]));
    free(rows);
    free(image);
    return status;
}
