// The host window fixture: a fresh host state, recording hooks and images.
#include "window_test_support.h"

#include <algorithm>

#include "core/host_reset.h"
#include "core/image_store.h"
#include "window/host_window.h"

namespace testing_support {

static HookRecorder *slots[3] = {};

template <int N>
static LONG CALLBACK slotProc(HWND window, LONG, LONG phase, UINT message, WPARAM wParam, LPARAM lParam) {
    slots[N]->calls.push_back(plat::SpyMessage{window, message, wParam, lParam, phase == HookPhaseObserve});
    return slots[N]->answer ? slots[N]->answer(window, phase, message) : 0;
}

HookRecorder::HookRecorder() {
    static constexpr ClientHookProc kProcs[3] = {slotProc<0>, slotProc<1>, slotProc<2>};
    while (slots[slot_]) ++slot_;
    slots[slot_] = this;
    ClientHookBlock block{1, kProcs[slot_]};
    id = static_cast<LONG>(query(QueryInstallClientHook, reinterpret_cast<LPARAM>(&block)));
}

HookRecorder::~HookRecorder() {
    query(QueryRemoveClientHook, id);
    slots[slot_] = nullptr;
}

std::vector<plat::SpyMessage> HookRecorder::only(const std::vector<UINT> &messages) const {
    std::vector<plat::SpyMessage> out;
    for (const auto &c : calls)
        if (std::count(messages.begin(), messages.end(), c.message)) out.push_back(c);
    return out;
}

void HostWindowTest::SetUp() {
    host::resetHost();
    host::hostWindow();
}

void HostWindowTest::TearDown() {
    host::resetHost();
}

int addGrayImage(host::ImageClass cls, int width, int height, const std::function<double(int, int)> &value) {
    host::Image image;
    image.cls = cls;
    image.width = width;
    image.height = height;
    for (int i = 0; i < width * height; ++i) {
        double v = value(i % width, i / width);
        if (cls == host::ImageClass::Gray8) image.gray8.push_back(static_cast<uint8_t>(v));
        if (cls == host::ImageClass::Float) image.gray32f.push_back(static_cast<float>(v));
        if (cls == host::ImageClass::Gray12 || cls == host::ImageClass::Gray16)
            image.gray16.push_back(static_cast<uint16_t>(v));
    }
    return host::images().add(std::move(image));
}

int blankImage(int width, int height, const std::string &title) {
    int id = addGrayImage(host::ImageClass::Gray8, width, height, [](int, int) { return 0; });
    host::images().find(id)->title = title;
    return id;
}

uint32_t clientPixel(HWND window, int x, int y) {
    auto shot = plat::captureWindow(window, true);
    bool inside = shot && x >= 0 && y >= 0 && x < shot->width && y < shot->height;
    return inside ? shot->pixels[static_cast<size_t>(y * shot->width + x)] : 0xFFFFFFFF;
}

uint32_t sysPixel(int colour) {
    COLORREF c = GetSysColor(colour);
    return uint32_t{GetRValue(c)} << 16 | uint32_t{GetGValue(c)} << 8 | GetBValue(c);
}

LRESULT query(WPARAM code, LPARAM argument) {
    return SendMessageA(host::hostWindow(), HostQuery, code, argument);
}

}  // namespace testing_support
