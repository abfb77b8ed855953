// The message log and the comparison of logs and line lists with expected tables.
#include "support/msg_sequence.h"

#include <cstdio>
#include <sstream>

namespace testing_support {

const char *messageName(UINT m) {
    switch (m) {
#define NAME(x) \
    case x:     \
        return #x;
        NAME(WM_CREATE)
        NAME(WM_DESTROY) NAME(WM_MOVE) NAME(WM_SIZE) NAME(WM_ACTIVATE) NAME(WM_SETFOCUS) NAME(WM_KILLFOCUS)
            NAME(WM_ENABLE) NAME(WM_SETTEXT) NAME(WM_GETTEXT) NAME(WM_GETTEXTLENGTH) NAME(WM_PAINT) NAME(
                WM_CLOSE) NAME(WM_ERASEBKGND) NAME(WM_SHOWWINDOW) NAME(WM_SETCURSOR) NAME(WM_MOUSEACTIVATE)
                NAME(WM_GETMINMAXINFO) NAME(WM_SETFONT) NAME(WM_GETFONT) NAME(WM_WINDOWPOSCHANGING)
                    NAME(WM_WINDOWPOSCHANGED) NAME(WM_NCCREATE) NAME(WM_NCDESTROY) NAME(WM_NCCALCSIZE)
                        NAME(WM_NCHITTEST) NAME(WM_NCPAINT) NAME(WM_NCACTIVATE) NAME(WM_GETDLGCODE)
                            NAME(WM_NCMOUSEMOVE) NAME(WM_NCLBUTTONDOWN) NAME(WM_NCLBUTTONUP)
                                NAME(WM_NCLBUTTONDBLCLK) NAME(WM_KEYDOWN) NAME(WM_KEYUP) NAME(WM_CHAR)
                                    NAME(WM_INITDIALOG) NAME(WM_COMMAND) NAME(WM_SYSCOMMAND) NAME(WM_INITMENU)
                                        NAME(WM_INITMENUPOPUP) NAME(WM_CTLCOLORSTATIC) NAME(WM_CTLCOLORBTN)
                                            NAME(WM_CTLCOLORDLG) NAME(WM_CTLCOLOREDIT)
                                                NAME(WM_CTLCOLORLISTBOX) NAME(WM_MOUSEMOVE)
                                                    NAME(WM_LBUTTONDOWN) NAME(WM_LBUTTONUP)
                                                        NAME(WM_LBUTTONDBLCLK) NAME(WM_RBUTTONDOWN)
                                                            NAME(WM_RBUTTONUP) NAME(WM_PARENTNOTIFY)
                                                                NAME(WM_ENTERMENULOOP) NAME(WM_EXITMENULOOP)
                                                                    NAME(WM_SIZING) NAME(WM_CAPTURECHANGED)
                                                                        NAME(WM_MOVING) NAME(WM_ENTERSIZEMOVE)
                                                                            NAME(WM_EXITSIZEMOVE)
                                                                                NAME(WM_MDIACTIVATE)
#undef NAME
                                                                                    default : {
            static char buffer[32];
            snprintf(buffer, sizeof buffer, "msg 0x%04x", m);
            return buffer;
        }
    }
}

static MessageLog *active = nullptr;

MessageLog::MessageLog() {
    for (UINT m : std::initializer_list<UINT>{WM_NCHITTEST, WM_SETCURSOR, WM_NCPAINT, WM_PAINT, WM_ERASEBKGND,
                                              WM_GETTEXT, WM_GETTEXTLENGTH, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN,
                                              WM_CTLCOLORDLG, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_GETFONT,
                                              WM_GETDLGCODE, WM_NCMOUSEMOVE, WM_MOUSEMOVE,
                                              static_cast<UINT>(0x0090) /* WM_UAHDESTROYWINDOW */})
        ignored_.insert(m);
    active = this;
    plat::setMessageSpy([this](const plat::SpyMessage &m) {
        if (ignored_.count(m.message)) return;
        if (!windows_.empty() && !windows_.count(m.hwnd)) return;
        log_.push_back(m);
    });
}

MessageLog::MessageLog(std::initializer_list<HWND> windows, std::initializer_list<UINT> kept) : MessageLog() {
    for (HWND hwnd : windows) watch(hwnd);
    for (UINT message : kept) keep(message);
}

MessageLog::~MessageLog() {
    if (active == this) {
        plat::setMessageSpy({});
        active = nullptr;
    }
}

std::vector<UINT> MessageLog::messages() const {
    std::vector<UINT> out;
    for (const auto &m : log_) out.push_back(m.message);
    return out;
}

static std::string describe(const std::vector<plat::SpyMessage> &log) {
    std::ostringstream s;
    for (size_t i = 0; i < log.size(); ++i)
        s << "  " << i << ": " << messageName(log[i].message) << (log[i].posted ? " (posted)" : "")
          << " hwnd=" << log[i].hwnd << " wp=0x" << std::hex << log[i].wParam << " lp=0x" << log[i].lParam
          << std::dec << "\n";
    return s.str();
}

static std::string describe(const std::vector<ExpectedMsg> &expected) {
    std::ostringstream s;
    for (size_t i = 0; i < expected.size(); ++i)
        s << "  " << i << ": " << messageName(expected[i].message)
          << ((expected[i].flags & kOptional) ? " (optional)" : "") << "  // "
          << (expected[i].comment ? expected[i].comment : "") << "\n";
    return s.str();
}

::testing::AssertionResult sequenceMatches(const std::vector<plat::SpyMessage> &log,
                                           const std::vector<ExpectedMsg> &expected, HWND window,
                                           HWND parent) {
    size_t at = 0;
    auto fail = [&](size_t row, const std::string &why) {
        return ::testing::AssertionFailure() << "row " << row << ": " << why << "\nexpected:\n"
                                             << describe(expected) << "logged:\n"
                                             << describe(log);
    };
    for (size_t row = 0; row < expected.size(); ++row) {
        const ExpectedMsg &e = expected[row];
        HWND target = (e.flags & kParent) ? parent : window;
        bool ok = at < log.size() && log[at].message == e.message && (!target || log[at].hwnd == target);
        if (ok && (e.flags & kSent) && log[at].posted) ok = false;
        if (ok && (e.flags & kPosted) && !log[at].posted) ok = false;
        if (ok && (e.flags & kWParam) && log[at].wParam != e.wParam) ok = false;
        if (ok && (e.flags & kLParam) && log[at].lParam != e.lParam) ok = false;
        if (ok) {
            ++at;
            continue;
        }
        if (e.flags & kOptional) continue;
        return fail(row, std::string("expected ") + messageName(e.message) + " at log position " +
                             std::to_string(at));
    }
    if (at != log.size())
        return fail(expected.size(), "unexpected extra messages from log position " + std::to_string(at));
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult linesMatch(const std::vector<std::string> &actual,
                                      const std::vector<std::string> &expected) {
    for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        if (i < actual.size() && i < expected.size() && actual[i] == expected[i]) continue;
        std::ostringstream s;
        s << "first difference at line " << i << "\nexpected:\n";
        for (const auto &l : expected) s << "  [" << l << "]\n";
        s << "actual:\n";
        for (const auto &l : actual) s << "  [" << l << "]\n";
        return ::testing::AssertionFailure() << s.str();
    }
    return ::testing::AssertionSuccess();
}

}  // namespace testing_support
