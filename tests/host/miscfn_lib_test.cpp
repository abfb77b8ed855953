// MISCFN32: file modes, the header lines of saved files byte for byte,
// window positions through a real INI file, panels and the move cursor.
#include <miscfn32.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "core/host_state.h"
#include "core/image_store.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

const std::string kPath = ::testing::TempDir() + "/miscfn_" + std::to_string(getpid());

std::string contents() {
    std::stringstream s;
    s << std::ifstream(kPath, std::ios::binary).rdbuf();
    return s.str();
}

TEST(MiscFnFiles, EachModeOpensAsDocumented) {
    const char *p = kPath.c_str();
    EXPECT_EQ(FileOpen(p, FILEOPEN_WRITE), HFILE_ERROR) << "write alone does not create";
    HFILE f = FileOpen(p, FILEOPEN_WRITE | FILEOPEN_CREATE);
    EXPECT_TRUE(FileWrite(f, "abc", 3) == 3 && FileClose(f) == 0);
    f = FileOpen(p, FILEOPEN_WRITE);  // appending: the contents stay, _llseek goes to the end
    EXPECT_TRUE(_llseek(f, 0, FILE_END) == 3 && FileWrite(f, "\r\n", 2) == 2);
    EXPECT_EQ(FileWrite(f, "", 0), 0) << "writing nothing must not cut the file";
    FileClose(f);
    char buffer[8] = {};
    f = FileOpen(p, FILEOPEN_READ);
    EXPECT_TRUE(FileRead(f, buffer, 8) == 5 && FileWrite(f, "x", 1) == -1);
    EXPECT_STREQ(buffer, "abc\r\n");
    FileClose(f);
    FileClose(FileOpen(p, FILEOPEN_WRITE | FILEOPEN_CREATE));  // create empties
    EXPECT_TRUE(contents().empty() && FileOpen(p, FILEOPEN_EXIST) == 0 && FileOpen(p, FILEOPEN_DELETE) == 0);
    EXPECT_TRUE(FileOpen(p, FILEOPEN_EXIST) == HFILE_ERROR && FileOpen(p, FILEOPEN_DELETE) == HFILE_ERROR);
}

// A file written anew or appended to on a full disk (a forked child whose
// files may not pass 100 bytes, SIGXFSZ ignored): the write fails, closing
// says so, and the file keeps exactly its old bytes.
TEST(MiscFnFiles, AWriteThatFailsLeavesTheOldFile) {
    const UINT kModes[] = {FILEOPEN_WRITE | FILEOPEN_CREATE, FILEOPEN_WRITE};
    for (UINT mode : kModes) {
        std::ofstream(kPath, std::ios::binary) << "old bytes";
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit cap{100, 100};
            setrlimit(RLIMIT_FSIZE, &cap);
            HFILE f = FileOpen(kPath.c_str(), mode);
            _llseek(f, 0, FILE_END);
            const std::string big(1000, 'n');
            const bool failed = FileWrite(f, big.data(), static_cast<LONG>(big.size())) == -1;
            const bool closeFailed = FileClose(f) == HFILE_ERROR;
            _exit(failed && closeFailed ? 0 : 1);
        }
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0) << "mode " << mode;
        EXPECT_EQ(contents(), "old bytes") << "mode " << mode;
    }
    // Until a replacement is closed, the old file is what others see.
    HFILE f = FileOpen(kPath.c_str(), FILEOPEN_WRITE | FILEOPEN_CREATE);
    FileWrite(f, "new", 3);
    EXPECT_EQ(contents(), "old bytes");
    EXPECT_EQ(FileClose(f), 0);
    EXPECT_EQ(contents(), "new");
}

std::string headerOf(bool calibrated, const char *epoch) {
    int id = blankImage(640, 480, "cells 01.tif");
    if (calibrated) {
        host::images().find(id)->spatial = host::SpatialCalibration{0.5, 0.125, "um"};
        host::images().find(id)->intensity = host::IntensityCalibration{-10, 0.25, "OD"};
        host::images().find(id)->path = "/data/cells 01.tif";
    }
    setenv("SOURCE_DATE_EPOCH", epoch, 1);
    HFILE f = FileOpen(kPath.c_str(), FILEOPEN_WRITE | FILEOPEN_CREATE);
    WriteHeaderStamp(f);
    WriteImageInfo(f, nullptr, id);
    WriteSpatialCalInfo(f, CalGetSpatial(id));
    WriteIntensityCalInfo(f, CalGetIntensity(id));
    FileClose(f);
    return contents();
}

