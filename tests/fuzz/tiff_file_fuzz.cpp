// Fuzz target of the TIFF reader that works on an open file (strips read in
// runs, pixels mapped where they lie in the file as in memory), against the
// reader of the same bytes in memory: what opens from one opens from the
// other with the same pixels, and what fails fails with the same reason.
#include <cstdio>
#include <cstring>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

#include "image/codecs.h"
#include "image_fuzz_check.h"

namespace {

// The input as a file, in memory (no disk, nothing left behind), reached
// through its /proc path as a user's file would be by name.
std::string writeInput(const uint8_t *data, size_t size) {
    static const int fd = memfd_create("tiff-file-fuzz", 0);
    imgfuzz::require(fd >= 0, "memfd_create works");
    imgfuzz::require(ftruncate(fd, 0) == 0, "the file is emptied");
    for (size_t done = 0; done < size;) {
        const ssize_t n = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
        imgfuzz::require(n > 0, "the input is written");
        done += static_cast<size_t>(n);
    }
    return "/proc/self/fd/" + std::to_string(fd);
}

// Byte for byte: a NaN sample is unequal to itself as a number.
template <class Pixels>
bool sameBytes(const Pixels &a, const Pixels &b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(*a.data())) == 0);
}

bool samePixels(const host::Image &a, const host::Image &b) {
    return a.cls == b.cls && a.width == b.width && a.height == b.height && a.pageCount == b.pageCount &&
           sameBytes(a.gray8, b.gray8) && sameBytes(a.gray16, b.gray16) && sameBytes(a.gray32f, b.gray32f) &&
           sameBytes(a.rgb, b.rgb);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string error;
    const std::shared_ptr<const host::OpenFile> file = host::OpenFile::open(writeInput(data, size), error);
    imgfuzz::require(file != nullptr, "the input file opens");
    // Every file whose pixels lie as the image keeps them is mapped, however small.
    host::DecodeLimits mapAny = imgfuzz::kLimits;
    mapAny.minMappedBytes = 0;
    const host::ImageResult fromFile = host::readTiffFile(file, mapAny);
    imgfuzz::checkResult(fromFile);
    const host::ImageResult fromMemory =
        host::decodeTiff(std::span<const uint8_t>(data, size), imgfuzz::kLimits);
    imgfuzz::require(fromFile.ok() == fromMemory.ok(), "the file and its bytes open alike");
    if (fromFile.ok()) imgfuzz::require(samePixels(*fromFile.image, *fromMemory.image), "the same pixels");
    if (!fromFile.ok() && fromFile.error != fromMemory.error)
        std::fprintf(stderr, "from the file: %s\nfrom memory: %s\n", fromFile.error.c_str(),
                     fromMemory.error.c_str());
    imgfuzz::require(fromFile.error == fromMemory.error, "the same reason");
    return 0;
}
