// Creating profiles: the default line, re-activation of an image's profile,
// the table of 20 slots, initialisation-only calls, and free-form defaults.
#include "module_fixture.h"

#include <platform/embed.h>

#include "core/host_state.h"
#include "window/image_window.h"

using testing_support::ModuleTest;

namespace {

TEST_F(ModuleTest, FirstProfileTakesOneTenthToThreeTenthsOfTheVisibleImage) {
    HWND window = openImage(640, 480, "gray8", "ramp-x");
    host::setClientSize(window, 500, 400);
    ProfileRecord *record = createProfile();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(std::vector<LONG>(record->geometry, record->geometry + 4),
              (std::vector<LONG>{50, 40, 150, 120}));
    EXPECT_EQ(record->sampleCount, 101);
    EXPECT_EQ(record->imageWidth, 640);
    EXPECT_EQ(record->channelCount, 1);
    EXPECT_TRUE(IsWindow(record->profileWnd));
    EXPECT_EQ(reinterpret_cast<ProfileRecord *>(GetWindowLongPtrA(record->profileWnd, DWLP_USER)), record);
    char caption[256];
    GetWindowTextA(record->profileWnd, caption, sizeof caption);
    EXPECT_EQ(std::string(caption).rfind("Line Profile - ", 0), 0u) << caption;
    ASSERT_FALSE(host::state().recorded.empty());
    EXPECT_EQ(host::state().recorded.back(), "VoProfCreate()");
}

TEST_F(ModuleTest, SecondCallOnTheSameImageOnlyRaisesItsWindow) {
    ProfileRecord *first = profileOn(200, 100, "gray8", "ramp-x");
    ASSERT_NE(first, nullptr);
    size_t recorded = host::state().recorded.size();
    ProfileRecord *again = createProfile();
    EXPECT_EQ(again, first);
    EXPECT_EQ(host::state().recorded.size(), recorded) << "nothing is recorded";
    int profiles = 0;
    for (ProfileRecord *slot : profileSlots) profiles += slot != nullptr;
    EXPECT_EQ(profiles, 1);
}

TEST_F(ModuleTest, LastLineCarriesOverWhenItFitsTheNextImage) {
    ProfileRecord *a = profileOn(300, 300, "gray8", "ramp-x");
    ASSERT_TRUE(moveTo(a, 10, 20, 60, 20));
    ProfileRecord *b = profileOn(100, 100, "gray8", "ramp-y");
    ASSERT_NE(b, a);
    EXPECT_EQ(std::vector<LONG>(b->geometry, b->geometry + 4), (std::vector<LONG>{10, 20, 60, 20}));
    ProfileRecord *c = profileOn(40, 40, "gray8", "ramp-y");
    EXPECT_EQ(std::vector<LONG>(c->geometry, c->geometry + 4), (std::vector<LONG>{4, 4, 12, 12}))
        << "the last line reaches beyond the small image";
}

TEST_F(ModuleTest, TwentyFirstProfileFailsAndLeavesTheOthers) {
    for (int i = 0; i < 20; ++i) {
        openImage(50, 50, "gray8", "const:7");
        ASSERT_NE(createProfile(), nullptr) << i;
    }
    openImage(50, 50, "gray8", "const:7");
    EXPECT_EQ(InterfaceFunction(0, host, 0, 0, 0, 0, 0), 0);
    for (ProfileRecord *slot : profileSlots) EXPECT_TRUE(slot && IsWindow(slot->profileWnd));
}

TEST_F(ModuleTest, InitialisationOnlyCallOpensNothing) {
    openImage(50, 50, "gray8", "const:7");
    reportRegistration = nullptr;
    EXPECT_EQ(InterfaceFunction(0, host, 0, 0, 0, -1, 0), 1);
    for (ProfileRecord *slot : profileSlots) EXPECT_EQ(slot, nullptr);
    EXPECT_NE(reportRegistration, nullptr);
}

TEST_F(ModuleTest, FreeformDefaultOpensWithoutAChart) {
    WritePrivateProfileStringA("PROFLIB", "ProfileType", "1018", iniPath.c_str());
    ProfileRecord *record = profileOn(80, 60, "gray8", "const:7");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->geometryCtlId, GEOMETRY_FREEFORM);
    EXPECT_EQ(record->chartHandle, 0u);
    EXPECT_EQ(record->samples, nullptr);
    EXPECT_EQ(host::state().status, "Click and drag to draw lines, double-click to finish.");
}

TEST_F(ModuleTest, ClosingTheCurrentProfileLeavesNoCurrentOne) {
    ProfileRecord *a = profileOn(50, 50, "gray8", "const:7");
    ProfileRecord *b = profileOn(50, 50, "gray8", "const:7");
    WORD slotA = a->slotIndex, slotB = b->slotIndex;
    DestroyWindow(a->profileWnd);
    EXPECT_EQ(currentIndex, slotB) << "closing another window keeps the current one";
    EXPECT_EQ(profileSlots[slotA], nullptr);
    DestroyWindow(b->profileWnd);
    EXPECT_EQ(currentIndex, -1);
    EXPECT_EQ(macro(18150), -1000);
    const std::vector<std::string> &recorded = host::state().recorded;
    ASSERT_GE(recorded.size(), 2u);
    EXPECT_EQ(recorded[recorded.size() - 2], "VoProfSelect(" + std::to_string(slotB) + ")");
    EXPECT_EQ(recorded.back(), "VoProfDestroy()");
}

}  // namespace
