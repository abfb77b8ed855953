// Getting a TIFF's pixels into an image: by mapping the file when a large
// image's pixels lie there exactly as the image keeps them, else by decoding
// each strip or tile straight into the image (two readers at once for large
// files).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/file_mapping.h"
#include "image/image_file.h"
#include "image/tiff_io.h"
#include "image/tiff_layout.h"

namespace host {

// An open TIFF, and the file under it when it came from one (a second reader
// and a mapping need the file; bytes in memory get neither).
struct TiffSource {
    TIFF *tif = nullptr;
    TiffMessages *messages = nullptr;
    std::shared_ptr<const OpenFile> file;
    uint64_t maxAlloc = 0;
};

// The file offset of the first pixel when the whole image lies in the file as
// one run of rows in the class's own layout and byte order; none otherwise.
std::optional<uint64_t> mappableOffset(TIFF *tif, const TiffLayout &layout);

// An image of the layout's class whose pixels show the file's bytes from
// `offset`; none when the system refuses the mapping.
std::optional<Image> mapTiffPixels(const std::shared_ptr<const OpenFile> &file, uint64_t offset,
                                   const TiffLayout &layout);

// Decodes every strip or tile into `image` (allocated for the layout's class).
// "" or the reason of a failure, naming the strip or tile.
std::string readTiffPixels(TiffSource &source, const TiffLayout &layout, const DecodeLimits &limits,
                           Image &image);

}  // namespace host
