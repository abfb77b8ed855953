// Settings through a real INI file: the defaults of an empty file, the keys a
// closing window writes and the next window reads, the save options' low byte
// dropped, and the statistics mode following the window closed last.
#include <fstream>
#include <sstream>

#include <platform/embed.h>

#include "frame/settings.h"
#include "module_fixture.h"
#include "window/window_layout.h"

using testing_support::ModuleTest;

namespace {

class SettingsTest : public ModuleTest {
protected:
    // A profile on a new image (an image shows one profile at most).
    ProfileRecord *open() {
        ProfileRecord *r = profileOn(100, 60, "gray8", "ramp-x");
        plat::pumpMessages();
        return r;
    }
    void close(ProfileRecord *r) {
        DestroyWindow(r->profileWnd);
        plat::pumpMessages();
    }
    std::string ini() const {
        std::ifstream in(iniPath);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void write(const char *key, const char *value) {
        WritePrivateProfileStringA("PROFLIB", key, value, iniPath.c_str());
    }
};

TEST_F(SettingsTest, AnEmptyFileGivesTheDefaults) {
    ProfileRecord *r = open();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->geometryCtlId, GEOMETRY_LINE);
    EXPECT_EQ(r->thickMode, 0);
    EXPECT_EQ(r->thickFunction, 3);
    EXPECT_EQ(r->spatialCalOn, 1u);
    EXPECT_EQ(r->intensityCalOn, 1u);
    EXPECT_EQ(r->colorModel, 0u);
    EXPECT_EQ(r->statsMode, 2) << "range/area";
    EXPECT_EQ(r->fullScale, 1u) << "a window always opens at full scale";
    EXPECT_EQ(saveOptions, 0);
}

TEST_F(SettingsTest, AGeometryThatDoesNotExistOpensAsALine) {
    for (const char *value : {"5", "1015", "1019", "-1"}) {
        write("ProfileType", value);
        ProfileRecord *r = open();
        ASSERT_NE(r, nullptr) << "ProfileType=" << value;
        EXPECT_EQ(r->geometryCtlId, GEOMETRY_LINE) << value;
        EXPECT_EQ(r->geometryType, 0) << value;
        EXPECT_GT(r->sampleCount, 1) << value;
        close(r);
    }
}

TEST_F(SettingsTest, AClosingWindowWritesWhatTheNextOneReads) {
    ProfileRecord *r = open();
    r->thickFunction = 4, r->colorModel = 3, r->spatialCalOn = 0, r->fullScale = 0;
    SetStatsMode(r->profileWnd, r, 1);
    saveOptions = 0x700;
    close(r);
    const std::string text = ini();
    for (const char *line : {"SaveHeader=1792", "Display=1", "ProfileType=1016", "SCalib=0", "ICalib=1",
                             "ProfType=0", "ThickFunc=4", "ColorMode=3", "FullScale=0"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    saveOptions = 0;
    r = open();
    EXPECT_EQ(r->thickFunction, 4);
    EXPECT_EQ(r->colorModel, 3u);
    EXPECT_EQ(r->spatialCalOn, 0u);
    EXPECT_EQ(r->statsMode, 1);
    EXPECT_EQ(saveOptions, 0x700);
}

TEST_F(SettingsTest, SaveOptionsDropTheLowByte) {
    write("SaveHeader", "1793");
    hostWindow = host;  // the window the module asks for the INI path
    LoadProfileSettings(host, nullptr);
    EXPECT_EQ(saveOptions, 0x700);
}

TEST_F(SettingsTest, TheWindowClosedLastDecidesTheStatisticsMode) {
    ProfileRecord *a = open();
    ProfileRecord *b = open();
    SetStatsMode(a->profileWnd, a, 0);
    SetStatsMode(b->profileWnd, b, 1);  // the mode is module-wide: the last one set wins
    close(a);
    EXPECT_NE(ini().find("Display=1"), std::string::npos);
    SetStatsMode(b->profileWnd, b, 0);
    close(b);
    EXPECT_NE(ini().find("Display=0"), std::string::npos);
    EXPECT_EQ(open()->statsMode, 0);
}

}  // namespace
