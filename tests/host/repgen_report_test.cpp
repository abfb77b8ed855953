// REPGEN32's items and the report command, with report callbacks written in the test.
#include <repgen32.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "image/image_file.h"
#include "libs/report.h"
#include "support/msg_sequence.h"

namespace {

std::vector<std::pair<DWORD, DWORD>> requests;

LONG_PTR globalCopy(const void *bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return reinterpret_cast<LONG_PTR>(block);
}

// Available (for host window 0x1234); named "Profile Chart"; its picture 2 x 2
// bottom-up: red, green over blue, gray.
LONG_PTR CALLBACK chartItem(const DWORD *request, HWND host) {
    requests.emplace_back(request[0], request[1]);
    struct {
        BITMAPINFOHEADER h;
        uint32_t bits[4];
    } dib{{sizeof(BITMAPINFOHEADER), 2, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
          {0x0000FF, 0x808080, 0xFF0000, 0x00FF00}};
    if (request[0] == 0) return host == reinterpret_cast<HWND>(0x1234);
    return request[1] == 1 ? globalCopy("Profile Chart", 14) : globalCopy(&dib, sizeof dib);
}

HREPORTITEM item(const char *name) {
    ReportItemSpec s{1, "", "", "", "", 1};
    std::strcpy(s.name, name);
    HREPORTITEM handle = ReportRegister(&s);
    std::strcpy(s.name, "changed afterwards");  // the host keeps its own copy
    return handle;
}

TEST(Report, EachItemIsAskedAndItsPictureWritten) {
    const std::string dir = ::testing::TempDir() + "/report_" + std::to_string(getpid());
    std::filesystem::create_directories(dir);
    EXPECT_EQ(ReportRegister(nullptr), nullptr);
    HREPORTITEM chart = item("Chart"), other = item("Other");
    ReportSetCallback(chart, chartItem, reinterpret_cast<HWND>(0x1234), 0, 0);
    ReportSetCallback(other, chartItem, nullptr, 0, 0);  // not available for this host window
    item("Without callback");
    std::string error;
    ASSERT_TRUE(host::writeReport(dir, &error)) << error;
    EXPECT_EQ(requests, (std::vector<std::pair<DWORD, DWORD>>{{0, 0}, {1, 1}, {1, 2}, {0, 0}}));
    std::vector<std::string> lines;
    std::ifstream list(dir + "/report.txt");
    for (std::string l; std::getline(list, l);) lines.push_back(l);
    EXPECT_TRUE(testing_support::linesMatch(
        lines,
        {"Profile Chart\tProfile Chart.png", "Other\tnot available", "Without callback\tnot available"}));
    host::ImageResult png = host::loadImage(dir + "/Profile Chart.png");
    ASSERT_TRUE(png.ok()) << png.error;
    EXPECT_EQ(png.image->rgb, (std::vector<uint8_t>{255, 0, 0, 0, 255, 0, 0, 0, 255, 128, 128, 128}));
}

}  // namespace
