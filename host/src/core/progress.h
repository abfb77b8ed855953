// The seam between the host's long work (making and reading large images,
// playing a script) and the program around it: the work reports how far it
// has come and asks whether to go on; the program decides what to show and
// when to ask for a stop (Ctrl+C). The host never prints progress itself, and
// with no listener installed (the tests, the module) nothing is shown.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace host {

// What the program is told of long work. Tasks nest (an image made while a
// script plays); `started` and `finished` come in pairs, innermost first.
struct ProgressListener {
    std::function<void(const std::string &task)> started;
    std::function<void(const std::string &task, int percent)> advanced;  // whole percent, when it changes
    std::function<void(const std::string &task)> finished;               // done or stopped early
};

// Replaces the listener; an empty one shows nothing.
void setProgressListener(ProgressListener listener);

// Asks long work to stop at its next check point. Only sets a lock-free flag,
// so a signal handler may call it.
void requestStop() noexcept;
bool stopRequested() noexcept;
void clearStopRequest() noexcept;

// One piece of long work counted in steps (rows, statements). Reports each
// change of its whole percent and, at every step, whether to go on.
class ProgressTask {
public:
    ProgressTask(std::string name, uint64_t steps);
    ~ProgressTask();
    ProgressTask(const ProgressTask &) = delete;
    ProgressTask &operator=(const ProgressTask &) = delete;

    // `done` of the steps are complete. False when a stop was asked for: the
    // work should end now, leaving nothing half made behind.
    bool advance(uint64_t done);

private:
    std::string name_;
    uint64_t steps_;
    int percent_ = 0;
};

}  // namespace host
