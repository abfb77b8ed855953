// Line readers. Horizontal and vertical lines copy a run of pixels (a row
// slice, or a column walked with the row stride) after clipping it to the
// image once, so their inner loop is a plain converting copy. Other lines step
// the major axis one pixel per sample and keep the minor coordinate as an
// exact integer quotient and remainder of floor((2 i d + m) / (2 m)).
#include "sampling/line_reader.h"

#include <algorithm>
#include <cstdlib>

#include "sampling/pixel_access.h"

namespace host {

ChannelOutput ChannelOutput::advanced(int64_t offset) const {
    ChannelOutput moved;
    for (int c = 0; c < 3; ++c) moved.channels[c] = channels[c] ? channels[c] + offset : nullptr;
    return moved;
}

int channelCountOf(const Image &image) {
    return image.isColour() ? 3 : 1;
}

namespace {

int signOf(int64_t v) {
    return (v > 0) - (v < 0);
}

template <class Pixels>
void zeroRange(const ChannelOutput &out, int64_t from, int64_t to) {
    for (int c = 0; c < Pixels::kChannels; ++c) std::fill(out.channels[c] + from, out.channels[c] + to, 0.0);
}

// The half-open range of sample indices [lo, hi) within [0, take) whose
// coordinate v0 + i * step (step -1, 0 or 1) lies in [0, limit).
struct IndexRange {
    int64_t lo = 0;
    int64_t hi = 0;
};

IndexRange insideRange(int64_t v0, int step, int64_t limit, int64_t take) {
    IndexRange r{0, take};
    if (step > 0) {
        r.lo = -v0;
        r.hi = limit - v0;
    } else if (step < 0) {
        r.lo = v0 - limit + 1;
        r.hi = v0 + 1;
    } else if (v0 < 0 || v0 >= limit) {
        r.hi = 0;
    }
    r.lo = std::clamp<int64_t>(r.lo, 0, take);
    r.hi = std::clamp<int64_t>(r.hi, r.lo, take);
    return r;
}

// Copies samples [from, to) from the pixels at index, index + stride, ...
// The unit strides get loops of their own so that the compiler sees a
// contiguous (or reversed contiguous) copy.
template <class Pixels>
void copyRun(const Pixels &px, int64_t index, int64_t stride, int64_t from, int64_t to,
             const ChannelOutput &out) {
    const int64_t base = index - from * stride;
    if (stride == 1) {
        for (int64_t i = from; i < to; ++i) px.copy(base + i, out.channels, i);
    } else if (stride == -1) {
        for (int64_t i = from; i < to; ++i) px.copy(base - i, out.channels, i);
    } else {
        for (int64_t i = from; i < to; ++i) px.copy(base + i * stride, out.channels, i);
    }
}

template <class Pixels>
void readAxisLine(const Pixels &px, const LinePath &path, int64_t take, const ChannelOutput &out) {
    const PixelPoint s = path.start;
    const bool vertical = path.dx() == 0 && path.dy() != 0;
    IndexRange inside;
    int64_t stride = 0;
    if (vertical) {
        const int step = signOf(path.dy());
        if (s.x >= 0 && s.x < px.width) inside = insideRange(s.y, step, px.height, take);
        stride = step * px.width;
    } else {
        const int step = signOf(path.dx());
        if (s.y >= 0 && s.y < px.height) inside = insideRange(s.x, step, px.width, take);
        stride = step;
    }
    zeroRange<Pixels>(out, 0, inside.lo);
    if (inside.lo < inside.hi) {
        const PixelPoint first = vertical ? PixelPoint{s.x, s.y + inside.lo * signOf(path.dy())}
                                          : PixelPoint{s.x + inside.lo * signOf(path.dx()), s.y};
        copyRun(px, first.y * px.width + first.x, stride, inside.lo, inside.hi, out);
    }
    zeroRange<Pixels>(out, inside.hi, take);
}

// The stepping of a line with both deltas non-zero along its major axis:
// sample i lies i major steps from the start and floor((2 i d + m) / (2 m))
// minor ones, d the minor delta and m the step count.
struct Stepping {
    int64_t m;
    bool xMajor;
    int64_t majorStep;        // +1 or -1
    int64_t twiceMinorDelta;  // 2 d

    explicit Stepping(const LinePath &path)
        : m(path.steps()),
          xMajor(std::llabs(path.dx()) >= std::llabs(path.dy())),
          majorStep(signOf(xMajor ? path.dx() : path.dy())),
          twiceMinorDelta(2 * (xMajor ? path.dy() : path.dx())) {}

