// The frame fixture: see frame_test_support.h.
#include "frame_test_support.h"

#include <fstream>
#include <memory>
#include <sstream>

#include <hostmsg.h>
#include <platform/embed.h>

#include "core/host_reset.h"
#include "frame/frame_window.h"
#include "window/host_window.h"

namespace frame_test {
namespace {

LONG WINAPI fakeInterface(LONG_PTR, HWND host, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR) {
    ++pluginCalls().lineProfile;
    SendMessageA(host, HostRecordMacro, 0, reinterpret_cast<LPARAM>("VoProfCreate()"));
    return 1;
}

LONG WINAPI fakeMacroExec(HWND, WORD code, LONG_PTR *, LONG *) {
    pluginCalls().macroCodes.push_back(code);
    return 1;
}

std::string header(const char *magic, int width, int height) {
    return std::string(magic) + "\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
}

}  // namespace

PluginCalls &pluginCalls() {
    static PluginCalls calls;
    return calls;
}

void FrameTest::SetUp() {
    ScratchDirTest::SetUp();
    host::resetHost();
    pluginCalls() = {};
    host::macro::Context context;
    context.plugin = host::macro::PluginEntryPoints{fakeInterface, fakeMacroExec};
    context.print = [](const std::string &) {};
    host::setFrameMacroContext(std::move(context));
    frame_ = host::showFrameWindow();
    plat::setSaveFileChooser([this](HWND, const OPENFILENAMEA &ofn) -> std::optional<std::string> {
        fileDialogs_.push_back(ofn.lpstrFilter ? ofn.lpstrFilter : "");
        if (fileAnswers_.empty()) return std::nullopt;
        std::optional<std::string> answer = fileAnswers_.front();
        fileAnswers_.pop_front();
        return answer;
    });
}

void FrameTest::TearDown() {
    plat::setSaveFileChooser({});
    plat::setModalIdleHandler({});
    host::resetHost();
    // The next test makes the frame again from a new host window.
    DestroyWindow(host::hostWindow());
    ScratchDirTest::TearDown();
}

std::string FrameTest::writeGray(const std::string &name, int width, int height) const {
    std::string bytes = header("P5", width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bytes += static_cast<char>(x + 10 * y);
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
}

std::string FrameTest::writeRgb(const std::string &name, int width, int height) const {
    std::string bytes = header("P6", width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bytes += {static_cast<char>(x), static_cast<char>(2 * x), static_cast<char>(3 * y)};
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
}

void FrameTest::answerDialog(const std::vector<std::pair<int, std::string>> &edits) {
    auto done = std::make_shared<bool>(false);
    plat::setModalIdleHandler([edits, done]() {
        if (*done) return false;
        *done = true;
        HWND dialog = GetActiveWindow();
        for (const auto &[id, text] : edits) SetDlgItemTextA(dialog, id, text.c_str());
        return plat::clickWindow(GetDlgItem(dialog, IDOK));
    });
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace frame_test
