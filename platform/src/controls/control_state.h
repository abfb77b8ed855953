// What every system control shares: its C++ state object, kept in the
// window's extra bytes and owned through the window (created at WM_NCCREATE,
// freed at WM_NCDESTROY), the font it was given with WM_SETFONT, the
// notifications it sends to its parent, and scoped DC and font selections.
#pragma once

#include <memory>
#include <string>

#include <windows.h>

namespace plat {

// Offset of the state pointer in the window's extra bytes (cbWndExtra of
// every control class). GWLP_USERDATA stays free for the application, as on
// Windows.
constexpr int kControlStateOffset = 0;
constexpr int kControlExtraBytes = static_cast<int>(sizeof(LONG_PTR));

// Fields every control has; each control's state derives from it.
struct ControlState {
    HFONT font = nullptr;  // from WM_SETFONT; null means DEFAULT_GUI_FONT
};

template <typename State>
State *controlState(HWND hwnd) {
    return reinterpret_cast<State *>(GetWindowLongPtrA(hwnd, kControlStateOffset));
}

// Gives the window a fresh state object; the window owns it from now on.
template <typename State>
State *attachControlState(HWND hwnd) {
    auto state = std::make_unique<State>();
    SetWindowLongPtrA(hwnd, kControlStateOffset, reinterpret_cast<LONG_PTR>(state.get()));
    return state.release();
}

// Takes the state back from the window at WM_NCDESTROY and frees it.
template <typename State>
void releaseControlState(HWND hwnd) {
    std::unique_ptr<State> state(controlState<State>(hwnd));
    SetWindowLongPtrA(hwnd, kControlStateOffset, 0);
}

// WM_SETFONT and WM_GETFONT: keeps the font (repainting when lParam asks
// for it) and answers it back, null while the control uses the default font,
// as Windows answers. True when the message was one of the two.
bool handleFontMessage(HWND hwnd, ControlState &state, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT &result);
// The font to draw with: the one given, else DEFAULT_GUI_FONT.
HFONT controlFont(const ControlState &state);
// Height of a line of text (tmHeight) in the control's font.
int controlLineHeight(HWND hwnd, const ControlState &state);

// WM_COMMAND(MAKEWPARAM(id, code), hwnd) to the parent.
void notifyParent(HWND hwnd, WORD code);
// Asks the parent how to colour the control (WM_CTLCOLORSTATIC, ...EDIT,
// ...LISTBOX, ...BTN with wParam = hdc, lParam = hwnd). A 0 answer means the
// parent's default, which is what DefWindowProcA gives for the message.
HBRUSH controlColorBrush(HWND hwnd, HDC hdc, UINT ctlColorMessage);

// The window text (from DefWindowProcA's store).
std::string controlText(HWND hwnd);
// Mouse position of a mouse message (signed client coordinates).
POINT mousePoint(LPARAM lParam);

// Scoped BeginPaint/EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { hdc_ = BeginPaint(hwnd, &ps_); }
    ~PaintDc() { EndPaint(hwnd_, &ps_); }
    PaintDc(const PaintDc &) = delete;
    PaintDc &operator=(const PaintDc &) = delete;
    HDC hdc() const { return hdc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC hdc_;
};

// Scoped GetDC/ReleaseDC, for measuring text outside WM_PAINT.
class ClientDc {
public:
    explicit ClientDc(HWND hwnd) : hwnd_(hwnd), hdc_(GetDC(hwnd)) {}
    ~ClientDc() {
        if (hdc_) ReleaseDC(hwnd_, hdc_);
    }
    ClientDc(const ClientDc &) = delete;
    ClientDc &operator=(const ClientDc &) = delete;
    HDC hdc() const { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_;
};

// Scoped SelectObject that puts the previous object back.
class ObjectSelection {
public:
    ObjectSelection(HDC hdc, HGDIOBJ object) : hdc_(hdc), previous_(SelectObject(hdc, object)) {}
    ~ObjectSelection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(hdc_, previous_);
    }
    ObjectSelection(const ObjectSelection &) = delete;
    ObjectSelection &operator=(const ObjectSelection &) = delete;

private:
    HDC hdc_;
    HGDIOBJ previous_;
};

}  // namespace plat
