// The menu bar of a top-level window and its popups. A popup is a window of
// the menu class "#32768", shown above everything while a menu is open; it
// never takes the activation. Opening a popup sends WM_INITMENU and
// WM_INITMENUPOPUP to the owner first, as Windows does, and choosing an item
// posts WM_COMMAND.
#include <algorithm>
#include <string>

#include "internal/menu.h"
#include "internal/saturate.h"
#include "window/state.h"

namespace plat {

constexpr int kPopupItemHeight = 17;
constexpr int kPopupSeparatorHeight = 9;
constexpr char kMenuClass[] = "#32768";

static HFONT menuFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

static std::string withoutPrefix(const std::string &text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        else if (text[i] == '\t')
            break;
        out += text[i];
    }
    return out;
}

static int textWidth(const std::string &text) {
    HDC hdc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, menuFont());
    SIZE size{0, 0};
    std::string plain = withoutPrefix(text);
    GetTextExtentPoint32A(hdc, plain.c_str(), static_cast<int>(plain.size()), &size);
    SelectObject(hdc, old);
    ReleaseDC(nullptr, hdc);
    return size.cx;
}

// Menu bar item rectangles in window coordinates.
static std::vector<RECT> barLayout(const Window &w) {
    std::vector<RECT> out;
    const std::vector<MenuItem> *items = menuItems(w.menu);
    if (!items) return out;
    RECT in = frameInsets(w.style, w.exStyle, true);
    int top = in.top - kMenuBarHeight, x = in.left;
    for (const MenuItem &item : *items) {
        int width = textWidth(item.text) + 16;
        out.push_back(RECT{x, top, x + width, top + kMenuBarHeight - 1});
        x += width;
    }
    return out;
}

int menuBarItemAt(Window &w, POINT screen) {
    RECT wr = windowRectOnScreen(w);
    POINT p{subSaturated(screen.x, wr.left), subSaturated(screen.y, wr.top)};  // the pointer may be anywhere
    std::vector<RECT> rects = barLayout(w);
    for (size_t i = 0; i < rects.size(); ++i)
        if (p.x >= rects[i].left && p.x < rects[i].right && p.y >= rects[i].top && p.y < rects[i].bottom)
            return static_cast<int>(i);
    return -1;
}

