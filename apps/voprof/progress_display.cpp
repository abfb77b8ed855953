// Progress lines on stderr for long work, and the signal handlers that turn
// Ctrl+C into the host's stop request. The clock here only decides whether
// progress is shown; it never changes what a script does.
#include "progress_display.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/progress.h"

namespace host::cli {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kQuietTime = std::chrono::seconds(1);  // work this short shows nothing
constexpr int kPlainStep = 25;                        // percent between plain lines

struct ShownTask {
    std::string name;
    Clock::time_point start;
    int lastPlain = -1;  // the last plain line's step (percent / kPlainStep)
};

struct Display {
    bool terminal = false;
    bool lineOpen = false;         // a rewritten line is on the terminal
    std::vector<ShownTask> tasks;  // innermost last
};

Display &display() {
    static Display d;
    return d;
}

void show(ShownTask &task, int percent) {
    Display &d = display();
    if (Clock::now() - task.start < kQuietTime) return;
    const std::string text = task.name + ": " + std::to_string(percent) + "%";
    if (d.terminal) {
        std::fprintf(stderr, "\r%s\033[K", text.c_str());
        d.lineOpen = true;
    } else if (percent < 100 && percent / kPlainStep > task.lastPlain) {
        task.lastPlain = percent / kPlainStep;
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

void onStarted(const std::string &name) {
    display().tasks.push_back(ShownTask{name, Clock::now()});
}

void onAdvanced(const std::string &name, int percent) {
    Display &d = display();
    if (!d.tasks.empty() && d.tasks.back().name == name) show(d.tasks.back(), percent);
}

void onFinished(const std::string &) {
    Display &d = display();
    if (!d.tasks.empty()) d.tasks.pop_back();
    eraseProgressLine();
}

extern "C" void stopAtNextCheckPoint(int) {
    requestStop();
}

}  // namespace

void installProgressDisplay() {
    const char *setting = std::getenv("VO_PROGRESS");
    if (setting && std::string(setting) == "0") return;
    display().terminal = isatty(STDERR_FILENO) == 1;
    setProgressListener(ProgressListener{onStarted, onAdvanced, onFinished});
}

void eraseProgressLine() {
    Display &d = display();
    if (!d.lineOpen) return;
    std::fputs("\r\033[K", stderr);
    d.lineOpen = false;
}

void catchInterrupts() {
    struct sigaction action {};
    action.sa_handler = stopAtNextCheckPoint;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // a write under way goes on rather than failing with EINTR
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace host::cli
