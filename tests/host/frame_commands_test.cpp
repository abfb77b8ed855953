// The frame's menu commands as a hand chooses them, one session in a table:
// after each command, what images are open, their zoom and calibrations, the
// plug-in's calls and the files written.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include <platform/embed.h>

#include "core/host_state.h"
#include "core/image_store.h"
#include "frame/calibration_dialog.h"
#include "frame/frame_commands.h"
#include "frame/frame_window.h"
#include "frame_test_support.h"
#include "image/image_file.h"
#include "window/image_window.h"

namespace frame_test {
namespace {

using namespace host::frame;

// "images=1 zoom=2 spatial=0.5,0.25,um intensity=none profiles=0".
std::string summary() {
    std::string text = "images=" + std::to_string(host::images().ids().size());
    const host::Image *image = host::images().find(host::activeImageId());
    if (image) {
        char part[160];
        std::snprintf(part, sizeof part, " zoom=%g", host::zoomOf(host::activeImageWindow()));
        text += part;
        if (image->spatial) {
            std::snprintf(part, sizeof part, " spatial=%g,%g,%s", image->spatial->xScale,
                          image->spatial->yScale, image->spatial->unit.c_str());
            text += part;
        }
        if (image->intensity) {
            std::snprintf(part, sizeof part, " intensity=%g,%g,%s", image->intensity->offset,
                          image->intensity->scale, image->intensity->unit.c_str());
            text += part;
        }
    }
    return text + " profiles=" + std::to_string(pluginCalls().lineProfile);
}

struct Step {
    unsigned command;
    std::vector<std::optional<std::string>> files;    // file dialog answers (names in the scratch folder)
    std::vector<std::pair<int, std::string>> dialog;  // a modal dialog's edits, then OK
    bool enabled;                                     // whether the item can be chosen
    const char *after;                                // summary() once it ran
};

const Step kSession[] = {
    {kCmdFileClose, {}, {}, false, "images=0 profiles=0"},
    {kCmdAnalysisLineProfile, {}, {}, false, "images=0 profiles=0"},
    {kCmdFileOpen, {std::nullopt}, {}, true, "images=0 profiles=0"},
    {kCmdFileOpen, {"a.pgm"}, {}, true, "images=1 zoom=1 profiles=0"},
    {kCmdImageZoomIn, {}, {}, true, "images=1 zoom=2 profiles=0"},
    {kCmdImageZoomIn, {}, {}, true, "images=1 zoom=4 profiles=0"},
    {kCmdImageZoomOut, {}, {}, true, "images=1 zoom=2 profiles=0"},
    {kCmdImageZoomActual, {}, {}, true, "images=1 zoom=1 profiles=0"},
    {kCmdImageCalSpatial,
     {},
     {{kCalibrationEditIds[0], "0.5"}, {kCalibrationEditIds[1], " 0.25 "}, {kCalibrationEditIds[2], "um"}},
     true,
     "images=1 zoom=1 spatial=0.5,0.25,um profiles=0"},
    {kCmdImageCalIntensity,
     {},
     {{kCalibrationEditIds[0], "-10"}, {kCalibrationEditIds[1], "2e-1"}, {kCalibrationEditIds[2], "OD"}},
     true,
     "images=1 zoom=1 spatial=0.5,0.25,um intensity=-10,0.2,OD profiles=0"},
    // Cancel leaves the calibration as it was.
    {kCmdImageCalSpatial,
     {},
     {},
     true,
     "images=1 zoom=1 spatial=0.5,0.25,um intensity=-10,0.2,OD profiles=0"},
    {kCmdFileSaveAs,
     {"saved.png"},
     {},
     true,
     "images=1 zoom=1 spatial=0.5,0.25,um intensity=-10,0.2,OD profiles=0"},
    {kCmdAnalysisLineProfile,
     {},
     {},
     true,
     "images=1 zoom=1 spatial=0.5,0.25,um intensity=-10,0.2,OD profiles=1"},
    {kCmdFileOpen, {"a.pgm"}, {}, true, "images=2 zoom=1 profiles=1"},
    {kCmdFileClose, {}, {}, true, "images=1 zoom=1 spatial=0.5,0.25,um intensity=-10,0.2,OD profiles=1"},
    {kCmdFileClose, {}, {}, true, "images=0 profiles=1"},
    {kCmdImageZoomIn, {}, {}, false, "images=0 profiles=1"},
    {kCmdImageCalIntensity, {}, {}, false, "images=0 profiles=1"},
    {kCmdFileSaveAs, {}, {}, false, "images=0 profiles=1"},
};

TEST_F(FrameTest, SessionThroughTheMenus) {
    writeGray("a.pgm", 6, 4);
    for (size_t i = 0; i < std::size(kSession); ++i) {
        const Step &step = kSession[i];
        SCOPED_TRACE("step " + std::to_string(i));
        for (const auto &file : step.files) fileAnswers_.push_back(file ? std::optional(path(*file)) : file);
        if (!step.dialog.empty()) answerDialog(step.dialog);
        EXPECT_EQ(choose(step.command), step.enabled);
        plat::setModalIdleHandler({});
        EXPECT_TRUE(fileAnswers_.empty());
        EXPECT_EQ(summary(), step.after);
    }
    // The saved file is the image with its calibration in micrometres.
    host::ImageResult saved = host::loadImage(path("saved.png"));
    ASSERT_TRUE(saved.ok()) << saved.error;
    EXPECT_EQ(saved.image->width, 6);
    EXPECT_EQ(saved.image->gray(5, 3), 35);
    ASSERT_TRUE(saved.image->spatial);
    EXPECT_NEAR(saved.image->spatial->xScale, 0.5, 1e-3);
    // The session's statements are recorded in a form the interpreter plays back.
    const std::string open = "ImgOpen(\"" + path("a.pgm") + "\")";
    const std::vector<std::string> expected = {open,
                                               "ImgZoom(2)",
                                               "ImgZoom(4)",
                                               "ImgZoom(2)",
                                               "ImgZoom(1)",
                                               "CalSpatial(0.5, 0.25, \"um\")",
                                               "CalIntensity(-10, 0.2, \"OD\")",
                                               "ImgSave(\"" + path("saved.png") + "\")",
                                               "VoProfCreate()",
                                               open,
                                               "ImgClose()",
                                               "ImgClose()"};
    EXPECT_EQ(host::state().recorded, expected);
}

// Keys typed into the next modal dialog: Tab and Return as keys, the rest as characters.
void typeIntoDialog(const std::string &keys) {
    plat::setModalIdleHandler([keys, done = false]() mutable {
        if (std::exchange(done, true)) return false;
        for (char c : keys) {
            if (c != '\t' && c != '\r') {
                plat::inputChar(static_cast<unsigned char>(c));
                continue;
            }
            plat::inputKeyDown(c == '\t' ? VK_TAB : VK_RETURN);
            plat::inputKeyUp(c == '\t' ? VK_TAB : VK_RETURN);
        }
        return true;
    });
}

TEST_F(FrameTest, CalibrationDialogTakesTheKeyboard) {
    ASSERT_TRUE(host::openImageFile(writeGray("a.pgm", 4, 4)));
    // Each box's text is selected as the focus reaches it, so typing replaces it.
    typeIntoDialog("0.5\t0.25\tum\r");
    EXPECT_TRUE(choose(kCmdImageCalSpatial));
    typeIntoDialog("2\t\t\t\t\r");  // Tab past the unit and OK to Cancel, which Return presses
    EXPECT_TRUE(choose(kCmdImageCalIntensity));
    plat::setModalIdleHandler({});
    EXPECT_EQ(summary(), "images=1 zoom=1 spatial=0.5,0.25,um profiles=0");
}

// Alt+F opens the File menu and O chooses "Open image...", as the mouse would.
// Alt+F then O opens the Open dialog, from the frame and again from the
// image window it opened (which has no menu bar: its keys go to the frame's).
TEST_F(FrameTest, FileMenuWorksWithTheKeyboard) {
    writeGray("a.pgm", 6, 4);
    writeGray("b.pgm", 5, 3);
    fileAnswers_ = {path("a.pgm"), path("b.pgm")};
    auto press = [](int vk) {
        plat::inputKeyDown(vk);
        plat::inputKeyUp(vk);
    };
    for (const char *after : {"images=1 zoom=1 profiles=0", "images=2 zoom=1 profiles=0"}) {
        plat::inputKeyDown(VK_MENU);
        press('F');
        plat::inputKeyUp(VK_MENU);
        press('O');
        plat::pumpMessages();
        EXPECT_EQ(summary(), after);
    }
    EXPECT_EQ(fileDialogs_.size(), 2u);
    EXPECT_TRUE(fileAnswers_.empty());
}

TEST_F(FrameTest, FrameCoversTheScreenBeneathItsWindows) {
    char caption[32] = "";
    GetWindowTextA(frame_, caption, sizeof caption);
    EXPECT_STREQ(caption, "VOPROF32");
    EXPECT_TRUE(IsWindowVisible(frame_));
    ASSERT_NE(GetMenu(frame_), nullptr);
    RECT r{};
    GetWindowRect(frame_, &r);
    const SIZE screen = plat::screenSize();
    EXPECT_LE(r.left, 0);
    EXPECT_LE(r.top, 0);
    EXPECT_GE(r.right, screen.cx);
    EXPECT_GE(r.bottom, screen.cy);
    ASSERT_TRUE(host::openImageFile(writeGray("a.pgm", 8, 8)));
    // The image window lies inside the client area, below the menu bar.
    HWND image = host::activeImageWindow();
    RECT ir{};
    GetWindowRect(image, &ir);
    POINT origin{0, 0};
    ClientToScreen(frame_, &origin);
    EXPECT_GE(ir.top, origin.y);
    // A click on the frame activates it, yet the image window stays above.
    plat::inputMouseMove(screen.cx / 2, screen.cy - 40);
    plat::inputMouseDown(plat::MouseButton::Left);
    plat::inputMouseUp(plat::MouseButton::Left);
    plat::pumpMessages();
    EXPECT_EQ(GetActiveWindow(), frame_);
    EXPECT_EQ(WindowFromPoint(POINT{(ir.left + ir.right) / 2, (ir.top + ir.bottom) / 2}), image);
    // A smaller screen: the frame follows it.
    plat::setScreenSize(800, 600);
    host::fitFrameToScreen();
    GetWindowRect(frame_, &r);
    EXPECT_EQ(r.right + r.left, 800);
    EXPECT_EQ(r.bottom + r.top, 600);
    plat::setScreenSize(screen.cx, screen.cy);
    host::fitFrameToScreen();
}

TEST_F(FrameTest, FailuresAreToldAndChangeNothing) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(host::openImageFile(path("missing.tif")));
    std::filesystem::create_directory(path("folder.png"));
    ASSERT_TRUE(host::openImageFile(writeGray("a.pgm", 4, 4)));
    fileAnswers_.push_back(path("folder.png"));
    EXPECT_TRUE(choose(kCmdFileSaveAs));
    // A value that is not a number is named, and the dialog stays open (then Cancel).
    answerDialog({{kCalibrationEditIds[0], "1,5"}});
    EXPECT_TRUE(choose(kCmdImageCalSpatial));
    // A number the calibration refuses is the statement's own message.
    answerDialog({{kCalibrationEditIds[1], "0"}});
    EXPECT_TRUE(choose(kCmdImageCalIntensity));
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("missing.tif"), std::string::npos) << told;
    EXPECT_NE(told.find("folder.png"), std::string::npos) << told;
    EXPECT_NE(told.find("'1,5' is not a number (X scale"), std::string::npos) << told;
    EXPECT_NE(told.find("Cannot calibrate the image"), std::string::npos) << told;
    EXPECT_EQ(host::images().ids().size(), 1u);
    const host::Image *image = host::images().find(host::activeImageId());
    EXPECT_FALSE(image->spatial);
    EXPECT_FALSE(image->intensity);
    EXPECT_EQ(host::state().recorded, std::vector<std::string>{"ImgOpen(\"" + path("a.pgm") + "\")"});
}

TEST_F(FrameTest, ExitIsRequestedByTheMenuOrByClosing) {
    EXPECT_FALSE(host::frameExitRequested());
    EXPECT_TRUE(choose(kCmdFileExit));
    EXPECT_TRUE(host::frameExitRequested());
    EXPECT_TRUE(IsWindow(frame_));  // the program embedding the host ends it
    EXPECT_EQ(host::showFrameWindow(), frame_);
    EXPECT_FALSE(host::frameExitRequested());
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(host::frameExitRequested());
    EXPECT_TRUE(IsWindow(frame_));
}

}  // namespace
}  // namespace frame_test
