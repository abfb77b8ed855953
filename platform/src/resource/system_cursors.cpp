// The predefined cursors, 32 x 32, black with white fill or outline.
#include <cstdlib>

#include "image_art.h"
#include "system_images.h"

namespace plat {
namespace {

using art::kBlack;
using art::kWhite;

res::ImageData withHotspot(res::ImageData image, int x, int y) {
    image.hotX = x;
    image.hotY = y;
    return image;
}

void paintArrow(res::ImageData &image, int x, int y) {
    art::paint(image, x, y,
               {"X           ", "XX          ", "XoX         ", "XooX        ", "XoooX       ",
                "XooooX      ", "XoooooX     ", "XooooooX    ", "XoooooooX   ", "XooooooooX  ",
                "XoooooooooX ", "XooooooXXXXX", "XoooXooX    ", "XooX XooX   ", "XoX  XooX   ",
                "XX    XooX  ", "X     XooX  ", "       XooX ", "       XXX  "});
}

void paintHourglass(res::ImageData &image, int x, int y) {
    art::paint(image, x, y,
               {"XXXXXXXXXXX", "XoooooooooX", "XXXXXXXXXXX", " XoooooooX ", " XoXoXoXoX ", "  XoXoXoX  ",
                "   XoXoX   ", "    XoX    ", "    XoX    ", "   XoooX   ", "  XoooooX  ", " XoooXoooX ",
                " XooXoXooX ", "XXXXXXXXXXX", "XoooooooooX", "XXXXXXXXXXX"});
}

res::ImageData arrow() {
    res::ImageData image = art::blank(32);
    paintArrow(image, 0, 0);
    return withHotspot(image, 0, 0);
}

res::ImageData iBeam() {
    res::ImageData image = art::blank(32);
    art::paint(image, 14, 8, {"XX XX", "  X  "});
    for (int y = 10; y <= 22; ++y) art::setPixel(image, 16, y, kBlack);
    art::paint(image, 14, 23, {"  X  ", "XX XX"});
    art::outlineWhite(image);
    return withHotspot(image, 16, 16);
}

res::ImageData wait() {
    res::ImageData image = art::blank(32);
    paintHourglass(image, 11, 8);
    return withHotspot(image, 16, 16);
}

res::ImageData cross() {
    res::ImageData image = art::blank(32);
    for (int i = 6; i <= 26; ++i) {
        art::setPixel(image, i, 16, kBlack);
        art::setPixel(image, 16, i, kBlack);
    }
    art::outlineWhite(image);
    return withHotspot(image, 16, 16);
}

res::ImageData upArrow() {
    res::ImageData image = art::blank(32);
    art::paint(image, 12, 4,
               {"    X    ", "   XoX   ", "  XoooX  ", " XoooooX ", "XoooooooX", "XXXoooXXX", "  XoooX  ",
                "  XoooX  ", "  XoooX  ", "  XoooX  ", "  XoooX  ", "  XoooX  ", "  XoooX  ", "  XoooX  ",
                "  XoooX  ", "  XXXXX  "});
    return withHotspot(image, 16, 4);
}

// Left-right double arrow centred on (16, 16).
res::ImageData sizeWestEast() {
    res::ImageData image = art::blank(32);
    art::paint(image, 6, 12,
               {"    X           X    ", "   XX           XX   ", "  XoX           XoX  ",
                " XooXXXXXXXXXXXXXooX ", "XoooooooooooooooooooX", " XooXXXXXXXXXXXXXooX ",
                "  XoX           XoX  ", "   XX           XX   ", "    X           X    "});
    return withHotspot(image, 16, 16);
}

// Double arrow from the top-left to the bottom-right corner of a 15 x 15 box
// centred on (16, 16): a head is the triangle x + y <= 6 of its corner, the
// shaft the pixels within one of the diagonal.
res::ImageData sizeNorthwestSoutheast() {
    res::ImageData image = art::blank(32);
    constexpr int kBox = 15, kHead = 6, kLeft = 9;
    for (int y = 0; y < kBox; ++y) {
        for (int x = 0; x < kBox; ++x) {
            const int nearSum = x + y;
            const int farSum = 2 * (kBox - 1) - x - y;
            uint32_t colour = 0;
            if (nearSum <= kHead) {
                colour = (x == 0 || y == 0 || nearSum == kHead) ? kBlack : kWhite;
            } else if (farSum <= kHead) {
                colour = (x == kBox - 1 || y == kBox - 1 || farSum == kHead) ? kBlack : kWhite;
            } else if (std::abs(x - y) <= 1) {
                colour = x == y ? kWhite : kBlack;
            }
            if (colour != 0) art::setPixel(image, kLeft + x, kLeft + y, colour);
        }
    }
    return withHotspot(image, 16, 16);
}

res::ImageData sizeAll() {
    res::ImageData image = sizeWestEast();
    const res::ImageData vertical = art::transposed(image);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (art::pixel(vertical, x, y) != art::kTransparent)
                art::setPixel(image, x, y, art::pixel(vertical, x, y));
        }
    }
    // The two white cores cross without a black seam.
    for (int i = 7; i <= 25; ++i) {
        art::setPixel(image, i, 16, kWhite);
        art::setPixel(image, 16, i, kWhite);
    }
    return image;
}

