// The predefined cursors and icons, and the current cursor.
#include <gtest/gtest.h>

#include <set>

#include "internal/cursor.h"
#include "platform/embed.h"

namespace {

using plat::res::ImageData;

const int kCursorIds[] = {32512, 32513, 32514, 32515, 32516, 32640, 32641, 32642,
                          32643, 32644, 32645, 32646, 32648, 32649, 32650};
const int kIconIds[] = {32512, 32513, 32514, 32515, 32516, 32517};

uint32_t pixel(const ImageData &image, int x, int y) {
    return image.argb.at(static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x));
}

const ImageData &cursorImage(LPCSTR id) {
    static const ImageData empty;
    const ImageData *image = plat::iconImage(LoadCursorA(nullptr, id));
    return image ? *image : empty;
}

// Each id gives one shared handle of its own and a 32-pixel picture, each
// pixel opaque or transparent, whose hotspot lies on the shape (but for the
// hollow cursors); other ids and names give null.
TEST(SystemCursors, EveryIdGivesOneSharedHandleWithA32PixelImage) {
    std::set<HCURSOR> handles;
    for (int id : kCursorIds) {
        SCOPED_TRACE(id);
        HCURSOR cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
        ASSERT_NE(cursor, nullptr);
        EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(id)), cursor);
        EXPECT_EQ(plat::systemCursorId(cursor), id);
        handles.insert(cursor);
        const ImageData &image = cursorImage(MAKEINTRESOURCEA(id));
        ASSERT_TRUE(image.width == 32 && image.height == 32 && image.argb.size() == 32u * 32u);
        ASSERT_TRUE(image.hotX >= 0 && image.hotX < 32 && image.hotY >= 0 && image.hotY < 32);
        const bool hollow = id == 32641 || id == 32648 || id == 32514;
        EXPECT_TRUE(hollow || pixel(image, image.hotX, image.hotY) >> 24 == 0xFF);
        for (uint32_t p : image.argb) ASSERT_TRUE(p == 0 || p >> 24 == 0xFF);
    }
    EXPECT_EQ(handles.size(), std::size(kCursorIds));
    for (int id : {0, 1, 32511, 32517, 32639, 32647, 32651})
        EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(id)), nullptr) << id;
    EXPECT_EQ(LoadCursorA(nullptr, "ARROW"), nullptr);
}

TEST(SystemCursors, ArrowPointsFromTheTopLeftCorner) {
    const ImageData &arrow = cursorImage(IDC_ARROW);
    EXPECT_EQ(arrow.hotX, 0);
    EXPECT_EQ(arrow.hotY, 0);
    EXPECT_EQ(pixel(arrow, 0, 0), 0xFF000000u);
    EXPECT_EQ(pixel(arrow, 1, 5), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(arrow, 10, 1), 0u);
}

// The sizing arrows are pairs of mirror images, and the four-way arrow is
// both double arrows (IDC_SIZE being its old name).
TEST(SystemCursors, SizingArrowsArePairsOfMirrorImagesAndSizeAllIsBoth) {
    const ImageData &we = cursorImage(IDC_SIZEWE), &ns = cursorImage(IDC_SIZENS);
    const ImageData &nwse = cursorImage(IDC_SIZENWSE), &nesw = cursorImage(IDC_SIZENESW);
    const ImageData &all = cursorImage(IDC_SIZEALL);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(pixel(we, x, y), pixel(ns, y, x)) << x << "," << y;
            ASSERT_EQ(pixel(nwse, x, y), pixel(nesw, 31 - x, y)) << x << "," << y;
            ASSERT_EQ(pixel(all, x, y) != 0, pixel(we, x, y) != 0 || pixel(ns, x, y) != 0) << x << "," << y;
        }
    }
    EXPECT_EQ(cursorImage(IDC_SIZE).argb, all.argb);
    // The diagonal arrow runs along its own diagonal.
    EXPECT_EQ(pixel(nwse, nwse.hotX, nwse.hotY), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(nwse, nwse.hotX + 3, nwse.hotY + 3), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(nwse, nwse.hotX + 3, nwse.hotY - 3), 0u);
}

// Icons are shared 32-pixel pictures, solid in the middle, distinct from the
// cursors of the same ids and from one another.
TEST(SystemIcons, EveryIdGivesADistinct32PixelImage) {
    for (int id : kIconIds) {
        HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(id));
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(id)), icon);
        EXPECT_NE(icon, LoadCursorA(nullptr, MAKEINTRESOURCEA(id)));
        EXPECT_EQ(plat::systemCursorId(icon), 0);
        const ImageData *image = plat::iconImage(icon);
        ASSERT_NE(image, nullptr);
        EXPECT_TRUE(image->width == 32 && image->hotX == 16);
        EXPECT_NE(pixel(*image, 16, 16), 0u) << id;
    }
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(32518)), nullptr);
    const ImageData *error = plat::iconImage(LoadIconA(nullptr, IDI_HAND));
    const ImageData *warning = plat::iconImage(LoadIconA(nullptr, IDI_EXCLAMATION));
    const ImageData *question = plat::iconImage(LoadIconA(nullptr, IDI_QUESTION));
    ASSERT_TRUE(error && warning && question);
    EXPECT_NE(error->argb, warning->argb);
    EXPECT_NE(error->argb, question->argb);
    EXPECT_EQ(pixel(*error, 16, 5) & 0x00FFFFFF, 0xD01010u);     // red disc
    EXPECT_EQ(pixel(*warning, 16, 26) & 0x00FFFFFF, 0xFFD800u);  // yellow triangle
}

TEST(CurrentCursor, SetCursorReturnsThePreviousOneAndRefusesInvalidHandles) {
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
    SetCursor(arrow);
    EXPECT_EQ(SetCursor(cross), arrow);
    EXPECT_EQ(GetCursor(), cross);
    EXPECT_EQ(plat::currentCursor(), cross);
    EXPECT_EQ(SetCursor(nullptr), cross);
    EXPECT_EQ(GetCursor(), nullptr);
    EXPECT_EQ(SetCursor(arrow), nullptr);
    EXPECT_EQ(SetCursor(reinterpret_cast<HCURSOR>(0x1234)), nullptr);
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_EQ(plat::iconImage(reinterpret_cast<HICON>(0x1234)), nullptr);
    EXPECT_EQ(plat::iconImage(nullptr), nullptr);
    EXPECT_EQ(plat::systemCursorId(reinterpret_cast<HCURSOR>(0x1234)), 0);
}

TEST(CurrentCursor, DestroyingSharedCursorsSucceedsAndKeepsThemValid) {
    HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    EXPECT_TRUE(DestroyCursor(wait));
    EXPECT_TRUE(DestroyCursor(wait));
    EXPECT_NE(plat::iconImage(wait), nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), wait);
    HICON question = LoadIconA(nullptr, IDI_QUESTION);
    EXPECT_TRUE(DestroyIcon(question));
    EXPECT_NE(plat::iconImage(question), nullptr);
    EXPECT_FALSE(DestroyCursor(nullptr));
    EXPECT_FALSE(DestroyIcon(reinterpret_cast<HICON>(0x1234)));
}

}  // namespace
