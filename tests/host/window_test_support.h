// For the host window tests: a fresh host state, recording hooks, images.
#pragma once

#include <functional>

#include <hostmsg.h>

#include "core/image.h"
#include "support/msg_sequence.h"

namespace testing_support {

// A hook installed with HostQuery 6 as a plug-in installs it. Calls are logged
// in the spy's form (hwnd = the window argument); those with HookPhaseObserve
// count as posted, so tables tell the phases apart with kSent and kPosted.
// `answer` gives the result (0 when unset). At most three at once.
class HookRecorder {
public:
    HookRecorder();
    ~HookRecorder();
    LONG id = -1;
    std::vector<plat::SpyMessage> calls;
    std::function<LONG(HWND window, LONG phase, UINT message)> answer;
    std::vector<plat::SpyMessage> only(const std::vector<UINT> &messages) const;

private:
    int slot_ = 0;
};

// Each test starts and ends with host::resetHost, the host window in place.
class HostWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// A gray image with pixel (x, y) = value(x, y); blankImage: 8-bit zeros.
int addGrayImage(host::ImageClass cls, int width, int height, const std::function<double(int, int)> &value);
int blankImage(int width, int height, const std::string &title = "test");
uint32_t clientPixel(HWND window, int x, int y);  // 0x00RRGGBB as shown
uint32_t sysPixel(int colour);                    // GetSysColor as a pixel
LRESULT query(WPARAM code, LPARAM argument);      // HostQuery to the host window

}  // namespace testing_support