static void drawItemText(HDC hdc, const MenuItem &item, RECT r, bool highlighted, UINT align) {
    bool grey = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
    SetBkMode(hdc, TRANSPARENT);
    HGDIOBJ old = SelectObject(hdc, menuFont());
    if (grey) {
        // Classic embossed grey text: a white copy one pixel down-right.
        RECT shifted{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
        SetTextColor(hdc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(hdc, item.text.c_str(), -1, &shifted, align | DT_VCENTER | DT_SINGLELINE);
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(hdc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    }
    DrawTextA(hdc, item.text.c_str(), -1, &r, align | DT_VCENTER | DT_SINGLELINE);
    SelectObject(hdc, old);
}

void drawMenuBar(Window &w, HDC hdc) {
    const std::vector<MenuItem> *items = menuItems(w.menu);
    if (!items) return;
    RECT in = frameInsets(w.style, w.exStyle, true);
    int width = w.rect.right - w.rect.left;
    RECT bar{in.left, in.top - kMenuBarHeight, width - in.right, in.top};
    FillRect(hdc, &bar, GetSysColorBrush(COLOR_MENU));
    std::vector<RECT> rects = barLayout(w);
    for (size_t i = 0; i < rects.size() && i < items->size(); ++i) {
        const MenuItem &item = (*items)[i];
        bool hot = (item.flags & MF_HILITE) != 0;
        if (hot) FillRect(hdc, &rects[i], GetSysColorBrush(COLOR_HIGHLIGHT));
        drawItemText(hdc, item, rects[i], hot, DT_CENTER);
    }
}

static std::vector<RECT> popupLayout(HMENU menu, int &width, int &height) {
    std::vector<RECT> out;
    const std::vector<MenuItem> *items = menuItems(menu);
    width = 120;
    height = 4;
    if (!items) return out;
    for (const MenuItem &item : *items) width = std::max(width, textWidth(item.text) + 48);
    int y = 2;
    for (const MenuItem &item : *items) {
        int h = (item.flags & MF_SEPARATOR) ? kPopupSeparatorHeight : kPopupItemHeight;
        out.push_back(RECT{2, y, width - 2, y + h});
        y += h;
    }
    height = y + 2;
    return out;
}

static void paintPopup(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    HMENU menu = reinterpret_cast<HMENU>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    int width = 0, height = 0;
    std::vector<RECT> rects = popupLayout(menu, width, height);
    RECT all{0, 0, width, height};
    FillRect(hdc, &all, GetSysColorBrush(COLOR_MENU));
    FrameRect(hdc, &all, GetSysColorBrush(COLOR_3DDKSHADOW));
    const std::vector<MenuItem> *items = menuItems(menu);
    for (size_t i = 0; items && i < rects.size(); ++i) {
        const MenuItem &item = (*items)[i];
        RECT r = rects[i];
        if (item.flags & MF_SEPARATOR) {
            RECT line{r.left + 1, r.top + 4, r.right - 1, r.top + 5};
            FillRect(hdc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
            continue;
        }
        bool hot = (item.flags & MF_HILITE) != 0;
        if (hot) FillRect(hdc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        if (item.flags & MF_CHECKED) {
            RECT tick{r.left + 4, r.top + 5, r.left + 11, r.top + 12};
            FillRect(hdc, &tick, GetSysColorBrush(hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        }
        RECT text{r.left + 18, r.top, r.right - 4, r.bottom};
        drawItemText(hdc, item, text, hot, DT_LEFT);
        if (item.flags & MF_POPUP) {
            RECT arrow{r.right - 10, r.top + 6, r.right - 7, r.top + 11};
            FillRect(hdc, &arrow, GetSysColorBrush(hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        }
    }
    EndPaint(hwnd, &ps);
}

static LRESULT WINAPI PopupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_PAINT:
            paintPopup(hwnd);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

static void registerPopupClass() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSA wc{};
    wc.style = CS_SAVEBITS | CS_GLOBALCLASS;
    wc.lpfnWndProc = PopupProc;
    wc.lpszClassName = kMenuClass;
    RegisterClassA(&wc);
}

static void showPopup(HMENU popup, POINT at) {
    registerPopupClass();
    int width = 0, height = 0;
    popupLayout(popup, width, height);
    wm().popupWindow = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kMenuClass, "", WS_POPUP, at.x, at.y,
                                       width, height, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(wm().popupWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(popup));
    SetWindowPos(wm().popupWindow, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void openMenuBarPopup(Window &w, int index) {
    const std::vector<MenuItem> *items = menuItems(w.menu);
    if (!items || index < 0 || index >= static_cast<int>(items->size())) return;
    HWND owner = w.handle;
    HMENU bar = w.menu;
    closeMenuPopup(false);
    WindowManager &m = wm();
    m.tracking = Tracking::Menu;
    m.trackWindow = owner;
    m.trackMenuIndex = index;
    m.popupOwner = owner;
    deliver(owner, WM_ENTERMENULOOP, FALSE, 0, false);
    deliver(owner, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0, false);
    Window *still = findWindow(owner);
    if (!still || !(items = menuItems(bar)) || index >= static_cast<int>(items->size())) return;
    HMENU popup = (*items)[index].popup;
    setMenuHighlight(bar, index);
    invalidateFrame(*still);
    m.trackMenu = popup;
    if (!popup) return;
    deliver(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(index, FALSE), false);
    if (!(still = findWindow(owner))) return;
    std::vector<RECT> rects = barLayout(*still);
    RECT wr = windowRectOnScreen(*still);
    showPopup(popup, POINT{wr.left + rects[index].left, wr.top + rects[index].bottom + 1});
}

// Clears the keyboard highlight left in a popup and the submenus below it.
static void clearPopupHighlights(HMENU menu) {
    const std::vector<MenuItem> *items = menuItems(menu);
    if (!items) return;
    setMenuHighlight(menu, -1);
    for (const MenuItem &item : *items)
        if (item.flags & MF_POPUP) clearPopupHighlights(item.popup);
}

void hideMenuPopup() {
    WindowManager &m = wm();
    if (Window *w = findWindow(m.popupOwner); w && m.popupWindow) {
        const std::vector<MenuItem> *items = menuItems(w->menu);
        for (size_t i = 0; items && i < items->size(); ++i)
            if ((*items)[i].flags & MF_POPUP) clearPopupHighlights((*items)[i].popup);
    }
    if (m.popupWindow) {
        HWND p = m.popupWindow;
        m.popupWindow = nullptr;
        DestroyWindow(p);
    }
    m.trackMenu = nullptr;
}

void closeMenuPopup(bool sendExit) {
    WindowManager &m = wm();
    HWND owner = m.popupOwner;
    m.menuKeyPending = 0;
    hideMenuPopup();
    if (Window *w = findWindow(owner)) {
        setMenuHighlight(w->menu, -1);
        invalidateFrame(*w);
    }
    if (m.tracking == Tracking::Menu) {
        m.tracking = Tracking::None;
        m.trackWindow = nullptr;
    }
    m.trackMenu = nullptr;
    m.trackMenuIndex = -1;
    m.popupOwner = nullptr;
    if (sendExit && findWindow(owner)) deliver(owner, WM_EXITMENULOOP, FALSE, 0, false);
}

int popupItemAt(POINT screen) {
    Window *p = findWindow(wm().popupWindow);
    if (!p) return -1;
    RECT wr = windowRectOnScreen(*p);
    int width = 0, height = 0;
    std::vector<RECT> rects = popupLayout(wm().trackMenu, width, height);
    POINT local{subSaturated(screen.x, wr.left), subSaturated(screen.y, wr.top)};
    for (size_t i = 0; i < rects.size(); ++i)
        if (local.x >= rects[i].left && local.x < rects[i].right && local.y >= rects[i].top &&
            local.y < rects[i].bottom)
            return static_cast<int>(i);
    return -1;
}

bool isMenuPopupWindow(HWND hwnd) {
    return hwnd && hwnd == wm().popupWindow;
}

void chooseTrackedItem(int position) {
    HMENU menu = wm().trackMenu;
    const std::vector<MenuItem> *items = menuItems(menu);
    HWND owner = wm().popupOwner;
    if (!items || position < 0 || position >= static_cast<int>(items->size())) return;
    MenuItem item = (*items)[position];
    if (item.flags & MF_SEPARATOR) return;
    if (item.flags & MF_POPUP) {
        // A submenu replaces the open popup, beside it.
        deliver(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(item.popup), MAKELPARAM(position, FALSE),
                false);
        Window *p = findWindow(wm().popupWindow);
        POINT at{0, 0};
        if (p) at = POINT{p->rect.right - 4, p->rect.top + 2 + position * kPopupItemHeight};
        if (wm().popupWindow) DestroyWindow(wm().popupWindow);
        wm().popupWindow = nullptr;
        wm().trackMenu = item.popup;
        showPopup(item.popup, at);
        return;
    }
    if (item.flags & (MF_GRAYED | MF_DISABLED)) return;
    closeMenuPopup(true);
    PostMessageA(owner, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
}

// Puts the popup that opened a submenu back where it was: the inverse of the
// submenu's placement above.
void closeSubmenu(HMENU parent, int position) {
    WindowManager &m = wm();
    Window *p = findWindow(m.popupWindow);
    if (!p) return;
    int width = 0, height = 0;
    popupLayout(parent, width, height);
    POINT at{p->rect.left + 4 - width, p->rect.top - 2 - position * kPopupItemHeight};
    setMenuHighlight(m.trackMenu, -1);
    DestroyWindow(m.popupWindow);
    m.popupWindow = nullptr;
    m.trackMenu = parent;
    showPopup(parent, at);
}

void redrawMenuPopup() {
    if (wm().popupWindow) InvalidateRect(wm().popupWindow, nullptr, FALSE);
}

// Finds the path to a command: the bar position and the nested popups.
static bool findCommand(HMENU menu, UINT id, std::vector<std::pair<HMENU, int>> &path) {
    const std::vector<MenuItem> *items = menuItems(menu);
    if (!items) return false;
    for (size_t i = 0; i < items->size(); ++i) {
        const MenuItem &item = (*items)[i];
        path.push_back({menu, static_cast<int>(i)});
        if (!(item.flags & MF_POPUP) && !(item.flags & MF_SEPARATOR) && item.id == id) return true;
        if ((item.flags & MF_POPUP) && findCommand(item.popup, id, path)) return true;
        path.pop_back();
    }
    return false;
}

}  // namespace plat

using namespace plat;

bool plat::chooseMenuItem(HWND hwnd, UINT commandId) {
    Window *w = findWindow(hwnd);
    if (!w || !w->menu) return false;
    std::vector<std::pair<HMENU, int>> path;
    if (!findCommand(w->menu, commandId, path)) return false;
    HMENU bar = w->menu;
    deliver(hwnd, WM_ENTERMENULOOP, FALSE, 0, false);
    deliver(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0, false);
    // Each popup on the way opens in turn; its item state is read after its
    // WM_INITMENUPOPUP, since that is where the owner updates it.
    for (size_t level = 0; level + 1 < path.size(); ++level) {
        const std::vector<MenuItem> *items = menuItems(path[level].first);
        if (!items || !findWindow(hwnd)) return false;
        HMENU popup = (*items)[path[level].second].popup;
        deliver(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                MAKELPARAM(path[level].second, FALSE), false);
    }
    if (!findWindow(hwnd)) return false;
    const std::vector<MenuItem> *items = menuItems(path.back().first);
    bool enabled = items && !((*items)[path.back().second].flags & (MF_GRAYED | MF_DISABLED));
    deliver(hwnd, WM_EXITMENULOOP, FALSE, 0, false);
    if (!enabled) return false;
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    return true;
}

extern "C" {

HMENU WINAPI GetMenu(HWND hwnd) {
    Window *w = findWindow(hwnd);
    return w && !w->isChild() ? w->menu : nullptr;
}

BOOL WINAPI SetMenu(HWND hwnd, HMENU menu) {
    Window *w = findWindow(hwnd);
    if (!w || w->isChild() || (menu && !IsMenu(menu))) return FALSE;
    w->menu = menu;
    // The client area shrinks or grows with the bar, as a frame change does.
    setWindowPosInternal(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL WINAPI DrawMenuBar(HWND hwnd) {
    Window *w = findWindow(hwnd);
    if (!w) return FALSE;
    invalidateFrame(*w);
    return TRUE;
}

}  // extern "C"
