// The interactive message box: see message_box_dialog.h.
//
// The template only names the controls; their places are worked out in
// pixels once the dialog exists, from the text as the dialog font lays it
// out. The buttons are subclassed to give Enter, Escape and Tab a message
// box's meaning (Tab goes along every button, Escape answers only where the
// box has a way out) instead of the dialog's.
#include "dialog/message_box_dialog.h"

#include <algorithm>

#include "internal/dialog.h"
#include "window/state.h"

namespace plat {
namespace {

constexpr int kTextId = 0xFFFF;  // the static holding the text (IDC_STATIC)

// Sizes in dialog units.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;
constexpr int kTextGap = 10;        // between the text and the buttons
constexpr int kMaxTextWidth = 260;  // where lines wrap
constexpr int kMinTextHeight = 8;

const char *buttonLabel(int id) {
    struct Label {
        int id;
        const char *text;
    };
    static constexpr Label kLabels[] = {
        {IDOK, "OK"},       {IDCANCEL, "Cancel"},       {IDABORT, "Abort"},
        {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"},       {IDYES, "Yes"},
        {IDNO, "No"},       {kIdTryAgain, "Try Again"}, {kIdContinue, "Continue"},
    };
    for (const Label &label : kLabels)
        if (label.id == id) return label.text;
    return "";
}

WNDPROC gButtonProc = nullptr;

const MessageBoxContent &contentOf(HWND dialog) {
    return *reinterpret_cast<const MessageBoxContent *>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Tab (Shift+Tab backwards) moves the focus along the row of buttons.
void moveFocus(HWND dialog, HWND from) {
    const std::vector<int> &ids = contentOf(dialog).buttons;
    auto at = std::find(ids.begin(), ids.end(), GetDlgCtrlID(from));
    if (at == ids.end()) return;
    size_t index = static_cast<size_t>(at - ids.begin());
    size_t step = GetKeyState(VK_SHIFT) < 0 ? ids.size() - 1 : 1;
    SetFocus(GetDlgItem(dialog, ids[(index + step) % ids.size()]));
}

LRESULT CALLBACK buttonKeys(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    // The buttons take their keys themselves, before the dialog's keyboard handling.
    if (message == WM_GETDLGCODE && lParam != 0)
        return CallWindowProcA(gButtonProc, button, message, wParam, lParam) | DLGC_WANTALLKEYS;
    if (message == WM_KEYDOWN) {
        HWND dialog = GetParent(button);
        switch (wParam) {
            case VK_RETURN:
                press(dialog, GetDlgCtrlID(button));
                return 0;
            case VK_ESCAPE:
                if (int id = contentOf(dialog).escapeId) press(dialog, id);
                return 0;
            case VK_TAB:
                moveFocus(dialog, button);
                return 0;
            default:
                break;
        }
    }
    return CallWindowProcA(gButtonProc, button, message, wParam, lParam);
}

// The text's size in pixels as the static control will wrap it.
SIZE measureText(HWND dialog, const std::string &text, int maxWidth) {
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    RECT r{0, 0, maxWidth, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// Dialog units to pixels for this dialog's font.
RECT unitsRect(HWND dialog, int x, int y, int cx, int cy) {
    RECT r{x, y, x + cx, y + cy};
    MapDialogRect(dialog, &r);
    return r;
}

// Over the owner's window, or the screen without one; never off the screen's top left.
void centre(HWND dialog, HWND owner, SIZE client) {
    RECT outer{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) GetWindowRect(owner, &area);
    int x = std::max<int>(0, (area.left + area.right - width) / 2);
    int y = std::max<int>(0, (area.top + area.bottom - height) / 2);
    SetWindowPos(dialog, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Text on top, the buttons centred in a row below it.
void layOut(HWND dialog) {
    const MessageBoxContent &content = contentOf(dialog);
    RECT margin = unitsRect(dialog, kMargin, kMargin, kMaxTextWidth, kMinTextHeight);
    RECT button = unitsRect(dialog, kButtonGap, kTextGap, kButtonWidth, kButtonHeight);
    const int count = static_cast<int>(content.buttons.size());
    const int buttonW = button.right - button.left, buttonH = button.bottom - button.top;
    const int rowWidth = count * buttonW + (count - 1) * button.left;
    SIZE text = measureText(dialog, content.text, margin.right - margin.left);
    text.cy = std::max<LONG>(text.cy, margin.bottom - margin.top);
    SIZE client{std::max<LONG>(text.cx, rowWidth) + 2 * margin.left, 0};
    MoveWindow(GetDlgItem(dialog, kTextId), margin.left, margin.top, text.cx, text.cy, FALSE);
    int x = (client.cx - rowWidth) / 2, y = margin.top + text.cy + button.top;
    for (int id : content.buttons) {
        MoveWindow(GetDlgItem(dialog, id), x, y, buttonW, buttonH, FALSE);
        x += buttonW + button.left;
    }
    client.cy = y + buttonH + margin.top;
    centre(dialog, GetWindow(dialog, GW_OWNER), client);
}

INT_PTR CALLBACK messageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            for (int id : contentOf(dialog).buttons)
                gButtonProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                    GetDlgItem(dialog, id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buttonKeys)));
            layOut(dialog);
            return TRUE;  // the focus goes to the default button, the only tab stop
        case WM_COMMAND: {
            const MessageBoxContent &content = contentOf(dialog);
            int id = LOWORD(wParam);
            // Cancel from the close box or an ended modal loop, in a box without a
            // Cancel button, is answered as a headless box answers.
            if (id == IDCANCEL && content.escapeId != IDCANCEL) id = content.buttons[content.defaultIndex];
            if (std::find(content.buttons.begin(), content.buttons.end(), id) == content.buttons.end())
                return FALSE;
            EndDialog(dialog, id);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

// Only the default button is a tab stop, so that the dialog gives it the
// focus; Tab moves along the row through the buttons' own key handling.
res::DialogTemplate messageBoxTemplate(const MessageBoxContent &content) {
    res::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK;
    t.cx = kMaxTextWidth;
    t.cy = kButtonHeight;
    t.caption = content.caption;
    t.pointSize = 8;
    t.fontName = "MS Sans Serif";
    const int defaultId = content.buttons[content.defaultIndex];
    for (int id : content.buttons) {
        DWORD style = id == defaultId ? BS_DEFPUSHBUTTON | WS_TABSTOP : BS_PUSHBUTTON;
        t.controls.push_back(
            res::childControl("button", buttonLabel(id), id, style, 0, 0, kButtonWidth, kButtonHeight));
    }
    t.controls.push_back(res::childControl("static", content.text, kTextId, SS_LEFT | SS_NOPREFIX, 0, 0,
                                           kMaxTextWidth, kMinTextHeight));
    return t;
}

}  // namespace

bool modalInputExpected() {
    return static_cast<bool>(wm().idleHandler);
}

int runMessageBoxDialog(HWND owner, const MessageBoxContent &content) {
    if (content.buttons.empty() || content.defaultIndex >= content.buttons.size()) return 0;
    HWND top = owner && IsWindow(owner) ? topLevelOf(owner) : nullptr;
    HWND dialog = createDialogIndirect(nullptr, messageBoxTemplate(content), top, messageBoxProc,
                                       reinterpret_cast<LPARAM>(&content));
    if (!dialog) return 0;
    INT_PTR pressed = runModalDialog(dialog, top);
    return pressed > 0 ? static_cast<int>(pressed) : 0;
}

}  // namespace plat
