// The image window's mapping and sizing at the ends of the int range: points
// convert saturated into LONG and a client size nobody can have is refused,
// with no signed overflow on the way (UndefinedBehaviorSanitizer under asan).
#include <gtest/gtest.h>

#include <climits>

#include "window/image_window.h"
#include "window/view_geometry.h"
#include "window_test_support.h"

namespace {

using testing_support::HostWindowTest;

constexpr LONG kMax = INT_MAX, kMin = INT_MIN;

TEST(ViewLimits, ConversionsSaturateAtTheLongRange) {
    struct Case {
        LONG point;
        int scroll;
        double zoom;
        LONG toClient, toImage;
    } cases[] = {
        {kMax, 0, 1000.0, kMax, 2147483},     {kMin, 0, 1000.0, kMin, -2147484},
        {kMax, kMax - 1, 1000.0, 1000, kMax}, {kMin, kMax - 1, 0.001, -4294968, kMin},
        {kMax, kMax - 1, 0.001, 0, kMax},     {0, kMax - 1, 1000.0, kMin, kMax - 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.point << " scroll " << c.scroll << " zoom " << c.zoom);
        EXPECT_EQ(host::imageToClient(c.point, c.scroll, c.zoom), c.toClient);
        EXPECT_EQ(host::clientToImage(c.point, c.scroll, c.zoom), c.toImage);
    }
}

class ViewLimitsTest : public HostWindowTest {};

TEST_F(ViewLimitsTest, ClientSizesOutOfRangeAreRefusedWithoutOverflow) {
    HWND w = host::openImageWindow(testing_support::blankImage(40, 30));
    for (int size : {kMax, kMax - 1, 70000}) {
        EXPECT_FALSE(host::setClientSize(w, size, size)) << size;
        RECT client{};
        GetClientRect(w, &client);
        EXPECT_LE(client.right, SHRT_MAX);
        EXPECT_LE(client.bottom, SHRT_MAX);
    }
    EXPECT_TRUE(host::setClientSize(w, 200, 100));
}

}  // namespace
