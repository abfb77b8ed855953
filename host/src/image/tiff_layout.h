// What a TIFF directory says about its pixels and where they are, shared by
// the reader's entry points and its pixel loops.
#pragma once

#include <cstdint>
#include <string>

#include <tiffio.h>

#include "core/image.h"

namespace host {

struct TiffLayout {
    uint32_t width = 0, height = 0;
    uint16_t samplesPerPixel = 1, bitsPerSample = 1, sampleFormat = SAMPLEFORMAT_UINT;
    uint16_t photometric = PHOTOMETRIC_MINISBLACK, planar = PLANARCONFIG_CONTIG;
    uint16_t compression = COMPRESSION_NONE, fillOrder = FILLORDER_MSB2LSB;
    bool tiled = false;
    uint32_t chunkWidth = 0, chunkHeight = 0;  // a tile, or a strip of the full width
    ImageClass cls = ImageClass::Gray8;
    int channels = 1;  // channels kept: 1 gray, 3 RGB

    // A chunk's samples are laid out as the image class keeps them (one
    // channel of the class's sample type, or R, G, B of 8 bits), so its rows
    // can be copied, or a strip decoded where its rows belong.
    bool samplesMatchClass() const;
    uint64_t imageRowBytes() const;
};

// Reads the current directory's layout; "" or the reason it is unsupported.
std::string readTiffLayout(TIFF *tif, TiffLayout &layout);

}  // namespace host
