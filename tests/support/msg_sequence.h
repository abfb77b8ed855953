// Message-sequence checking in the manner of Wine's user32 tests: a scenario
// is a static table of the messages expected, each row saying what to
// compare; a spy logs what was delivered; one helper compares the two and,
// on mismatch, names the first differing row and prints both sequences.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include <platform/embed.h>
#include <windows.h>

namespace testing_support {

enum MsgFlags : unsigned {
    kSent = 0x1,       // must have been sent (not posted)
    kPosted = 0x2,     // must have been posted
    kWParam = 0x4,     // compare wParam
    kLParam = 0x8,     // compare lParam
    kOptional = 0x10,  // may be missing
    kParent = 0x20,    // delivered to the parent (second logged window), not the window
};

struct ExpectedMsg {
    UINT message;
    unsigned flags;
    WPARAM wParam;
    LPARAM lParam;
    const char *comment;  // the call that produces it
};

const char *messageName(UINT message);

// Logs messages delivered to a set of windows (all windows when the set is
// empty), leaving out the noisy ones (hit tests, cursors, painting) unless
// asked for.
class MessageLog {
public:
    MessageLog();
    // Watches `windows` and keeps `kept`, as watch() and keep() one by one do.
    explicit MessageLog(std::initializer_list<HWND> windows, std::initializer_list<UINT> kept = {});
    ~MessageLog();
    void watch(HWND hwnd) { windows_.insert(hwnd); }
    void ignore(UINT message) { ignored_.insert(message); }
    void keep(UINT message) { ignored_.erase(message); }
    void clear() { log_.clear(); }
    const std::vector<plat::SpyMessage> &entries() const { return log_; }
    std::vector<UINT> messages() const;

private:
    std::set<HWND> windows_;
    std::set<UINT> ignored_;
    std::vector<plat::SpyMessage> log_;
};

// Compares a log with a table; `window` is the window the rows refer to and
// `parent` the one rows flagged kParent refer to.
::testing::AssertionResult sequenceMatches(const std::vector<plat::SpyMessage> &log,
                                           const std::vector<ExpectedMsg> &expected, HWND window,
                                           HWND parent = nullptr);

// Compares two lists of text lines (recorded statements, file lines) and
// reports the first differing line with both lists.
::testing::AssertionResult linesMatch(const std::vector<std::string> &actual,
                                      const std::vector<std::string> &expected);

}  // namespace testing_support