TEST(MiscFnHeader, LinesWithAndWithoutCalibrations) {
    EXPECT_EQ(headerOf(true, "1700000000"),
              "# Saved: 2023-11-14 22:13:20\r\n"
              "# Host: voprof " VO_VERSION
              "\r\n"
              "# Image: cells 01.tif (640 x 480, 8-bit gray)\r\n"
              "# Image file: /data/cells 01.tif\r\n"
              "# Spatial calibration: 0.5 x 0.125 um per pixel\r\n"
              "# Intensity calibration: -10 + 0.25 x value, OD\r\n");
    std::string plain = headerOf(false, "0");
    EXPECT_EQ(plain.substr(0, 30), "# Saved: 1970-01-01 00:00:00\r\n");
    EXPECT_EQ(plain.substr(plain.find("# Spatial")),
              "# Spatial calibration: none\r\n# Intensity calibration: none\r\n");
}

// A 200 x 150 window at (100, 120) (any top-level window will do) and an empty INI file.
class MiscFnWindowTest : public HostWindowTest {
protected:
    HWND window = nullptr;
    void SetUp() override {
        HostWindowTest::SetUp();
        host::state().iniPath = kPath + ".ini";
        std::remove(host::state().iniPath.c_str());
        window = CreateWindowExA(0, "VoHost", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 120, 200, 150,
                                 nullptr, nullptr, nullptr, nullptr);
    }
    BOOL restore(const char *stored = nullptr) {
        if (stored) WritePrivateProfileStringA("Pos", "Main", stored, host::state().iniPath.c_str());
        return RestoreWindowPos(window, nullptr, "Pos", "Main");
    }
    bool at(LONG left, LONG top, LONG width, LONG height) {
        RECT r{};
        GetWindowRect(window, &r);
        return r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height;
    }
};

TEST_F(MiscFnWindowTest, APositionComesBackAtTheWindowsPresentSizeWhenOneIsStored) {
    EXPECT_TRUE(!restore() && at(100, 120, 200, 150)) << "nothing stored";
    ASSERT_TRUE(SaveWindowPos(window, nullptr, "Pos", "Main"));
    char text[32] = "";
    GetPrivateProfileStringA("Pos", "Main", "", text, sizeof text, host::state().iniPath.c_str());
    EXPECT_STREQ(text, "100 120 300 270");
    MoveWindow(window, 10, 20, 250, 180, TRUE);
    EXPECT_TRUE(restore() && at(100, 120, 250, 180));
    EXPECT_TRUE(!restore("1 2 x 4") && at(100, 120, 250, 180)) << "nothing usable stored";
    EXPECT_TRUE(restore("5000 -300 5200 -150") && at(GetSystemMetrics(SM_CXSCREEN) - 250, 0, 250, 180));
}

// A white area with a panel at (2, 2)-(10, 8): framed, then filled.
TEST_F(MiscFnWindowTest, PanelsFrameSunkenOrFill) {
    HDC dc = GetDC(window);
    RECT all{0, 0, 12, 10}, area{2, 2, 10, 8};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PaintPanel(dc, &area, 6, 15);
    const int frame[][3] = {{2, 2, COLOR_BTNSHADOW},    {8, 2, COLOR_BTNSHADOW},  {9, 2, COLOR_BTNHIGHLIGHT},
                            {2, 7, COLOR_BTNHIGHLIGHT}, {3, 3, COLOR_3DDKSHADOW}, {3, 6, COLOR_3DLIGHT}};
    for (const auto &f : frame)
        EXPECT_EQ(clientPixel(window, f[0], f[1]), sysPixel(f[2])) << f[0] << "," << f[1];
    EXPECT_TRUE(clientPixel(window, 4, 4) == 0xFFFFFF && clientPixel(window, 1, 1) == 0xFFFFFF);
    PaintPanel(dc, &area, 6, 2);
    EXPECT_TRUE(clientPixel(window, 2, 2) == sysPixel(COLOR_BTNFACE) &&
                clientPixel(window, 9, 7) == sysPixel(COLOR_BTNFACE));
    ReleaseDC(window, dc);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(MoveCursorId())), LoadCursorA(nullptr, IDC_SIZEALL));
}

}  // namespace
