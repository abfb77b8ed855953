// Writing TIFF: uncompressed strips, contiguous samples, one directory.
#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/progress.h"
#include "image/codecs.h"
#include "image/pixel_storage.h"
#include "image/tiff_io.h"

namespace host {

namespace {

// TIFF can state pixels per inch or per centimetre; other length units are
// written in centimetres, and texts that are no length unit are left out.
void writeResolution(TIFF *tif, const SpatialCalibration &cal) {
    uint16_t unit = RESUNIT_INCH;
    double toUnit = 1.0;  // calibration units -> unit written
    if (cal.unit != "inch") {
        std::optional<double> metres = metresPerUnit(cal.unit);
        if (!metres) return;
        unit = RESUNIT_CENTIMETER;
        toUnit = *metres / 0.01;
    }
    const double x = 1.0 / std::fabs(cal.xScale * toUnit), y = 1.0 / std::fabs(cal.yScale * toUnit);
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    TIFFSetField(tif, TIFFTAG_XRESOLUTION, x);  // varargs promote to double; libtiff stores a float
    TIFFSetField(tif, TIFFTAG_YRESOLUTION, y);
    TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, unit);
}

void writeTags(TIFF *tif, const Image &image) {
    const bool rgb = image.cls == ImageClass::Rgb, real = image.cls == ImageClass::Float;
    const uint16_t bits = static_cast<uint16_t>(rgb ? 8 : bytesPerPixel(image.cls) * 8);
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(image.width));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(image.height));
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, static_cast<uint16_t>(rgb ? 3 : 1));
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, bits);
    TIFFSetField(tif, TIFFTAG_SAMPLEFORMAT, real ? SAMPLEFORMAT_IEEEFP : SAMPLEFORMAT_UINT);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, rgb ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tif, 0));
    // 12-bit data travels as 16-bit samples whose stated maximum tells them apart.
    if (image.cls == ImageClass::Gray12) {
        TIFFSetField(tif, TIFFTAG_SMINSAMPLEVALUE, 0.0);
        TIFFSetField(tif, TIFFTAG_SMAXSAMPLEVALUE, 4095.0);
    }
    if (image.spatial) writeResolution(tif, *image.spatial);
}

const void *rowOf(const Image &image, int y) {
    const size_t first = static_cast<size_t>(y) * static_cast<size_t>(image.width);
    switch (image.cls) {
        case ImageClass::Gray8:
            return image.gray8.data() + first;
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            return image.gray16.data() + first;
        case ImageClass::Float:
            return image.gray32f.data() + first;
        case ImageClass::Rgb:
            return image.rgb.data() + 3 * first;
    }
    return nullptr;
}

}  // namespace

Status encodeTiff(const Image &image, std::string &bytes) {
    TiffMessages messages;
    TiffSink sink;
    TiffPtr tif = createTiffMemory(sink, messages);
    if (!tif) return Status::failure(messages.lastError);
    writeTags(tif.get(), image);
    // libtiff's scanline writer takes a non-const buffer; it does not change it
    // for uncompressed data in native byte order, but a copy keeps that promise ours.
    std::vector<uint8_t> row(static_cast<size_t>(TIFFScanlineSize64(tif.get())));
    ProgressTask task("writing TIFF " + std::to_string(image.width) + "x" + std::to_string(image.height),
                      static_cast<uint64_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(row.data(), rowOf(image, y), row.size());
        if (TIFFWriteScanline(tif.get(), row.data(), static_cast<uint32_t>(y), 0) < 0)
            return Status::failure(messages.lastError);
        // The bytes are made in memory before any file is touched, so stopping leaves none.
        if (!task.advance(static_cast<uint64_t>(y) + 1)) return Status::failure("interrupted");
    }
    if (!TIFFWriteDirectory(tif.get())) return Status::failure(messages.lastError);
    tif.reset();  // closing flushes what libtiff still holds
    bytes = std::move(sink.bytes);
    return Status::success();
}

}  // namespace host
