// Strips and tiles of a TIFF into an image's pixels. Chunks (strips or tiles)
// are numbered plane by plane, row of chunks by row, left to right; with two
// readers, each takes every other chunk, and an error is that of the lowest
// failing chunk, as one reader going in order would report it.
#include "image/tiff_pixels.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <new>
#include <thread>
#include <vector>

#include "core/helper_thread.h"
#include "core/progress.h"
#include "image/pixel_storage.h"

namespace host {

namespace {

// Below this many decoded bytes a second reader costs more than it saves.
constexpr uint64_t kParallelBytes = uint64_t{4} << 20;

// Strips are read in runs of about this many bytes of pixels: one system
// call a run rather than one a strip (libtiff's default strip is 8 KiB). A
// run of compressed strips larger than kMaxRunRawBytes in the file is read
// strip by strip instead.
constexpr uint64_t kStripRunBytes = uint64_t{1} << 20;
constexpr uint64_t kMaxRunRawBytes = uint64_t{16} << 20;

std::string describe(const char *what, unsigned value) {
    char text[96];
    std::snprintf(text, sizeof text, "%s %u", what, value);
    return text;
}

template <class T>
T loadSample(const uint8_t *p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// Stores `count` samples of one channel, `step` bytes apart in the decoded
// chunk, from pixel (x, y) rightward; for layouts that differ from the class's
// (extra samples, 16-bit RGB, separate planes). Writes go through the raw
// pointer: two readers fill disjoint pixels of one image.
void storeSamples(uint8_t *pixels, const TiffLayout &l, const uint8_t *src, size_t step, size_t first,
                  uint32_t count, int channel) {
    for (uint32_t k = 0; k < count; ++k, src += step) {
        const size_t i = first + k;
        switch (l.cls) {
            case ImageClass::Gray8:
                pixels[i] = *src;
                break;
            case ImageClass::Gray12:
            case ImageClass::Gray16:
                reinterpret_cast<uint16_t *>(pixels)[i] = loadSample<uint16_t>(src);
                break;
            case ImageClass::Float:
                reinterpret_cast<float *>(pixels)[i] = loadSample<float>(src);
                break;
            case ImageClass::Rgb:
                pixels[3 * i + channel] = l.bitsPerSample == 8 ? *src : scale16To8(loadSample<uint16_t>(src));
                break;
        }
    }
}

// Strips that hold the image's rows as the image keeps them: nothing to
// decode, swap or reverse on the way.
bool plainStrips(TIFF *tif, const TiffLayout &l) {
    return !l.tiled && l.compression == COMPRESSION_NONE && l.samplesMatchClass() &&
           l.fillOrder == FILLORDER_MSB2LSB && !(TIFFIsByteSwapped(tif) && l.bitsPerSample > 8);
}

struct Chunk {
    uint32_t index = 0;
    uint16_t plane = 0;
    uint32_t x0 = 0, y0 = 0;
};

// The numbering of chunks, computed on demand: a hostile header may claim
// billions of them, and the first missing one ends the reading. Strips that
// hold the image's rows may be taken `strips` at a time (a run of rows read
// at once); a chunk's index is then its first strip.
struct ChunkGrid {
    const TiffLayout &l;
    uint64_t rowsPerChunk, across, down, planes;

    explicit ChunkGrid(const TiffLayout &layout, uint32_t strips = 1)
        : l(layout),
          rowsPerChunk(uint64_t(layout.chunkHeight) * strips),
          across((uint64_t(layout.width) + layout.chunkWidth - 1) / layout.chunkWidth),
          down((uint64_t(layout.height) + rowsPerChunk - 1) / rowsPerChunk),
          planes(layout.planar == PLANARCONFIG_SEPARATE ? uint64_t(layout.channels) : 1) {}

    uint64_t count() const { return across * down * planes; }
    Chunk at(TIFF *tif, uint64_t k) const {
        Chunk c;
        c.plane = static_cast<uint16_t>(k / (across * down));
        const uint64_t inPlane = k % (across * down);
        c.y0 = static_cast<uint32_t>(inPlane / across * rowsPerChunk);
        c.x0 = static_cast<uint32_t>(inPlane % across * l.chunkWidth);
        c.index =
            l.tiled ? TIFFComputeTile(tif, c.x0, c.y0, 0, c.plane) : TIFFComputeStrip(tif, c.y0, c.plane);
        return c;
    }
};

// One reader: a libtiff handle and a buffer of one chunk. Strips that hold
// the image's rows, in a file (`runFd`: its descriptor, else -1), are taken
// a run at a time: a chunk is then the run, read with one call when its
// strips lie in the file one after another.
class ChunkReader {
public:
    ChunkReader(TIFF *tif, TiffMessages &messages, const TiffLayout &l, uint8_t *pixels, uint64_t chunkBytes,
                const ChunkGrid &grid, int runFd)
        : tif_(tif),
          messages_(messages),
          l_(l),
          pixels_(pixels),
          chunkBytes_(chunkBytes),
          grid_(grid),
          runFd_(runFd),
          plain_(plainStrips(tif, l)) {}

    std::string read(const Chunk &c) {
        if (runFd_ >= 0 && readStripRun(c)) return {};
        if (!l_.tiled && l_.samplesMatchClass()) return readStripsOneByOne(c);
        if (buffer_.empty()) buffer_.resize(static_cast<size_t>(chunkBytes_));
        const tmsize_t got =
            l_.tiled ? TIFFReadEncodedTile(tif_, c.index, buffer_.data(), (tmsize_t)buffer_.size())
                     : TIFFReadEncodedStrip(tif_, c.index, buffer_.data(), (tmsize_t)buffer_.size());
        if (got < 0) return name(c) + " cannot be decoded: " + messages_.lastError;
        // A tile is always whole; a strip covers its rows of the image.
        const uint64_t needed = l_.tiled ? buffer_.size() : rowBytes() * rows(c);
        if (static_cast<uint64_t>(got) < needed) return "truncated data in " + name(c);
        store(c);
        return {};
    }

private:
    bool separate() const { return l_.planar == PLANARCONFIG_SEPARATE; }
    size_t sampleBytes() const { return l_.bitsPerSample / 8u; }
    size_t pixelStep() const { return sampleBytes() * (separate() ? 1u : l_.samplesPerPixel); }
    size_t rowBytes() const { return pixelStep() * l_.chunkWidth; }
    uint32_t rows(const Chunk &c) const { return std::min(l_.chunkHeight, l_.height - c.y0); }
    uint32_t cols(const Chunk &c) const { return std::min(l_.chunkWidth, l_.width - c.x0); }
    std::string name(const Chunk &c) const { return describe(l_.tiled ? "tile" : "strip", c.index); }

    // The rows of chunk c from its strips, which lie in the file one after
    // another: read with one call, straight into the image when they are
    // plain, else into a buffer that each strip is decoded from. False when
    // they do not lie so, the file ends early or a strip does not decode:
    // strip by strip then tells which strip and why.
    bool readStripRun(const Chunk &c) {
        const uint64_t row = rowBytes(), y1 = std::min<uint64_t>(c.y0 + grid_.rowsPerChunk, l_.height);
        const uint64_t start = TIFFGetStrileOffset(tif_, c.index);
        uint64_t raw = 0;
        for (uint64_t s = c.index, y = c.y0; y < y1; ++s, y += l_.chunkHeight) {
            const uint64_t needed = std::min<uint64_t>(l_.chunkHeight, y1 - y) * row;
            const uint64_t count = TIFFGetStrileByteCount(tif_, static_cast<uint32_t>(s));
            if (TIFFGetStrileOffset(tif_, static_cast<uint32_t>(s)) != start + raw ||
                count < (plain_ ? needed : 1))
                return false;
            // Byte counts come from the file: each is bounded before it is
            // added, so that the sum cannot wrap around.
            if (!plain_ && (count > kMaxRunRawBytes || raw + count > kMaxRunRawBytes)) return false;
            raw += plain_ ? needed : count;
        }
        uint8_t *target = pixels_ + uint64_t(c.y0) * row;
        if (plain_) return readAt(target, raw, start);
        runBuffer_.resize(static_cast<size_t>(raw));
        if (!readAt(runBuffer_.data(), raw, start)) return false;
        uint64_t at = 0;
        for (uint64_t s = c.index, y = c.y0; y < y1; ++s, y += l_.chunkHeight) {
            const uint64_t needed = std::min<uint64_t>(l_.chunkHeight, y1 - y) * row;
            const uint64_t count = TIFFGetStrileByteCount(tif_, static_cast<uint32_t>(s));
            if (!TIFFReadFromUserBuffer(tif_, static_cast<uint32_t>(s), runBuffer_.data() + at,
                                        static_cast<tmsize_t>(count), target + (y - c.y0) * row,
                                        static_cast<tmsize_t>(needed)))
                return false;
            at += count;
        }
        return true;
    }

    bool readAt(uint8_t *out, uint64_t bytes, uint64_t offset) const {
        for (uint64_t done = 0; done < bytes;) {
            const ssize_t got = ::pread(runFd_, out + done, bytes - done, static_cast<off_t>(offset + done));
            if (got <= 0) return false;
            done += static_cast<uint64_t>(got);
        }
        return true;
    }

    std::string readStripsOneByOne(const Chunk &c) {
        const uint64_t y1 = std::min<uint64_t>(c.y0 + grid_.rowsPerChunk, l_.height);
        Chunk strip = c;
        for (; strip.y0 < y1; strip.y0 += l_.chunkHeight, ++strip.index)
            if (std::string error = readStripInPlace(strip); !error.empty()) return error;
        return {};
    }

    // A strip whose rows are the image's own rows is decoded where they belong.
    std::string readStripInPlace(const Chunk &c) {
        const uint64_t needed = rowBytes() * rows(c);
        if (l_.compression == COMPRESSION_NONE && TIFFGetStrileByteCount(tif_, c.index) < needed)
            return "truncated data in " + name(c);
        uint8_t *target = pixels_ + uint64_t(c.y0) * rowBytes();
        const tmsize_t got = TIFFReadEncodedStrip(tif_, c.index, target, static_cast<tmsize_t>(needed));
        if (got < 0) return name(c) + " cannot be decoded: " + messages_.lastError;
        if (static_cast<uint64_t>(got) < needed) return "truncated data in " + name(c);
        return {};
    }

    void store(const Chunk &c) {
        if (l_.samplesMatchClass()) {
            const size_t bytes = cols(c) * pixelStep(), imageRow = l_.imageRowBytes();
            uint8_t *target = pixels_ + uint64_t(c.y0) * imageRow + uint64_t(c.x0) * pixelStep();
            for (uint32_t r = 0; r < rows(c); ++r)
                std::memcpy(target + r * imageRow, buffer_.data() + r * rowBytes(), bytes);
            return;
        }
        const int firstChannel = separate() ? c.plane : 0,
                  lastChannel = separate() ? c.plane + 1 : l_.channels;
        for (uint32_t r = 0; r < rows(c); ++r)
            for (int ch = firstChannel; ch < lastChannel; ++ch) {
                const uint8_t *src = buffer_.data() + r * rowBytes() + (separate() ? 0 : ch * sampleBytes());
                storeSamples(pixels_, l_, src, pixelStep(), (uint64_t(c.y0) + r) * l_.width + c.x0, cols(c),
                             ch);
            }
    }

    TIFF *tif_;
    TiffMessages &messages_;
    const TiffLayout &l_;
    uint8_t *pixels_;
    uint64_t chunkBytes_;
    const ChunkGrid &grid_;
    int runFd_;
    bool plain_;
    std::vector<uint8_t> buffer_, runBuffer_;
};

// What the readers share: the chunk no reader goes to (lowered by a
// failure), and how many chunks are done.
struct SharedProgress {
    std::atomic<uint64_t> stopAt;
    std::atomic<uint64_t> done{0};
    explicit SharedProgress(uint64_t count) : stopAt(count) {}
};

// Lowers the shared stop to chunk k, so that no reader goes past a failure.
void stopBefore(SharedProgress &shared, uint64_t k) {
    uint64_t current = shared.stopAt.load();
    while (k < current && !shared.stopAt.compare_exchange_weak(current, k)) {
    }
}

// Reads chunks first, first + step, ... below the shared stop; returns the
// first failure of this reader and its chunk number. The first reader also
// reports progress and looks for a stop request.
std::pair<uint64_t, std::string> readShare(ChunkReader &reader, TIFF *tif, const ChunkGrid &grid,
                                           uint64_t first, uint64_t step, SharedProgress &shared,
                                           ProgressTask *task) {
    for (uint64_t k = first; k < shared.stopAt.load(); k += step) {
        std::string error = reader.read(grid.at(tif, k));
        if (error.empty() && task && !task->advance(shared.done.load() + 1)) error = "interrupted";
        if (!error.empty()) {
            stopBefore(shared, k);
            return {k, error};
        }
        shared.done.fetch_add(1);
    }
    return {grid.count(), {}};
}

std::string checkChunkSize(uint64_t chunkBytes, const TiffLayout &l, const DecodeLimits &limits,
                           const TiffMessages &messages) {
    if (chunkBytes == 0) return "bad tile or strip size: " + messages.lastError;
    if (chunkBytes > limits.maxPixelBytes) {
        char text[128];
        std::snprintf(text, sizeof text, "too large: %s of %llu bytes", l.tiled ? "tiles" : "strips",
                      (unsigned long long)chunkBytes);
        return text;
    }
    return {};
}

// A large file's chunks are worth a second reader on the other core: it
// halves the decoding of compressed ones, and for plain ones the system's
// copying and the faults of fresh pages.
bool worthTwoReaders(const TiffSource &source, const TiffLayout &l, const ChunkGrid &grid) {
    return source.file && grid.count() >= 2 &&
           uint64_t(l.width) * l.height * l.samplesPerPixel * (l.bitsPerSample / 8u) >= kParallelBytes &&
           std::thread::hardware_concurrency() >= 2;
}

// The second reader: its own handle on the same file, the odd chunks. An
// exception cannot leave a thread, so running out of memory is its failure.
std::pair<uint64_t, std::string> readOddChunks(const TiffSource &source, const TiffLayout &l, uint8_t *pixels,
                                               uint64_t chunkBytes, const ChunkGrid &grid, int runFd,
                                               SharedProgress &shared) {
    TiffFile file{source.file->descriptor(), source.file->size(), 0};
    TiffMessages messages;
    std::pair<uint64_t, std::string> failure;
    try {
        TiffPtr tif = openTiffFile(file, messages, source.maxAlloc);
        if (tif) {
            ChunkReader reader(tif.get(), messages, l, pixels, chunkBytes, grid, runFd);
            return readShare(reader, tif.get(), grid, 1, 2, shared, nullptr);
        }
        failure = {1, "cannot be read: " + messages.lastError};
    } catch (const std::bad_alloc &) {
        failure = {1, "out of memory"};
    }
    stopBefore(shared, failure.first);
    return failure;
}

// How many strips a chunk takes: a run of the strips of a file that hold the
// image's rows, else one.
uint32_t stripsPerChunk(const TiffSource &source, const TiffLayout &l) {
    if (!source.file || l.tiled || !l.samplesMatchClass()) return 1;
    const uint64_t stripBytes = l.imageRowBytes() * l.chunkHeight;
    return static_cast<uint32_t>(std::clamp<uint64_t>(kStripRunBytes / std::max<uint64_t>(stripBytes, 1), 1,
                                                      std::max<uint32_t>(l.height / l.chunkHeight, 1)));
}

}  // namespace

std::optional<uint64_t> mappableOffset(TIFF *tif, const TiffLayout &l) {
    // Min-is-white pixels are inverted and 12-bit ones checked, so both are read.
    if (!plainStrips(tif, l) || l.photometric == PHOTOMETRIC_MINISWHITE || l.cls == ImageClass::Gray12)
        return std::nullopt;
    const uint64_t row = l.imageRowBytes();
    const uint32_t strips = TIFFNumberOfStrips(tif);
    if (strips != ChunkGrid(l).count()) return std::nullopt;
    const uint64_t first = TIFFGetStrileOffset(tif, 0);
    for (uint32_t s = 0; s < strips; ++s) {
        const uint64_t y0 = uint64_t(s) * l.chunkHeight,
                       rows = std::min<uint64_t>(l.chunkHeight, l.height - y0);
        if (TIFFGetStrileOffset(tif, s) != first + y0 * row || TIFFGetStrileByteCount(tif, s) < rows * row)
            return std::nullopt;
    }
    // The mapping starts on a page, so the first sample is aligned when its offset is.
    if (first % (l.bitsPerSample / 8u) != 0) return std::nullopt;
    return first;
}

std::optional<Image> mapTiffPixels(const std::shared_ptr<const OpenFile> &file, uint64_t offset,
                                   const TiffLayout &l) {
    std::optional<FileMapping> mapping = FileMapping::map(file, offset, l.imageRowBytes() * l.height);
    if (!mapping) return std::nullopt;
    Image image;
    image.cls = l.cls;
    image.width = static_cast<int>(l.width);
    image.height = static_cast<int>(l.height);
    switch (l.cls) {
        case ImageClass::Gray8:
            image.gray8 = PixelArray<uint8_t>::mapped(std::move(*mapping));
            break;
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            image.gray16 = PixelArray<uint16_t>::mapped(std::move(*mapping));
            break;
        case ImageClass::Float:
            image.gray32f = PixelArray<float>::mapped(std::move(*mapping));
            break;
        case ImageClass::Rgb:
            image.rgb = PixelArray<uint8_t>::mapped(std::move(*mapping));
            break;
    }
    return image;
}

std::string readTiffPixels(TiffSource &source, const TiffLayout &l, const DecodeLimits &limits,
                           Image &image) {
    const uint64_t chunkBytes = l.tiled ? TIFFTileSize64(source.tif) : TIFFStripSize64(source.tif);
    if (std::string error = checkChunkSize(chunkBytes, l, limits, *source.messages); !error.empty())
        return error;
    const uint32_t strips = stripsPerChunk(source, l);
    const ChunkGrid grid(l, strips);
    const int runFd = strips > 1 ? source.file->descriptor() : -1;
    uint8_t *const pixels = pixelBytes(image);
    SharedProgress shared(grid.count());
    ProgressTask task("reading TIFF " + std::to_string(l.width) + "x" + std::to_string(l.height),
                      grid.count());

    std::pair<uint64_t, std::string> secondResult{grid.count(), {}};
    std::thread second;
    const ThreadJoiner joiner{second};  // joined on every way out, exceptions included
    bool two = worthTwoReaders(source, l, grid);
    if (two) {
        second = startThread(
            [&] { secondResult = readOddChunks(source, l, pixels, chunkBytes, grid, runFd, shared); });
        two = second.joinable();  // with no thread to be had, one reader does it all
    }
    ChunkReader reader(source.tif, *source.messages, l, pixels, chunkBytes, grid, runFd);
    const std::pair<uint64_t, std::string> firstResult =
        readShare(reader, source.tif, grid, 0, two ? 2 : 1, shared, &task);
    if (second.joinable()) second.join();
    if (two && firstResult.second.empty() && secondResult.second.empty() && !task.advance(grid.count()))
        return "interrupted";
    return secondResult.first < firstResult.first ? secondResult.second : firstResult.second;
}

}  // namespace host
