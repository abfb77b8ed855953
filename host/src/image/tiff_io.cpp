// libtiff opened with per-file message handlers, from files and from memory.
#include "image/tiff_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include <unistd.h>

namespace host {

namespace {

// libtiff's message without what depends on the handle rather than the file.
std::string fileMessage(TIFF *tif, std::string_view message) {
    // Many messages start with the handle's name ("memory", "file"), which
    // says nothing to a user: the host names the image's file itself.
    const std::string_view name = tif && TIFFFileName(tif) ? TIFFFileName(tif) : "";
    if (!name.empty() && message.starts_with(name) && message.substr(name.size()).starts_with(": "))
        message.remove_prefix(name.size() + 2);
    // "at scanline N" counts the handle's last row, not the failing strip's
    // (4294967295 on a fresh handle); the host names the strip itself.
    std::string text(message);
    constexpr std::string_view kScanline = " at scanline ";
    if (const size_t at = text.find(kScanline); at != std::string::npos) {
        const size_t digits = text.find_first_not_of("0123456789", at + kScanline.size());
        text.erase(at, (digits == std::string::npos ? text.size() : digits) - at);
    }
    return text;
}

int keepError(TIFF *tif, void *user, const char *, const char *format, va_list args) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    static_cast<TiffMessages *>(user)->lastError = fileMessage(tif, text);
    return 1;  // handled: libtiff's default handler (stderr) is not called
}

int dropWarning(TIFF *, void *, const char *, const char *, va_list) {
    return 1;
}

struct OptionsFree {
    void operator()(TIFFOpenOptions *options) const { TIFFOpenOptionsFree(options); }
};
using OptionsPtr = std::unique_ptr<TIFFOpenOptions, OptionsFree>;

OptionsPtr makeOptions(TiffMessages &messages) {
    OptionsPtr options(TIFFOpenOptionsAlloc());
    if (!options) return options;
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), keepError, &messages);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), dropWarning, nullptr);
    return options;
}

TiffMemory &memoryOf(thandle_t handle) {
    return *static_cast<TiffMemory *>(handle);
}

