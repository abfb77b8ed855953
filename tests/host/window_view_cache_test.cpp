// An image window keeps its rendered view between paints: after each kind of
// change it must show what a window opened fresh in the same state shows.
#include <gtest/gtest.h>

#include <platform/embed.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "core/image_store.h"
#include "window/image_paint.h"
#include "window/image_window.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

class ViewCacheTest : public HostWindowTest {};

// What a window shows besides its image's pixels.
struct ViewState {
    int image = -1;
    double zoom = 1.0;
    int scrollX = 0, scrollY = 0;
    int width = 24, height = 16;
};

std::vector<uint32_t> clientPixels(HWND window) {
    plat::pumpMessages();
    auto shot = plat::captureWindow(window, true);
    return shot ? shot->pixels : std::vector<uint32_t>{};
}

void apply(HWND window, const ViewState &s) {
    host::setClientSize(window, s.width, s.height);
    host::setZoom(window, s.zoom);
    host::setScroll(window, s.scrollX, s.scrollY);
}

std::vector<uint32_t> freshView(const ViewState &s) {
    HWND window = host::openImageWindow(s.image);
    apply(window, s);
    std::vector<uint32_t> pixels = clientPixels(window);
    host::closeImageWindow(window);
    return pixels;
}

// A 16-bit image whose range is its own lowest..highest value, so that a
// pixel edit can change the shade of every other pixel.
int rampImage(int width, int height, int step) {
    return addGrayImage(host::ImageClass::Gray16, width, height,
                        [step](int x, int y) { return 1000 + step * (3 * x + 5 * y); });
}

int rgbImage(int width, int height) {
    host::Image image;
    image.cls = host::ImageClass::Rgb;
    image.width = width;
    image.height = height;
    for (int i = 0; i < 3 * width * height; ++i) image.rgb.push_back(static_cast<uint8_t>(i * 37));
    return host::images().add(std::move(image));
}

void setPixels(int id, int x1, int y1, int x2, int y2, uint16_t value) {
    host::Image *image = host::images().find(id);
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) image->gray16[static_cast<size_t>(y * image->width + x)] = value;
    host::images().notifyChanged(id);  // as ImgSetPixel and ImgFill announce it
}

TEST_F(ViewCacheTest, AfterEachChangeTheWindowShowsWhatAFreshWindowShows) {
    struct Case {
        const char *what;
        std::function<void(HWND, ViewState &)> change;
    } cases[] = {
        {"a pixel edit inside the range", [](HWND, ViewState &s) { setPixels(s.image, 3, 2, 3, 2, 1100); }},
        {"a fill that widens the range", [](HWND, ViewState &s) { setPixels(s.image, 0, 0, 5, 4, 60000); }},
        {"a fill that narrows the range",
         [](HWND, ViewState &s) {
             setPixels(s.image, 0, 0, 23, 15, 1200);
             setPixels(s.image, 1, 1, 1, 1, 1300);
         }},
        {"zoom in", [](HWND w, ViewState &s) { host::setZoom(w, s.zoom = 2.5); }},
        {"zoom out", [](HWND w, ViewState &s) { host::setZoom(w, s.zoom = 0.5); }},
        {"scroll", [](HWND w, ViewState &s) { host::setScroll(w, s.scrollX = 5, s.scrollY = 3); }},
        {"a larger client",
         [](HWND w, ViewState &s) { host::setClientSize(w, s.width = 40, s.height = 30); }},
        {"a smaller client", [](HWND w, ViewState &s) { host::setClientSize(w, s.width = 9, s.height = 7); }},
        {"another image",
         [](HWND w, ViewState &s) { host::showOtherImage(w, s.image = rampImage(30, 20, 40)); }},
    };
    for (const Case &c : cases) {
        ViewState state;
        state.image = rampImage(24, 16, 100);
        HWND window = host::openImageWindow(state.image);
        apply(window, state);
        const std::vector<uint32_t> before = clientPixels(window);
        c.change(window, state);
        const std::vector<uint32_t> after = clientPixels(window);
        host::closeImageWindow(window);
        EXPECT_NE(after, before) << c.what << ": the change shows";
        EXPECT_EQ(after, freshView(state)) << c.what;
    }
}

