// A second thread for work that splits in two (decoding, filling a large
// image): started when the system has one to give, joined on every way out.
#pragma once

#include <system_error>
#include <thread>
#include <utility>

namespace host {

// A running thread, or none when the system has no thread to give: the
// caller then does all the work itself.
template <class Work>
std::thread startThread(Work work) {
    try {
        return std::thread(std::move(work));
    } catch (const std::system_error &) {
        return std::thread();
    }
}

// Joins the thread when leaving the scope, exceptions included: a thread
// still joinable when destroyed would end the process.
struct ThreadJoiner {
    std::thread &thread;
    ~ThreadJoiner() {
        if (thread.joinable()) thread.join();
    }
};

}  // namespace host
