/* The reference line profile over a decoded image in memory, shared by the
 * plain C readers: n = max(|dx|, |dy|) + 1 samples, sample i at
 * (x1 + i dx / (n - 1), y1 + i dy / (n - 1)) read from the nearest pixel, then
 * the mean and standard deviation of the samples (population deviation, over
 * n, as the profile window reports it; first channel of colour images). It is what the whole-process runs of voprof compute, so a reader's
 * time can be set against ours for the same work. */
#ifndef BENCH_LINE_PROFILE_H
#define BENCH_LINE_PROFILE_H

#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum SampleType { SAMPLE_U8, SAMPLE_U16, SAMPLE_F32 };

struct PixelBuffer {
    const uint8_t *bytes;
    long width, height;
    int channels;
    enum SampleType type;
};

static inline double pixel_value(const struct PixelBuffer *b, long x, long y) {
    const size_t i = ((size_t)y * (size_t)b->width + (size_t)x) * (size_t)b->channels;
    switch (b->type) {
        case SAMPLE_U8:
            return b->bytes[i];
        case SAMPLE_U16: {
            uint16_t v;
            memcpy(&v, b->bytes + 2 * i, sizeof v);
            return v;
        }
        case SAMPLE_F32: {
            float v;
            memcpy(&v, b->bytes + 4 * i, sizeof v);
            return v;
        }
    }
    return 0.0;
}

static inline long profile_samples(long x1, long y1, long x2, long y2) {
    return labs(x2 - x1) > labs(y2 - y1) ? labs(x2 - x1) + 1 : labs(y2 - y1) + 1;
}

/* The nearest pixel's coordinate along one axis for sample i of n. */
static inline long profile_coordinate(long a1, long a2, long i, long n) {
    return n > 1 ? (long)floor(a1 + (double)i * (double)(a2 - a1) / (double)(n - 1) + 0.5) : a1;
}

/* Prints "samples mean std" and returns 0, or 1 when the line leaves the image. */
static inline int print_profile(const struct PixelBuffer *b, long x1, long y1, long x2, long y2) {
    const long n = profile_samples(x1, y1, x2, y2);
    double sum = 0.0, squares = 0.0;
    for (long i = 0; i < n; ++i) {
        const long x = profile_coordinate(x1, x2, i, n), y = profile_coordinate(y1, y2, i, n);
        if (x < 0 || y < 0 || x >= b->width || y >= b->height) {
            fprintf(stderr, "the line leaves the %ld x %ld image\n", b->width, b->height);
            return 1;
        }
        const double v = pixel_value(b, x, y);
        sum += v;
        squares += v * v;
    }
    const double mean = sum / (double)n;
    const double variance = (squares - sum * mean) / (double)n;
    printf("%ld %.9g %.9g\n", n, mean, sqrt(variance > 0.0 ? variance : 0.0));
    return 0;
}

#endif
