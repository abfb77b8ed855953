// Debug output, beeps and headless message boxes.
#include <gtest/gtest.h>

#include <cstdlib>

#include <platform/embed.h>

namespace {

TEST(DebugOutput, GoesToStderrOnlyWhenAskedFor) {
    unsetenv("VO_DEBUG_OUTPUT");
    testing::internal::CaptureStderr();
    OutputDebugStringA("quiet\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    setenv("VO_DEBUG_OUTPUT", "1", 1);
    testing::internal::CaptureStderr();
    OutputDebugStringA("loud\n");
    OutputDebugStringA(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "loud\n");
    unsetenv("VO_DEBUG_OUTPUT");
}

TEST(MessageBeep, IsCountedWithItsType) {
    int before = plat::beepCount();
    EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
    MessageBeep(MB_OK);
    EXPECT_EQ(plat::beepCount(), before + 2);
    EXPECT_EQ(plat::lastBeepType(), static_cast<UINT>(MB_OK));
    MessageBeep(MB_ICONHAND);
    EXPECT_EQ(plat::lastBeepType(), static_cast<UINT>(MB_ICONHAND));
}

TEST(MessageBox, AnswersWithTheDefaultButtonAndReportsOnStderr) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "Saved.", "Profile", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "Overwrite?", "Save", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "Go on?", nullptr, MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OKCANCEL | 0x100 /* MB_DEFBUTTON2 */), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", 2 /* MB_ABORTRETRYIGNORE */), IDABORT);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", 5 /* MB_RETRYCANCEL */), IDRETRY);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_YESNO | 0x200 /* MB_DEFBUTTON3: none */), IDYES);
    std::string out = testing::internal::GetCapturedStderr();
    std::string expected =
        "MessageBox: Profile: Saved.\nMessageBox: Save: Overwrite?\nMessageBox: Error: Go on?\n";
    EXPECT_EQ(out.substr(0, expected.size()), expected);
}

}  // namespace
