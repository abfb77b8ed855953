// The statistics column of the profile window: labels and values per mode,
// and the channel button on gray and colour images.
#include "module_fixture.h"

#include <string>
#include <vector>

#include <chartw32.h>

#include "export/format_number.h"
#include "sampling/statistics.h"
#include "sampling/stats_display.h"

using testing_support::ModuleTest;

namespace {

using Texts = std::vector<std::string>;

// The value and label texts after showing the record in a mode (the percent row only in range
// mode), then the channel button's text or "-" when it is hidden.
Texts Column(ProfileRecord *r, WORD mode) {
    Texts texts;
    r->statsMode = mode;
    ProfileStatsLabels(r->profileWnd);
    ProfileShowStats(r->profileWnd);
    for (int id = 103; id <= 115; ++id) {
        char text[64] = "";
        GetDlgItemTextA(r->profileWnd, id, text, sizeof text);
        if (id == 115 && !(GetWindowLongA(GetDlgItem(r->profileWnd, id), GWL_STYLE) & WS_VISIBLE))
            texts.push_back("-");
        else if (id < 113 || id == 115 || mode == 2)
            texts.push_back(text);
    }
    return texts;
}

// The front channel plot is the third of the sequence.
void BringToFront(ProfileRecord *r, int channel) {
    for (int c : {channel, (channel + 1) % 3, (channel + 2) % 3})
        ChartAttr(r->chartHandle, CHARTATTR_SET | CHARTATTR_TOHEAD, r->livePlots[c], 0, nullptr);
    ProfileStatistics(r);
}

TEST_F(ModuleTest, GrayImageColumnsPerModeAndUnfinishedFreeform) {
    ProfileRecord *r = profileOn(120, 4, "gray8", "ramp-x");
    ASSERT_TRUE(r);
    r->rangeMarkers[0] = r->rangeMarkers[1] = 3;  // coinciding markers are reset to 10 and 89
    ASSERT_TRUE(moveTo(r, 0, 1, 99, 1));
    char sd[32];
    std::string stddev = FormatNumber(r->stats[3], sd, 9);  // the host's choice of divisor
    EXPECT_EQ(Column(r, 1), (Texts{"Mean:", "49.50", "StdDev:", stddev, "Y Min:", "0", "Y Max:", "99",
                                   "Sum:", "4950", "-"}));
    EXPECT_EQ(Column(r, 2),
              (Texts{"X1:", "10", "Y1:", "10", "X2:", "89", "Y2:", "89", "Area:", "3960", "%:", "80", "-"}));
    r->stats[4] = 7.25;
    EXPECT_EQ(Column(r, 0), (Texts{"X1:", "10", "Y1:", "10", "X2:", "89", "Y2:", "89", "Area:", "3960", "-"}))
        << "mode 0 leaves the column alone";
    EXPECT_EQ(Column(r, 1)[1], "7.250");
    r->stats[4] = 1.5;
    r->geometryCtlId = GEOMETRY_FREEFORM;
    r->freeformCount = 1;
    EXPECT_EQ(Column(r, 1)[1], "7.250") << "one vertex: the last figures stay";
    r->freeformCount = 2;
    EXPECT_EQ(Column(r, 1)[1], "1.50");
}

TEST_F(ModuleTest, ColourImageNamesTheFrontChannel) {
    openImage(40, 10, "rgb", "ramp-x");  // red x, green y, blue x + y
    ProfileRecord *r = createProfile();
    ASSERT_TRUE(r && moveTo(r, 0, 2, 9, 2));
    r->rangeMarkers[0] = 1;
    r->rangeMarkers[1] = 8;
    BringToFront(r, 0);
    Texts statistics = Column(r, 1);
    EXPECT_EQ(statistics[1] + " " + statistics[7] + " " + statistics.back(), "4.50 9 Red");
    BringToFront(r, 1);
    EXPECT_EQ(Column(r, 2),
              (Texts{"X1:", "1", "Y1:", "2", "X2:", "8", "Y2:", "2", "Area:", "16", "%:", "80", "Green"}));
    const char *names[][3] = {{"Red", "Green", "Blue"},
                              {"Hue", "Saturation", "Intensity"},
                              {"Hue", "Saturation", "Value"},
                              {"Luminance", "In-Phase", "Quadtrature"}};
    for (DWORD model = 0; model <= 4; ++model) {
        r->colorModel = model;  // 0, never chosen, reads as RGB
        for (int c = 0; c < 3; ++c) {
            BringToFront(r, c);
            EXPECT_EQ(Column(r, 2).back(), names[model ? model - 1 : 0][c]) << model << " " << c;
        }
    }
}

}  // namespace
