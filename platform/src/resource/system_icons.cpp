// The predefined icons, 32 x 32 in colour, hotspot at the centre.
#include "image_art.h"
#include "system_images.h"

namespace plat {
namespace {

res::ImageData centred(res::ImageData image) {
    image.hotX = image.width / 2;
    image.hotY = image.height / 2;
    return image;
}

// A white window with a caption bar.
res::ImageData application() {
    res::ImageData image = art::blank(32);
    for (int y = 4; y <= 27; ++y) {
        for (int x = 2; x <= 29; ++x) {
            const bool frame = x == 2 || x == 29 || y == 4 || y == 27;
            const bool caption = y >= 5 && y <= 8;
            art::setPixel(image, x, y, frame ? art::kBlack : caption ? 0xFF000080 : art::kWhite);
        }
    }
    return centred(image);
}

// A red disc with a white cross.
res::ImageData error() {
    res::ImageData image = art::blank(32);
    art::fillDisc(image, 15, 15, 14, art::kBlack);
    art::fillDisc(image, 15, 15, 13, 0xFFD01010);
    for (int i = 9; i <= 22; ++i) {
        for (int t = -1; t <= 1; ++t) {
            art::setPixel(image, i + t, i, art::kWhite);
            art::setPixel(image, 31 - i + t, i, art::kWhite);
        }
    }
    return centred(image);
}

res::ImageData blueDisc() {
    res::ImageData image = art::blank(32);
    art::fillDisc(image, 15, 15, 14, art::kBlack);
    art::fillDisc(image, 15, 15, 13, 0xFF1050D0);
    return image;
}

res::ImageData question() {
    res::ImageData image = blueDisc();
    art::paint(
        image, 11, 7,
        {"  oooooo  ", " oooooooo ", "ooo    ooo", "ooo    ooo", "      ooo ", "     ooo  ", "    ooo   ",
         "    ooo   ", "    ooo   ", "          ", "    ooo   ", "    ooo   ", "    ooo   "});
    return centred(image);
}

res::ImageData information() {
    res::ImageData image = blueDisc();
    art::paint(image, 13, 6,
               {" ooo ", " ooo ", "     ", "oooo ", " ooo ", " ooo ", " ooo ", " ooo ", " ooo ", " ooo ",
                " ooo ", " ooo ", "ooooo", "ooooo"});
    return centred(image);
}

// A yellow warning triangle with a black exclamation mark.
res::ImageData warning() {
    res::ImageData image = art::blank(32);
    for (int y = 2; y <= 29; ++y) {
        const int half = (y - 2) / 2 + 1;
        for (int x = 16 - half; x < 16 + half; ++x) {
            const bool edge = y == 29 || x == 16 - half || x == 16 + half - 1;
            art::setPixel(image, x, y, edge ? art::kBlack : 0xFFFFD800);
        }
    }
    art::paint(image, 14, 11,
               {"XXXX", "XXXX", "XXXX", "XXXX", " XX ", " XX ", " XX ", " XX ", " XX ", "    ", " XX ",
                " XX ", " XX "});
    return centred(image);
}

}  // namespace

std::optional<res::ImageData> systemIconImage(int id) {
    switch (id) {
        case 32512:
            return application();  // IDI_APPLICATION
        case 32513:
            return error();  // IDI_HAND, IDI_ERROR
        case 32514:
            return question();  // IDI_QUESTION
        case 32515:
            return warning();  // IDI_EXCLAMATION, IDI_WARNING
        case 32516:
            return information();  // IDI_ASTERISK, IDI_INFORMATION
        case 32517:
            return application();  // IDI_WINLOGO
        default:
            return std::nullopt;
    }
}

}  // namespace plat
