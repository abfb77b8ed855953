// Decoding the PGM/PPM family: P2 and P3 (decimal text), P5 and P6 (binary,
// one byte per sample up to maxval 255, else two bytes, most significant
// first). Comments run from '#' to the end of the line in the header and,
// for the text forms, between samples too.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "image/codecs.h"
#include "core/progress.h"
#include "image/pixel_storage.h"

namespace host {

namespace {

class PnmScanner {
public:
    explicit PnmScanner(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    // The next decimal number after whitespace and comments; none when there is
    // no digit there or the number exceeds `limit`.
    std::optional<uint32_t> number(uint32_t limit) {
        skipSpace();
        if (atEnd() || !isDigit(bytes_[pos_])) return std::nullopt;
        uint64_t value = 0;
        while (!atEnd() && isDigit(bytes_[pos_])) {
            value = value * 10 + (bytes_[pos_++] - '0');
            if (value > limit) return std::nullopt;
        }
        return static_cast<uint32_t>(value);
    }
    // The header ends with exactly one whitespace byte before binary samples.
    bool skipOneSpace() {
        if (atEnd() || !isSpace(bytes_[pos_])) return false;
        ++pos_;
        return true;
    }
    void skip(size_t count) { pos_ = std::min(bytes_.size(), pos_ + count); }
    bool atEnd() const { return pos_ >= bytes_.size(); }
    size_t remaining() const { return bytes_.size() - pos_; }
    // The next `count` bytes; the caller checked remaining().
    const uint8_t *take(size_t count) {
        const uint8_t *at = bytes_.data() + pos_;
        pos_ += count;
        return at;
    }

private:
    static bool isDigit(uint8_t c) { return c >= '0' && c <= '9'; }
    static bool isSpace(uint8_t c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    void skipSpace() {
        while (!atEnd()) {
            if (bytes_[pos_] == '#') {
                while (!atEnd() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r') ++pos_;
            } else if (isSpace(bytes_[pos_])) {
                ++pos_;
            } else {
                return;
            }
        }
    }

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

struct PnmHeader {
    bool colour = false, binary = false;
    uint32_t width = 0, height = 0, maxval = 0;
};

ImageClass classOf(const PnmHeader &h) {
    if (h.colour) return ImageClass::Rgb;
    return h.maxval <= 255 ? ImageClass::Gray8 : h.maxval <= 4095 ? ImageClass::Gray12 : ImageClass::Gray16;
}

std::string readHeader(std::span<const uint8_t> bytes, PnmScanner &scan, PnmHeader &h) {
    if (bytes.size() < 2 || bytes[0] != 'P') return "not a PGM or PPM file";
    const char type = static_cast<char>(bytes[1]);
    if (type == '1' || type == '4') return "unsupported PNM type P" + std::string(1, type) + " (bitmap)";
    if (type != '2' && type != '3' && type != '5' && type != '6') return "not a PGM or PPM file";
    h.colour = type == '3' || type == '6';
    h.binary = type == '5' || type == '6';
    scan.skip(2);
    const std::optional<uint32_t> w = scan.number(1u << 31), ht = scan.number(1u << 31),
                                  m = scan.number(65535);
    if (!w || !ht) return "bad or missing image size in header";
    if (!m || *m == 0) return "bad or missing maxval in header (1 to 65535)";
    h.width = *w;
    h.height = *ht;
    h.maxval = *m;
    if (h.binary && !scan.skipOneSpace()) return "truncated header";
    return {};
}

std::string sampleAboveMaxval(const PnmHeader &h) {
    return "sample value above maxval " + std::to_string(h.maxval);
}

// One row of one-byte samples, stored as they are: both 8-bit classes keep
// the file's bytes.
bool storeByteRow(const uint8_t *row, size_t samples, uint8_t *out, const PnmHeader &h) {
    uint8_t highest = 0;
    for (size_t i = 0; i < samples; ++i) highest = std::max(highest, row[i]);
    if (highest > h.maxval) return false;
    std::memcpy(out, row, samples);
    return true;
}

// One row of two-byte samples (most significant first) from `first` on.
bool storeWordRow(const uint8_t *row, size_t samples, Image &image, size_t first, const PnmHeader &h) {
    uint32_t highest = 0;
    for (size_t i = 0; i < samples; ++i)
        highest = std::max(highest, uint32_t{row[2 * i]} << 8 | row[2 * i + 1]);
    if (highest > h.maxval) return false;
    if (image.cls == ImageClass::Rgb) {
        uint8_t *out = image.rgb.data() + first;
        for (size_t i = 0; i < samples; ++i)  // scaled to 8 bits, rounded
            out[i] = static_cast<uint8_t>(
                ((uint32_t{row[2 * i]} << 8 | row[2 * i + 1]) * 255u + h.maxval / 2) / h.maxval);
    } else {
        uint16_t *out = image.gray16.data() + first;
        for (size_t i = 0; i < samples; ++i) out[i] = static_cast<uint16_t>(row[2 * i] << 8 | row[2 * i + 1]);
    }
    return true;
}

// Binary samples a row at a time; the caller checked that all are present.
std::string readBinaryRows(PnmScanner &scan, const PnmHeader &h, Image &image, size_t rowSamples,
                           ProgressTask &task) {
    const size_t count = rowSamples * h.height;
    const size_t width = h.maxval > 255 ? 2 : 1;
    uint8_t *bytes = width == 2                     ? nullptr
                     : image.cls == ImageClass::Rgb ? image.rgb.data()
                                                    : image.gray8.data();
    for (size_t first = 0; first < count; first += rowSamples) {
        const uint8_t *row = scan.take(rowSamples * width);
        const bool ok = bytes ? storeByteRow(row, rowSamples, bytes + first, h)
                              : storeWordRow(row, rowSamples, image, first, h);
        if (!ok) return sampleAboveMaxval(h);
        if (!task.advance(first + rowSamples)) return "interrupted";
    }
    return {};
}

// Stores sample `index` (pixel-major, channels interleaved) of value v.
void store(Image &image, const PnmHeader &h, size_t index, uint32_t v) {
    if (image.cls == ImageClass::Gray8)
        image.gray8[index] = static_cast<uint8_t>(v);
    else if (image.cls != ImageClass::Rgb)
        image.gray16[index] = static_cast<uint16_t>(v);
    else if (h.maxval <= 255)
        image.rgb[index] = static_cast<uint8_t>(v);
    else
        image.rgb[index] = static_cast<uint8_t>((v * 255u + h.maxval / 2) / h.maxval);  // scaled, rounded
}

std::string readSamples(PnmScanner &scan, const PnmHeader &h, Image &image) {
    const size_t count = static_cast<size_t>(h.width) * h.height * (h.colour ? 3 : 1);
    const size_t width = h.maxval > 255 ? 2 : 1;
    if (h.binary && scan.remaining() / width < count) {
        char text[96];
        std::snprintf(text, sizeof text, "truncated: %zu of %zu samples present", scan.remaining() / width,
                      count);
        return text;
    }
    // Progress and the stop request are looked at once a row.
    const size_t rowSamples = static_cast<size_t>(h.width) * (h.colour ? 3 : 1);
    ProgressTask task("reading PNM " + std::to_string(h.width) + "x" + std::to_string(h.height), count);
    if (h.binary) return readBinaryRows(scan, h, image, rowSamples, task);
    for (size_t i = 0; i < count; ++i) {
        std::optional<uint32_t> v = scan.number(65535);
        if (!v) {
            char text[96];
            std::snprintf(text, sizeof text, "truncated or bad sample %zu of %zu", i + 1, count);
            return text;
        }
        if (*v > h.maxval) return sampleAboveMaxval(h);
        store(image, h, i, *v);
        if ((i + 1) % rowSamples == 0 && !task.advance(i + 1)) return "interrupted";
    }
    return {};
}

}  // namespace

ImageResult decodePnm(std::span<const uint8_t> bytes, const DecodeLimits &limits) {
    PnmScanner scan(bytes);
    PnmHeader header;
    std::string error = readHeader(bytes, scan, header);
    if (error.empty()) error = checkImageSize(header.width, header.height, classOf(header), limits);
    if (!error.empty()) return ImageResult::failure(error);
    Image image = makeBlankImage((int)header.width, (int)header.height, classOf(header));
    error = readSamples(scan, header, image);
    if (!error.empty()) return ImageResult::failure(error);
    return ImageResult::success(std::move(image));
}

}  // namespace host
