// The overlay on the image window, checked on the pixels of the window: the
// white line between black flanks with its handle square, dashed reference and
// dotted frozen copies, the circle's square and chevrons, the XOR drag shape
// that leaves the image as it was, and the overlay coming back after a repaint.
#include "module_fixture.h"

#include <platform/embed.h>

#include "overlay/overlay.h"
#include "sampling/profile_sampling.h"
#include "window/reference_freeze.h"

using testing_support::ModuleTest;

namespace {

constexpr uint32_t kGrey = 0x808080, kWhite = 0xFFFFFF, kBlack = 0x000000;

class OverlayTest : public ModuleTest {
protected:
    ProfileRecord *r = nullptr;
    HWND window = nullptr;
    void SetUp() override {
        ModuleTest::SetUp();
        window = openImage(120, 80, "gray8", "const:128");
        r = createProfile();
        ASSERT_NE(r, nullptr);
        plat::pumpMessages();
    }
    uint32_t px(int x, int y) { return testing_support::windowPixel(window, x, y); }
    void repaint() { InvalidateRect(window, nullptr, FALSE), plat::pumpMessages(); }
};

TEST_F(OverlayTest, LiveLineIsWhiteBetweenBlackFlanksWithASquareAtItsLeftEnd) {
    ASSERT_TRUE(moveTo(r, 100, 40, 20, 40));  // drawn from the right
    repaint();
    EXPECT_EQ(px(60, 40), kWhite);
    EXPECT_EQ(px(60, 39), kBlack);
    EXPECT_EQ(px(60, 41), kBlack);
    EXPECT_EQ(px(60, 38), kGrey);
    EXPECT_EQ(px(20 - 3, 40 - 3), kBlack) << "the square's border at the left end";
    EXPECT_EQ(px(20 - 2, 40 - 2), kWhite) << "its white inside";
    EXPECT_EQ(px(100 + 3, 40 - 3), kGrey) << "no square at the right end";
}

TEST_F(OverlayTest, ReferenceIsDashedAndFrozenDottedWithoutSquares) {
    ASSERT_TRUE(moveTo(r, 10, 20, 110, 20));
    ProfileSetReference(r, 1, nullptr);
    ProfileSetFreeze(r, 1, nullptr);
    ASSERT_TRUE(moveTo(r, 10, 60, 110, 60));
    r->frozenGeometry[1] = r->frozenGeometry[3] = 40;
    repaint();
    int whiteRef = 0, blackRef = 0, whiteFrozen = 0, blackFrozen = 0;
    for (int x = 20; x < 100; ++x) {
        whiteRef += px(x, 20) == kWhite, blackRef += px(x, 20) == kBlack;
        whiteFrozen += px(x, 40) == kWhite, blackFrozen += px(x, 40) == kBlack;
    }
    EXPECT_EQ(whiteRef + blackRef, 80) << "dashes white, gaps black";
    EXPECT_GT(blackRef, 10);
    EXPECT_EQ(whiteFrozen + blackFrozen, 80);
    EXPECT_GT(blackFrozen, whiteFrozen / 2) << "dots are short";
    EXPECT_EQ(px(10 - 2, 20 - 2), kGrey) << "no square on the reference";
}

TEST_F(OverlayTest, CircleHasItsSquareAtTheSideAndChevrons) {
    r->geometryCtlId = GEOMETRY_CIRCLE;
    ASSERT_TRUE(moveTo(r, 20, 10, 100, 70));  // wider than tall: square on the right side
    repaint();
    const int ym = 10 + (70 - 10) / 2;
    EXPECT_EQ(px(100 - 2, ym), kWhite);
    EXPECT_EQ(px(100 - 3, ym - 3), kBlack);
    bool chevron = false;
    for (int y = ym + 3; y <= ym + 12; ++y) chevron |= px(20, y) == kWhite;
    EXPECT_TRUE(chevron) << "the left chevron just below the middle";
}

TEST_F(OverlayTest, DragShapeDrawnTwiceLeavesTheWindowAsItWas) {
    ASSERT_TRUE(moveTo(r, 10, 10, 90, 50));
    plat::pumpMessages();
    auto before = plat::captureWindow(window, true);
    for (LONG i = 0; i < 4; ++i) r->dragGeometry[i] = r->geometry[i] + 3;
    DrawDragShape(r);
    auto during = plat::captureWindow(window, true);
    DrawDragShape(r);
    auto after = plat::captureWindow(window, true);
    ASSERT_TRUE(before && during && after);
    EXPECT_NE(during->pixels, before->pixels);
    EXPECT_EQ(after->pixels, before->pixels);
}

TEST_F(OverlayTest, ErasingLetsThePaintHookDrawWhatRemains) {
    ASSERT_TRUE(moveTo(r, 10, 30, 110, 30));
    repaint();
    EXPECT_EQ(px(50, 30), kWhite);
    r->overlayHidden = 1;
    ProfileEraseOverlay(r);
    EXPECT_EQ(px(50, 30), kGrey) << "hidden: the repaint draws nothing";
    r->overlayHidden = 0;
    ProfileEraseOverlay(r);
    EXPECT_EQ(px(50, 30), kWhite) << "the repaint draws the overlay again";
}

}  // namespace