    // The minor offset of sample i, computed directly.
    int64_t minorAt(int64_t i) const {
        const int64_t numerator = i * twiceMinorDelta + m, denominator = 2 * m;
        const int64_t quotient = numerator / denominator;
        return numerator % denominator < 0 ? quotient - 1 : quotient;
    }
    PixelPoint at(const LinePath &path, int64_t i, int64_t minor) const {
        const int64_t major = i * majorStep;
        return {path.start.x + (xMajor ? major : minor), path.start.y + (xMajor ? minor : major)};
    }
    // How the minor offset changes from one sample to the next; `remainder`
    // starts at m (numerator m at i = 0: quotient 0, remainder m). |2 d| <= 2 m,
    // so one correction brings it back to [0, 2 m).
    int next(int64_t &remainder) const {
        remainder += twiceMinorDelta;
        if (remainder >= 2 * m) {
            remainder -= 2 * m;
            return 1;
        }
        if (remainder < 0) {
            remainder += 2 * m;
            return -1;
        }
        return 0;
    }
};

// A stepped line whose first and last samples lie in the image lies in it
// throughout (both coordinates move one way), so it steps an index alone.
template <class Pixels>
bool readSteppedInside(const Pixels &px, const LinePath &path, const Stepping &s, int64_t take,
                       const ChannelOutput &out) {
    auto inImage = [&](PixelPoint p) { return p.x >= 0 && p.x < px.width && p.y >= 0 && p.y < px.height; };
    if (!inImage(path.start) || !inImage(s.at(path, take - 1, s.minorAt(take - 1)))) return false;
    const int64_t majorStride = s.xMajor ? s.majorStep : s.majorStep * px.width;
    const int64_t minorStride = s.xMajor ? px.width : 1;
    int64_t remainder = s.m;
    int64_t index = path.start.y * px.width + path.start.x;
    for (int64_t i = 0; i < take; ++i) {
        px.copy(index, out.channels, i);
        index += majorStride + s.next(remainder) * minorStride;
    }
    return true;
}

template <class Pixels>
void readSteppedLine(const Pixels &px, const LinePath &path, int64_t take, const ChannelOutput &out) {
    const Stepping s(path);
    if (readSteppedInside(px, path, s, take, out)) return;
    int64_t remainder = s.m;
    int64_t minor = 0;
    for (int64_t i = 0; i < take; ++i) {
        const PixelPoint p = s.at(path, i, minor);
        if (p.x >= 0 && p.x < px.width && p.y >= 0 && p.y < px.height) {
            px.copy(p.y * px.width + p.x, out.channels, i);
        } else {
            for (int c = 0; c < Pixels::kChannels; ++c) out.channels[c][i] = 0.0;
        }
        minor += s.next(remainder);
    }
}

template <class Pixels>
void readWith(const Pixels &px, const LinePath &path, int64_t take, const ChannelOutput &out) {
    if (path.dx() == 0 || path.dy() == 0) {
        readAxisLine(px, path, take, out);
    } else {
        readSteppedLine(px, path, take, out);
    }
}

template <class Pixels>
bool sizeMatches(const Pixels &pixels, const Image &image, int64_t perPixel) {
    return image.width >= 0 && image.height >= 0 &&
           pixels.size() == static_cast<size_t>(image.width) * static_cast<size_t>(image.height) *
                                static_cast<size_t>(perPixel);
}

}  // namespace

void readLineRaw(const Image &image, const LinePath &path, int64_t take, const ChannelOutput &out) {
    if (take <= 0) return;
    const int64_t w = image.width;
    const int64_t h = image.height;
    switch (image.cls) {
        case ImageClass::Gray8:
            if (sizeMatches(image.gray8, image, 1))
                return readWith(GrayPixels<uint8_t>{image.gray8.data(), w, h}, path, take, out);
            break;
        case ImageClass::Gray12:
        case ImageClass::Gray16:
            if (sizeMatches(image.gray16, image, 1))
                return readWith(GrayPixels<uint16_t>{image.gray16.data(), w, h}, path, take, out);
            break;
        case ImageClass::Float:
            if (sizeMatches(image.gray32f, image, 1))
                return readWith(GrayPixels<float>{image.gray32f.data(), w, h}, path, take, out);
            break;
        case ImageClass::Rgb:
            if (sizeMatches(image.rgb, image, 3))
                return readWith(RgbPixels{image.rgb.data(), w, h}, path, take, out);
            break;
    }
    // An image without matching pixels reads as if every sample lay outside it.
    for (int c = 0; c < channelCountOf(image); ++c) std::fill(out.channels[c], out.channels[c] + take, 0.0);
}

}  // namespace host
