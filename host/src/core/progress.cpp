// The progress listener the program installs and the stop flag its signal
// handlers set.
#include "core/progress.h"

#include <atomic>
#include <utility>

namespace host {
namespace {

ProgressListener &listener() {
    static ProgressListener installed;
    return installed;
}

// Set from signal handlers: it must not take a lock.
std::atomic<bool> stopFlag{false};
static_assert(std::atomic<bool>::is_always_lock_free);

}  // namespace

void setProgressListener(ProgressListener replacement) {
    listener() = std::move(replacement);
}

void requestStop() noexcept {
    stopFlag.store(true, std::memory_order_relaxed);
}

bool stopRequested() noexcept {
    return stopFlag.load(std::memory_order_relaxed);
}

void clearStopRequest() noexcept {
    stopFlag.store(false, std::memory_order_relaxed);
}

ProgressTask::ProgressTask(std::string name, uint64_t steps) : name_(std::move(name)), steps_(steps) {
    if (listener().started) listener().started(name_);
}

ProgressTask::~ProgressTask() {
    if (listener().finished) listener().finished(name_);
}

bool ProgressTask::advance(uint64_t done) {
    if (steps_ > 0 && done <= steps_) {
        const int percent = static_cast<int>(static_cast<double>(done) * 100.0 / static_cast<double>(steps_));
        if (percent != percent_) {
            percent_ = percent;
            if (listener().advanced) listener().advanced(name_, percent);
        }
    }
    return !stopRequested();
}

}  // namespace host
