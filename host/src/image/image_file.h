// Reading and writing image files. The format is told by the file's first
// bytes, never by its name: TIFF, PNG, and the PGM/PPM family (P2, P3, P5, P6).
//
// What each format gives:
//   TIFF  8-bit gray -> Gray8; 16-bit gray -> Gray16, or Gray12 when the file's
//         SMaxSampleValue tag is at most 4095 (the one rule for 12-bit data) and
//         no sample exceeds 4095 (else the values are kept, as Gray16);
//         32-bit float gray -> Float; 8-bit RGB (and 16-bit RGB, scaled to
//         8 bits), contiguous or in separate planes, -> Rgb (extra samples such
//         as alpha are dropped); min-is-white files are inverted; strips or
//         tiles; uncompressed, deflate, LZW and the other codecs of libtiff.
//         XResolution/YResolution in inch or centimetre give a spatial
//         calibration of 1/resolution units per pixel, unit "inch" or "cm";
//         with no unit (or "none") an ImageJ-style ImageDescription may name
//         it ("unit=micron", "um", "\u00B5m" -> "um"). Multi-page files show
//         their first page; Image::pageCount keeps the number of pages.
//         Uncompressed strips stored as the image keeps them in memory (in
//         order, native byte order, aligned) are mapped, not read.
//   PNG   8-bit gray -> Gray8; 16-bit gray -> Gray16, or Gray12 when an sBIT
//         chunk says 12 or fewer significant bits (the stored values are then
//         shifted back down, as PNG stores them scaled up); RGB, RGBA and
//         palette -> Rgb with alpha dropped; 16-bit RGB scaled to 8 bits; gray
//         with alpha -> gray. A pHYs chunk in metres gives a spatial
//         calibration in micrometres ("um"), the usual unit of microscopy.
//   PNM   maxval up to 255 -> Gray8 / Rgb, 256..4095 -> Gray12, up to 65535 ->
//         Gray16, with the stored values unchanged; PPM above 255 is scaled to
//         8-bit RGB (v x 255 / maxval, rounded).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/image.h"
#include "image/image_result.h"

namespace host {

// Bounds a decoder checks before it allocates anything, so a hostile header
// cannot make it allocate without limit.
struct DecodeLimits {
    int maxWidth = 65535;
    int maxHeight = 65535;
    // The allocated pixels, and each of a decoder's work buffers (a TIFF strip
    // or tile, an interlaced PNG). Pixels mapped from a file allocate nothing
    // and are bounded by the sides alone.
    uint64_t maxPixelBytes = uint64_t{1} << 30;
    // Pixels that lie in the file as the image keeps them are mapped from this
    // size up, and read into memory below it. Reading copies them once, but
    // each mapped page costs a fault on its first touch (on a virtual machine
    // also a shadow page-table fill), and the display range touches them all
    // at once: a 128 MB file reads and scans in half the time it maps and
    // scans. Larger ones are mapped, so an image bigger than memory opens at
    // once and pages in only what is read. Pixels above maxPixelBytes are
    // mapped whatever this says.
    uint64_t minMappedBytes = uint64_t{1} << 30;
};

// Reads an image file. Errors name the file and the reason (unreadable,
// truncated, unsupported sample format or bit depth, too large, unknown format).
ImageResult loadImage(const std::string &path, const DecodeLimits &limits = {});

// Decodes an image held in memory; `name` stands for the file in error texts.
ImageResult decodeImage(std::span<const uint8_t> bytes, const std::string &name,
                        const DecodeLimits &limits = {});

// Writes an image; the format follows the name's extension (.tif/.tiff, .png,
// .pgm/.ppm/.pnm). TIFF takes every class (Gray12 as 16-bit with
// SMaxSampleValue 4095); PNG every class but Float (Gray12 as 16-bit with sBIT
// 12); PNM every class but Float (Gray12 with maxval 4095). A spatial
// calibration in a length unit is written as the format's resolution.
Status saveImage(const Image &image, const std::string &path);

}  // namespace host