// A ring with a slash from the top-left to the bottom-right.
res::ImageData no() {
    res::ImageData image = art::blank(32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int dx = 2 * x - 31, dy = 2 * y - 31;
            const int distance = dx * dx + dy * dy;
            const bool ring = distance <= 22 * 22 && distance >= 16 * 16;
            const bool slash = distance < 16 * 16 && std::abs(dx - dy) <= 4;
            if (ring || slash) art::setPixel(image, x, y, kBlack);
        }
    }
    art::outlineWhite(image);
    return withHotspot(image, 16, 16);
}

res::ImageData hand() {
    res::ImageData image = art::blank(32);
    art::paint(image, 8, 4,
               {"     XX          ", "    XooX         ", "    XooX         ", "    XooX         ",
                "    XooX         ", "    XooXXX       ", "    XooXooXXX    ", "    XooXooXooXX  ",
                " XX XooXooXooXoX ", "XooXXooooooooXooX", "XoooXoooooooooooX", " XooXoooooooooooX",
                "  XoXoooooooooooX", "  XooooooooooooX ", "   XoooooooooooX ", "   XooooooooooX  ",
                "    XoooooooooX  ", "    XoooooooooX  ", "     XooooooooX  ", "     XXXXXXXXXX  "});
    return withHotspot(image, 13, 4);
}

res::ImageData appStarting() {
    res::ImageData image = art::blank(32);
    paintArrow(image, 0, 0);
    paintHourglass(image, 14, 12);
    return withHotspot(image, 0, 0);
}

// The obsolete IDC_ICON: an empty framed square.
res::ImageData emptyIcon() {
    res::ImageData image = art::blank(32);
    for (int i = 8; i <= 23; ++i) {
        art::setPixel(image, i, 8, kBlack);
        art::setPixel(image, i, 23, kBlack);
        art::setPixel(image, 8, i, kBlack);
        art::setPixel(image, 23, i, kBlack);
    }
    return withHotspot(image, 16, 16);
}

}  // namespace

std::optional<res::ImageData> systemCursorImage(int id) {
    switch (id) {
        case 32512:
            return arrow();
        case 32513:
            return iBeam();
        case 32514:
            return wait();
        case 32515:
            return cross();
        case 32516:
            return upArrow();
        case 32640:
            return sizeAll();  // IDC_SIZE, the old name of IDC_SIZEALL
        case 32641:
            return emptyIcon();
        case 32642:
            return sizeNorthwestSoutheast();
        case 32643:
            return art::mirroredLeftRight(sizeNorthwestSoutheast());
        case 32644:
            return sizeWestEast();
        case 32645:
            return art::transposed(sizeWestEast());
        case 32646:
            return sizeAll();
        case 32648:
            return no();
        case 32649:
            return hand();
        case 32650:
            return appStarting();
        default:
            return std::nullopt;
    }
}

}  // namespace plat
