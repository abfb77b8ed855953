// Opening TIFF files with libtiff so that its messages never reach stderr:
// errors are kept for the caller's result text, warnings are dropped.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include <tiffio.h>

namespace host {

struct TiffCloser {
    void operator()(TIFF *tif) const { TIFFClose(tif); }
};
using TiffPtr = std::unique_ptr<TIFF, TiffCloser>;

// The bytes a TIFF is read from, and the read position.
struct TiffMemory {
    std::span<const uint8_t> bytes;
    uint64_t position = 0;
};

// An open file a TIFF is read from with pread, and the read position. Each
// reader has its own position, so two handles may read one file at once.
struct TiffFile {
    int fd = -1;
    uint64_t size = 0;
    uint64_t position = 0;
};

// The bytes a TIFF is written to (grown as libtiff writes), and the position.
struct TiffSink {
    std::string bytes;
    uint64_t position = 0;
};

// libtiff's most recent error message for one open file.
struct TiffMessages {
    std::string lastError;
};

// Opens a TIFF held in memory for reading; libtiff refuses any single
// allocation above maxAlloc bytes. Null on failure, with messages.lastError set.
// Both arguments must outlive the handle.
TiffPtr openTiffMemory(TiffMemory &memory, TiffMessages &messages, uint64_t maxAlloc);

// Opens a TIFF file for reading, as openTiffMemory does. libtiff does not map
// the file: uncompressed strips are read straight into the caller's buffer.
TiffPtr openTiffFile(TiffFile &file, TiffMessages &messages, uint64_t maxAlloc);

// Creates a TIFF in memory for writing; the file is complete in sink.bytes
// once the handle is closed. Both arguments must outlive the handle.
TiffPtr createTiffMemory(TiffSink &sink, TiffMessages &messages);

}  // namespace host