// Every kind of image, at zooms and scrolls that leave background beside and
// below it, shows what renderView draws for the whole client area: gray
// images keep one level a pixel for the part showing the image only.
TEST_F(ViewCacheTest, EveryKindShowsWhatRenderViewDraws) {
    const host::ImageClass classes[] = {host::ImageClass::Gray8, host::ImageClass::Gray12,
                                        host::ImageClass::Gray16, host::ImageClass::Float,
                                        host::ImageClass::Rgb};
    const ViewState views[] = {
        {-1, 1.0, 0, 0, 24, 16},  // no background
        {-1, 1.0, 0, 0, 31, 21},  // background right and below, odd widths
        {-1, 2.5, 3, 2, 29, 23},  // zoomed in and scrolled
        {-1, 0.7, 5, 9, 26, 18},  // zoomed out and scrolled
        {-1, 0.3, 0, 0, 13, 11},  // the whole image in a corner
    };
    for (host::ImageClass cls : classes) {
        for (ViewState view : views) {
            view.image = cls == host::ImageClass::Rgb
                             ? rgbImage(23, 17)
                             : addGrayImage(cls, 23, 17, [](int x, int y) { return 7 * x + 11 * y; });
            const host::Image *image = host::images().find(view.image);
            HWND window = host::openImageWindow(view.image);
            apply(window, view);
            std::vector<uint32_t> expected(static_cast<size_t>(view.width * view.height));
            const host::ViewGeometry geometry{view.zoom, view.scrollX, view.scrollY};
            host::renderView(*image, geometry, host::displayRange(*image),
                             RECT{0, 0, view.width, view.height}, sysPixel(COLOR_APPWORKSPACE),
                             expected.data());
            EXPECT_EQ(clientPixels(window), expected)
                << "class " << static_cast<int>(cls) << ", zoom " << view.zoom << ", client " << view.width
                << "x" << view.height;
            host::closeImageWindow(window);
        }
    }
}

// A partial repaint (an overlay erased, say) copies the kept view into the
// invalid area only, image and background alike: what a hook drew elsewhere
// stays.
TEST_F(ViewCacheTest, APartialRepaintRestoresOnlyTheInvalidArea) {
    const RECT areas[] = {{0, 4, 12, 7}, {20, 2, 29, 9}, {3, 14, 26, 19}, {22, 15, 30, 20}};
    for (host::ImageClass cls : {host::ImageClass::Gray16, host::ImageClass::Gray8}) {
        for (const RECT &area : areas) {
            ViewState state{
                addGrayImage(cls, 24, 16, [](int x, int y) { return 9 * x + 5 * y; }), 1.0, 0, 0, 30, 20};
            HWND window = host::openImageWindow(state.image);
            apply(window, state);
            const std::vector<uint32_t> clean = clientPixels(window);
            HDC dc = GetDC(window);
            RECT all{0, 0, state.width, state.height};
            HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
            FillRect(dc, &all, red);
            DeleteObject(red);
            ReleaseDC(window, dc);
            InvalidateRect(window, &area, FALSE);
            const std::vector<uint32_t> after = clientPixels(window);
            host::closeImageWindow(window);
            for (int y = 0; y < state.height; ++y) {
                for (int x = 0; x < state.width; ++x) {
                    const size_t i = static_cast<size_t>(y * state.width + x);
                    const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
                    ASSERT_EQ(after[i], inside ? clean[i] : 0xFF0000u)
                        << "pixel " << x << "," << y << " of area " << area.left << "," << area.top;
                }
            }
        }
    }
}

}  // namespace
