// Images and image windows: opening, creating, selecting, closing, saving,
// changing and reading pixels, window size, zoom, scroll, calibrations.
// ImgSave writes TIFF, PNG or PGM/PPM as the file name's extension says.
// Statements that act on "the active image" fail with a clear message while
// no image window is open. Paths are relative to the working directory.
#include <cstdio>
#include <vector>

#include "core/image_store.h"
#include "image/calibration.h"
#include "image/image_file.h"
#include "image/synthetic_image.h"
#include "macro/pixel_edit.h"
#include "macro/statements.h"
#include "window/image_window.h"

namespace host::macro {
namespace {

constexpr double kZoomMin = 0.001;
constexpr double kZoomMax = 1000.0;

Image *activeImage() {
    return images().find(activeImageId());
}

Outcome noImage() {
    return fail("no image window is open");
}

// The error of a file that cannot be read points at its name (argument 0).
Outcome show(ImageResult result, int errorArgument) {
    if (!result.ok()) return fail(result.error, errorArgument);
    const int id = images().add(std::move(*result.image));
    if (!openImageWindow(id)) {
        images().remove(id);
        return fail("the image window could not be opened");
    }
    return std::nullopt;
}

Outcome imgOpen(Context &, const Statement &s) {
    return show(loadImage(textArg(s, 0)), 0);
}

Outcome imgNew(Context &, const Statement &s) {
    const long width = wholeArg(s, 0), height = wholeArg(s, 1);
    return show(
        makeSyntheticImage(static_cast<int>(width), static_cast<int>(height), textArg(s, 2), textArg(s, 3)),
        -1);
}

Outcome imgSave(Context &, const Statement &s) {
    const Image *image = activeImage();
    if (!image) return noImage();
    Status status = saveImage(*image, textArg(s, 0));
    return status.ok() ? std::nullopt : fail(status.error);
}

// ImgSetPixel(x, y, v...) and ImgFill(x1, y1, x2, y2, v...): the values follow the coordinates.
Outcome changePixels(const Statement &s, size_t coordinates) {
    Image *image = activeImage();
    if (!image) return noImage();
    std::vector<double> values;
    for (size_t i = coordinates; i < s.args.size(); ++i) values.push_back(numberArg(s, i));
    const auto x1 = static_cast<int>(wholeArg(s, 0)), y1 = static_cast<int>(wholeArg(s, 1));
    const int x2 = coordinates == 4 ? static_cast<int>(wholeArg(s, 2)) : x1;
    const int y2 = coordinates == 4 ? static_cast<int>(wholeArg(s, 3)) : y1;
    if (std::optional<std::string> bad = fillPixels(*image, x1, y1, x2, y2, values)) return fail(*bad);
    images().notifyChanged(image->id);
    return std::nullopt;
}

Outcome imgSetPixel(Context &, const Statement &s) {
    return changePixels(s, 2);
}

Outcome imgFill(Context &, const Statement &s) {
    return changePixels(s, 4);
}

Outcome imgPixel(Context &context, const Statement &s) {
    const Image *image = activeImage();
    if (!image) return noImage();
    const long x = wholeArg(s, 0), y = wholeArg(s, 1);
    if (x < 0 || y < 0 || x >= image->width || y >= image->height) {
        char text[96];
        std::snprintf(text, sizeof text, "(%ld, %ld) is not inside the %d x %d image", x, y, image->width,
                      image->height);
        return fail(text);
    }
    context.print(pixelText(*image, static_cast<int>(x), static_cast<int>(y)));
    return std::nullopt;
}

// "image 0: 64 x 48 gray8, zoom 2", then the calibrations the image has.
Outcome imgInfo(Context &context, const Statement &) {
    const Image *image = activeImage();
    if (!image) return noImage();
    char text[320];
    int length = std::snprintf(text, sizeof text, "image %d: %d x %d %s, zoom %g", image->id, image->width,
                               image->height, kindName(image->cls), zoomOf(activeImageWindow()));
    if (const auto &cal = image->spatial; cal && length > 0 && static_cast<size_t>(length) < sizeof text)
        length += std::snprintf(text + length, sizeof text - static_cast<size_t>(length),
                                ", %g x %g %s per pixel", cal->xScale, cal->yScale, cal->unit.c_str());
    if (const auto &cal = image->intensity; cal && length > 0 && static_cast<size_t>(length) < sizeof text)
        std::snprintf(text + length, sizeof text - static_cast<size_t>(length), ", value %g + %g x raw %s",
                      cal->offset, cal->scale, cal->unit.c_str());
    context.print(text);
    return std::nullopt;
}

Outcome imgSelect(Context &, const Statement &s) {
    const long id = wholeArg(s, 0);
    HWND window = imageWindowOf(static_cast<int>(id));
    if (!window) return fail("no image " + std::to_string(id) + " is open", 0);
    if (!activateImageWindow(window))
        return fail("image " + std::to_string(id) + " could not be activated", 0);
    return std::nullopt;
}

// The image goes with its last window, as closing a document does.
Outcome imgClose(Context &, const Statement &) {
    const int id = activeImageId();
    if (id < 0) return noImage();
    closeImageWindow(activeImageWindow());
    if (!imageWindowOf(id)) images().remove(id);
    return std::nullopt;
}

Outcome imgWindow(Context &, const Statement &s) {
    if (Outcome bad = argsInRange(s, 0, 2, 1, kCoordinateMax)) return bad;
    HWND window = activeImageWindow();
    if (!window) return noImage();
    const long width = wholeArg(s, 0), height = wholeArg(s, 1);
    if (width <= 0 || height <= 0 ||
        !setClientSize(window, static_cast<int>(width), static_cast<int>(height)))
        return fail("the client area cannot be " + std::to_string(width) + " x " + std::to_string(height));
    return std::nullopt;
}

Outcome imgZoom(Context &, const Statement &s) {
    HWND window = activeImageWindow();
    if (!window) return noImage();
    // Beyond these a pixel is smaller than a thousandth of a screen pixel or larger than the screen.
    const double zoom = numberArg(s, 0);
    if (!(zoom >= kZoomMin && zoom <= kZoomMax) || !setZoom(window, zoom))
        return fail("the zoom must be a number from 0.001 to 1000", 0);
    return std::nullopt;
}

Outcome imgScroll(Context &, const Statement &s) {
    HWND window = activeImageWindow();
    if (!window) return noImage();
    if (!setScroll(window, static_cast<int>(wholeArg(s, 0)), static_cast<int>(wholeArg(s, 1))))
        return fail("the scroll origin must be a pixel of the image");
    return std::nullopt;
}

Outcome calSpatial(Context &, const Statement &s) {
    const int id = activeImageId();
    if (id < 0) return noImage();
    Status status = setSpatialCalibration(id, numberArg(s, 0), numberArg(s, 1), textArg(s, 2));
    return status.ok() ? std::nullopt : fail(status.error);
}

Outcome calIntensity(Context &, const Statement &s) {
    const int id = activeImageId();
    if (id < 0) return noImage();
    Status status = setIntensityCalibration(id, numberArg(s, 0), numberArg(s, 1), textArg(s, 2));
    return status.ok() ? std::nullopt : fail(status.error);
}

constexpr StatementRow kStatements[] = {
    {"ImgOpen", "s", "ImgOpen(\"path\")", imgOpen},
    {"ImgNew", "iiss", "ImgNew(width, height, \"kind\", \"pattern\")", imgNew},
    {"ImgSave", "s", "ImgSave(\"path\")", imgSave},
    {"ImgSetPixel", "iin|iinnn", "ImgSetPixel(x, y, v) or ImgSetPixel(x, y, r, g, b)", imgSetPixel},
    {"ImgFill", "iiiin|iiiinnn", "ImgFill(x1, y1, x2, y2, v) or ImgFill(x1, y1, x2, y2, r, g, b)", imgFill},
    {"ImgPixel", "ii", "ImgPixel(x, y)", imgPixel},
    {"ImgInfo", "", "ImgInfo()", imgInfo},
    {"ImgSelect", "i", "ImgSelect(id)", imgSelect},
    {"ImgClose", "", "ImgClose()", imgClose},
    {"ImgWindow", "ii", "ImgWindow(width, height)", imgWindow},
    {"ImgZoom", "n", "ImgZoom(zoom)", imgZoom},
    {"ImgScroll", "ii", "ImgScroll(x, y)", imgScroll},
    {"CalSpatial", "nns", "CalSpatial(xScale, yScale, \"unit\")", calSpatial},
    {"CalIntensity", "nns", "CalIntensity(offset, scale, \"unit\")", calIntensity},
};

}  // namespace

std::span<const StatementRow> imageStatements() {
    return kStatements;
}

}  // namespace host::macro
