// Macro commands: the pre-dispatch rules and their return codes.
#include "module_fixture.h"

#include "core/host_state.h"

using testing_support::ModuleTest;

namespace {

TEST_F(ModuleTest, CommandsNeedACurrentProfile) {
    EXPECT_EQ(macro(18150), -1000);
    EXPECT_EQ(macro(18999), -1000) << "the profile test comes before the code test";
    WORD index = 7;
    EXPECT_EQ(macro(18160, 109, 0, reinterpret_cast<LONG_PTR>(&index)), 0) << "query 109 needs none";
    EXPECT_EQ(macro(18000), -1000) << "no active image";
}

TEST_F(ModuleTest, LineMoveWithoutAProfileStillSetsTheLastLine) {
    EXPECT_EQ(macro(18020, 5, 6, 30, 6), -1000);
    openImage(100, 100, "gray8", "ramp-x");
    EXPECT_EQ(macro(18000), currentIndex);
    ProfileRecord *r = profileSlots[currentIndex];
    EXPECT_EQ(std::vector<LONG>(r->geometry, r->geometry + 4), (std::vector<LONG>{5, 6, 30, 6}));
    EXPECT_EQ(macro(18020, 1, 1, 1, 1), -1000) << "a single point cannot be adopted";
    EXPECT_EQ(lastGeometry[0], 1) << "but the last line moved";
    EXPECT_EQ(macro(18020, 0, 0, 40, 0), 0);
    EXPECT_EQ(r->sampleCount, 41);
}

TEST_F(ModuleTest, SelectChecksTheSlot) {
    openImage(50, 50, "gray8", "const:1");
    LONG first = macro(18000);
    openImage(50, 50, "gray8", "const:1");
    LONG second = macro(18000);
    EXPECT_EQ(macro(18110, 20), -7);
    EXPECT_EQ(macro(18110, 5), -2);
    EXPECT_EQ(macro(18110, first), 0);
    EXPECT_EQ(currentIndex, first);
    EXPECT_EQ(macro(18010), 0);
    EXPECT_EQ(macro(18110, first), -1000) << "the current profile is gone";
    currentIndex = second;
    EXPECT_EQ(macro(18110, first), -2) << "a closed profile's slot";
}

TEST_F(ModuleTest, AttributesReferenceAndFreeze) {
    openImage(50, 50, "gray8", "ramp-x");
    macro(18000);
    ProfileRecord *r = profileSlots[currentIndex];
    EXPECT_EQ(macro(18120, 114, 1), 0);
    EXPECT_EQ(r->referenceOn, 1u);
    EXPECT_EQ(IsDlgButtonChecked(r->profileWnd, 116), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(r->samples[0], 0.0);
    EXPECT_EQ(macro(18120, 115, 1), 0);
    EXPECT_EQ(r->frozenOn, 1u);
    EXPECT_EQ(macro(18120, 999, 1), 0) << "an attribute not in the table does nothing";
    EXPECT_EQ(macro(18120, 106, 3), 0) << "the function already in use re-reads nothing";
}

TEST_F(ModuleTest, DataQueriesRefuseAChannelTheProfileLacks) {
    openImage(60, 10, "rgb", "ramp-x");
    macro(18000);
    std::vector<float> out(8);
    const auto query = [&](LONG code, LONG channel) {
        return macro(18160, code, channel, reinterpret_cast<LONG_PTR>(out.data()));
    };
    for (LONG code : {103, 105}) {
        EXPECT_EQ(query(code, 2), 0) << code;
        EXPECT_EQ(query(code, 3), -5) << code;
        EXPECT_EQ(query(code, -1), -5) << code;
    }
}

}  // namespace
