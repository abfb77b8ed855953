// Host statements on images, where they fail: without an image window, with
// values the image's class cannot hold (leaving the pixels as they were),
// with a window size, zoom or scroll origin that cannot be. What they do when
// they work is shown by the end-to-end scripts (tests/scripts/host_*.mac).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/host_reset.h"
#include "core/image_store.h"
#include "macro_test_support.h"
#include "window/image_window.h"

namespace {

using macro_test::play;

class MacroImageTest : public testing::Test {
protected:
    void TearDown() override { host::resetHost(); }
};

TEST_F(MacroImageTest, StatementsOnTheActiveImageNeedOne) {
    for (const char *statement :
         {"ImgClose()", "ImgInfo()", "ImgSave(\"a.tif\")", "ImgZoom(2)", "ImgScroll(0, 0)", "ImgWindow(9, 9)",
          "ImgPixel(0, 0)", "ImgFill(0, 0, 1, 1, 1)", "MouseMove(1, 1)", "Drag(1, 1, 2, 2)",
          "KeyDown(\"left\")", "Snapshot(\"image\", \"x.png\")", "CalSpatial(1, 1, \"um\")",
          "CalIntensity(0, 1, \"\")"})
        EXPECT_EQ(play(statement).errorText(), "t.mac:1:1: no image window is open") << statement;
}

TEST_F(MacroImageTest, PixelValuesMustFitTheClass) {
    ASSERT_FALSE(play("ImgNew(10, 8, \"gray12\", \"ramp-x\")").error);
    const auto before = host::images().find(host::activeImageId())->gray16;
    const std::pair<const char *, const char *> cases[] = {
        {"ImgSetPixel(0, 0, 4096)", "4096 is not a gray12 value (whole, 0 to 4095)"},
        {"ImgSetPixel(0, 0, -1)", "-1 is not a gray12 value (whole, 0 to 4095)"},
        {"ImgSetPixel(0, 0, 2.5)", "2.5 is not a gray12 value (whole, 0 to 4095)"},
        {"ImgSetPixel(0, 0, 1, 2, 3)", "a gray12 image takes one value"},
        {"ImgFill(0, 0, 10, 1, 5)", "(0, 0) to (10, 1) is not inside the 10 x 8 image"},
        {"ImgPixel(-1, 0)", "(-1, 0) is not inside the 10 x 8 image"},
    };
    for (const auto &[statement, message] : cases)
        EXPECT_EQ(play(statement).errorText(), std::string("t.mac:1:1: ") + message) << statement;
    EXPECT_EQ(host::images().find(host::activeImageId())->gray16, before);
    ASSERT_FALSE(play("ImgNew(2, 2, \"rgb\", \"const:0,0,0\")").error);
    EXPECT_EQ(play("ImgSetPixel(0, 0, 255, 256, 0)").errorText(),
              "t.mac:1:1: 256 is not a rgb value (whole, 0 to 255)");
    EXPECT_EQ(play("ImgSetPixel(0, 0, 1)").errorText(),
              "t.mac:1:1: a rgb image takes three values (r, g, b)");
}

TEST_F(MacroImageTest, WindowZoomAndScrollMustBePossible) {
    ASSERT_FALSE(play("ImgNew(64, 48, \"gray8\", \"ramp-x\")").error);
    EXPECT_EQ(play("ImgZoom(0)").errorText(), "t.mac:1:9: the zoom must be a number from 0.001 to 1000");
    EXPECT_EQ(play("ImgScroll(64, 0)").errorText(),
              "t.mac:1:1: the scroll origin must be a pixel of the image");
    EXPECT_EQ(play("ImgWindow(0, 10)").errorText(),
              "t.mac:1:11: 0 is out of range: this argument takes 1 to 32767");
    EXPECT_EQ(play("ImgSelect(999)").errorText(), "t.mac:1:11: no image 999 is open");
    // Numbers past what a window coordinate or a zoom can be stop at the statement.
    EXPECT_EQ(play("ImgZoom(1e300)").errorText(), "t.mac:1:9: the zoom must be a number from 0.001 to 1000");
    EXPECT_EQ(play("MouseMove(2147483647, 5)").errorText(),
              "t.mac:1:11: 2147483647 is out of range: this argument takes -32768 to 32767");
    EXPECT_EQ(play("Drag(0, 0, 5, -40000)").errorText(),
              "t.mac:1:15: -40000 is out of range: this argument takes -32768 to 32767");
    // A named pipe is refused at once instead of blocking on the open.
    const std::string fifo =
        (std::filesystem::temp_directory_path() / ("vo_fifo_" + std::to_string(getpid()))).string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(play("ImgOpen(\"" + fifo + "\")").errorText().find("not a regular file"), std::string::npos);
    std::filesystem::remove(fifo);
    EXPECT_EQ(play("KeyDown(\"f13\")").errorText(), "t.mac:1:9: unknown key 'f13'");
    EXPECT_NE(play("ImgOpen(\"no/such.tif\")").errorText().find("t.mac:1:9: no/such.tif"), std::string::npos);
    EXPECT_NE(play("ImgNew(8, 4, \"gray9\", \"ramp-x\")").errorText().find("gray9"), std::string::npos);
    EXPECT_EQ(host::zoomOf(host::activeImageWindow()), 1.0);
}

}  // namespace
