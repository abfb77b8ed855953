// Macro > Record to file, Stop Recording and Play file: a session recorded
// through the menus, the file it wrote, and the same session played back
// through the menu on a fresh host; errors of a played file.
#include <gtest/gtest.h>

#include <fstream>

#include <hostmsg.h>
#include <platform/embed.h>

#include "core/host_reset.h"
#include "core/host_state.h"
#include "core/image_store.h"
#include "frame/calibration_dialog.h"
#include "frame/frame_commands.h"
#include "frame/frame_window.h"
#include "frame_test_support.h"
#include "window/image_window.h"

namespace frame_test {
namespace {

using namespace host::frame;

TEST_F(FrameTest, RecordedSessionPlaysBack) {
    writeGray("a.pgm", 6, 4);
    EXPECT_FALSE(choose(kCmdMacroStop));
    fileAnswers_ = {path("session.mac")};
    ASSERT_TRUE(choose(kCmdMacroRecord));
    EXPECT_FALSE(choose(kCmdMacroRecord));  // greyed while recording
    fileAnswers_ = {path("a.pgm")};
    ASSERT_TRUE(choose(kCmdFileOpen));
    ASSERT_TRUE(choose(kCmdImageZoomIn));
    answerDialog({{kCalibrationEditIds[0], "0.1"}, {kCalibrationEditIds[2], "mm"}});
    ASSERT_TRUE(choose(kCmdImageCalSpatial));
    ASSERT_TRUE(choose(kCmdAnalysisLineProfile));
    // Statements the plug-in records reach the file as they come.
    SendMessageA(frame_, HostRecordMacro, 0, reinterpret_cast<LPARAM>("VoProfLineMove(1, 1, 5, 3)"));
    const std::string open = "ImgOpen(\"" + path("a.pgm") + "\")\n";
    const std::string recorded = open +
                                 "ImgZoom(2)\n"
                                 "CalSpatial(0.1, 1, \"mm\")\n"
                                 "VoProfCreate()\n"
                                 "VoProfLineMove(1, 1, 5, 3)\n";
    EXPECT_EQ(readFile(path("session.mac")), recorded);
    ASSERT_TRUE(choose(kCmdMacroStop));
    ASSERT_TRUE(choose(kCmdFileClose));  // after Stop: not in the file
    EXPECT_EQ(readFile(path("session.mac")), recorded);

    host::resetHost();
    frame_ = host::showFrameWindow();
    pluginCalls() = {};
    fileAnswers_ = {path("session.mac")};
    ASSERT_TRUE(choose(kCmdMacroPlay));
    EXPECT_TRUE(fileAnswers_.empty());
    ASSERT_EQ(host::images().ids().size(), 1u);
    EXPECT_EQ(host::zoomOf(host::activeImageWindow()), 2);
    const host::Image *image = host::images().find(host::activeImageId());
    ASSERT_TRUE(image->spatial);
    EXPECT_EQ(image->spatial->xScale, 0.1);
    EXPECT_EQ(image->spatial->unit, "mm");
    // The plug-in's statements went back to the plug-in, by their codes.
    EXPECT_EQ(pluginCalls().macroCodes, (std::vector<WORD>{18000, 18020}));
}

TEST_F(FrameTest, PlayedFileErrorsNameTheLine) {
    std::ofstream(path("bad.mac"))
        << "ImgNew(8, 8, \"gray8\", \"const:1\")\nImgZoom(2)\nImgZoom(-1)\nImgZoom(3)\n";
    std::string error;
    EXPECT_FALSE(host::playMacroFile(path("bad.mac"), &error));
    EXPECT_EQ(error.rfind(path("bad.mac") + ":3:9: ", 0), 0u) << error;
    EXPECT_EQ(host::zoomOf(host::activeImageWindow()), 2);  // stopped at line 3
    EXPECT_FALSE(host::playMacroFile(path("none.mac"), &error));
    EXPECT_NE(error.find("none.mac"), std::string::npos);
    // Through the menu the error is a message box.
    testing::internal::CaptureStderr();
    fileAnswers_ = {path("bad.mac")};
    EXPECT_TRUE(choose(kCmdMacroPlay));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("bad.mac:3:9: "), std::string::npos);
}

TEST_F(FrameTest, RecordingToAnUnwritablePlaceIsRefused) {
    testing::internal::CaptureStderr();
    fileAnswers_ = {path("no/such/folder/x.mac")};
    EXPECT_TRUE(choose(kCmdMacroRecord));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("x.mac"), std::string::npos);
    EXPECT_FALSE(choose(kCmdMacroStop));  // nothing is being recorded
}

}  // namespace
}  // namespace frame_test