tmsize_t readMemory(thandle_t handle, void *buffer, tmsize_t size) {
    TiffMemory &memory = memoryOf(handle);
    if (size <= 0 || memory.position >= memory.bytes.size()) return 0;
    const uint64_t available = memory.bytes.size() - memory.position;
    const size_t count = static_cast<size_t>(std::min<uint64_t>(available, static_cast<uint64_t>(size)));
    std::memcpy(buffer, memory.bytes.data() + memory.position, count);
    memory.position += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t writeNothing(thandle_t, void *, tmsize_t) {
    return -1;
}

toff_t seekMemory(thandle_t handle, toff_t offset, int whence) {
    TiffMemory &memory = memoryOf(handle);
    // toff_t is unsigned; SEEK_CUR and SEEK_END offsets arrive as two's complement.
    uint64_t base = whence == SEEK_CUR ? memory.position : whence == SEEK_END ? memory.bytes.size() : 0;
    memory.position = base + offset;  // wraps like the signed sum; reads past the end give nothing
    return memory.position;
}

TiffSink &sinkOf(thandle_t handle) {
    return *static_cast<TiffSink *>(handle);
}

tmsize_t readSink(thandle_t handle, void *buffer, tmsize_t size) {
    TiffSink &sink = sinkOf(handle);
    if (size <= 0 || sink.position >= sink.bytes.size()) return 0;
    const size_t count = static_cast<size_t>(
        std::min<uint64_t>(sink.bytes.size() - sink.position, static_cast<uint64_t>(size)));
    std::memcpy(buffer, sink.bytes.data() + sink.position, count);
    sink.position += count;
    return static_cast<tmsize_t>(count);
}

// Writes at the position, filling a gap left by a seek past the end with zeros.
tmsize_t writeSink(thandle_t handle, void *buffer, tmsize_t size) {
    TiffSink &sink = sinkOf(handle);
    if (size < 0) return -1;
    const uint64_t end = sink.position + static_cast<uint64_t>(size);
    if (end < sink.position || end > sink.bytes.max_size()) return -1;
    if (end > sink.bytes.size()) sink.bytes.resize(static_cast<size_t>(end));
    std::memcpy(sink.bytes.data() + sink.position, buffer, static_cast<size_t>(size));
    sink.position = end;
    return size;
}

toff_t seekSink(thandle_t handle, toff_t offset, int whence) {
    TiffSink &sink = sinkOf(handle);
    uint64_t base = whence == SEEK_CUR ? sink.position : whence == SEEK_END ? sink.bytes.size() : 0;
    sink.position = base + offset;
    return sink.position;
}

toff_t sizeOfSink(thandle_t handle) {
    return sinkOf(handle).bytes.size();
}

TiffFile &fileOf(thandle_t handle) {
    return *static_cast<TiffFile *>(handle);
}

tmsize_t readFile(thandle_t handle, void *buffer, tmsize_t size) {
    TiffFile &file = fileOf(handle);
    if (size <= 0 || file.position >= file.size) return 0;
    auto *out = static_cast<uint8_t *>(buffer);
    size_t wanted =
        static_cast<size_t>(std::min<uint64_t>(file.size - file.position, static_cast<uint64_t>(size)));
    size_t done = 0;
    while (done < wanted) {
        const ssize_t got =
            ::pread(file.fd, out + done, wanted - done, static_cast<off_t>(file.position + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    file.position += done;
    return static_cast<tmsize_t>(done);
}

toff_t seekFile(thandle_t handle, toff_t offset, int whence) {
    TiffFile &file = fileOf(handle);
    uint64_t base = whence == SEEK_CUR ? file.position : whence == SEEK_END ? file.size : 0;
    file.position = base + offset;  // wraps like the signed sum; reads past the end give nothing
    return file.position;
}

toff_t sizeOfFile(thandle_t handle) {
    return fileOf(handle).size;
}

int closeNothing(thandle_t) {
    return 0;
}
toff_t sizeOfMemory(thandle_t handle) {
    return memoryOf(handle).bytes.size();
}
int mapNothing(thandle_t, void **, toff_t *) {
    return 0;
}
void unmapNothing(thandle_t, void *, toff_t) {}

}  // namespace

TiffPtr openTiffMemory(TiffMemory &memory, TiffMessages &messages, uint64_t maxAlloc) {
    OptionsPtr options = makeOptions(messages);
    if (!options) {
        messages.lastError = "out of memory";
        return nullptr;
    }
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), static_cast<tmsize_t>(maxAlloc));
    // "m": never map the file; the bytes are already in memory.
    return TiffPtr(TIFFClientOpenExt("memory", "rm", &memory, readMemory, writeNothing, seekMemory,
                                     closeNothing, sizeOfMemory, mapNothing, unmapNothing, options.get()));
}

TiffPtr openTiffFile(TiffFile &file, TiffMessages &messages, uint64_t maxAlloc) {
    OptionsPtr options = makeOptions(messages);
    if (!options) {
        messages.lastError = "out of memory";
        return nullptr;
    }
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), static_cast<tmsize_t>(maxAlloc));
    // "m": libtiff does not map the file.
    return TiffPtr(TIFFClientOpenExt("file", "rm", &file, readFile, writeNothing, seekFile, closeNothing,
                                     sizeOfFile, mapNothing, unmapNothing, options.get()));
}

TiffPtr createTiffMemory(TiffSink &sink, TiffMessages &messages) {
    OptionsPtr options = makeOptions(messages);
    if (!options) {
        messages.lastError = "out of memory";
        return nullptr;
    }
    return TiffPtr(TIFFClientOpenExt("memory", "wm", &sink, readSink, writeSink, seekSink, closeNothing,
                                     sizeOfSink, mapNothing, unmapNothing, options.get()));
}

}  // namespace host
