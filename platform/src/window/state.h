// The window manager's state: classes, windows, z-order, activation, focus,
// capture, the posted-message queue, the pointer, the keys held and the open
// menu. One instance per process, reached through wm() and put back to a
// fresh start by resetWindowManager(); everything runs on the one GUI thread.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <platform/embed.h>
#include <windows.h>

#include "internal/handles.h"
#include "internal/surface.h"

namespace plat {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;  // null for global (system) classes
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::vector<uint8_t> extra;
};

enum class ShowState { Normal, Minimized, Maximized };

struct Window {
    HWND handle = nullptr;
    WindowClass *cls = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;  // child windows
    HWND owner = nullptr;   // top-level windows
    HINSTANCE instance = nullptr;
    UINT_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<uint8_t> extra;  // cbWndExtra bytes (dialogs: DWLP_* slots)
    std::string text;
    HMENU menu = nullptr;

    RECT rect{};        // window rectangle, in the parent's client coordinates (screen for top-levels)
    RECT client{};      // client rectangle, relative to the window rectangle's top-left corner
    RECT normalRect{};  // the restored placement while minimised or maximised
    ShowState show = ShowState::Normal;
    std::vector<HWND> children;  // z-order, topmost first

    bool created = false;     // WM_NCCREATE/WM_CREATE went through
    bool destroying = false;  // DestroyWindow under way
    bool updatePending = false;
    bool eraseNeeded = false;
    bool framePending = false;
    RECT updateRect{};  // client coordinates
    bool inPaint = false;

    std::unique_ptr<Surface> surface;  // top-level windows only

    // Dialogs
    bool isDialog = false;
    bool dialogEnded = false;
    INT_PTR dialogResult = 0;
    HFONT dialogFont = nullptr;
    int baseUnitX = 0;  // dialog base units (pixels per 4 horizontal, 8 vertical dialog units)
    int baseUnitY = 0;
    HWND savedFocus = nullptr;

    bool isChild() const { return (style & WS_CHILD) != 0; }
    bool visible() const { return (style & WS_VISIBLE) != 0; }
};

// Frame and caption metrics of the classic look (pixels).
constexpr int kThickFrame = 4;
constexpr int kDialogFrame = 3;
constexpr int kCaptionHeight = 19;  // includes the line under the caption
constexpr int kMenuBarHeight = 19;
constexpr int kIconicSize = 36;     // a minimised top-level window is a 36 x 36 tile
constexpr int kCaptionButton = 16;  // width of the minimise/maximise/close boxes

struct PostedMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A shown top-level window where the last screen-change check saw it.
struct TopPlacement {
    HWND hwnd = nullptr;
    RECT rect{};
    bool operator==(const TopPlacement &o) const {
        return hwnd == o.hwnd && rect.left == o.rect.left && rect.top == o.rect.top &&
               rect.right == o.rect.right && rect.bottom == o.rect.bottom;
    }
};

// What the pointer is doing beyond plain delivery: dragging a frame, or a menu open.
enum class Tracking { None, Move, Size, Menu };

struct WindowManager {
    HandleTable<Window> windows{kWindowHandleBase};
    std::vector<std::unique_ptr<WindowClass>> classes;
    ATOM nextAtom = 0xC000;
    std::vector<HWND> topLevels;  // z-order, topmost first

    HWND active = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr;
    bool clipOn = false;
    RECT clip{};
    POINT cursor{0, 0};
    bool shift = false;
    bool control = false;
    bool buttons[3] = {false, false, false};
    std::set<int> keysDown;  // virtual keys pressed through the input seam
    HWND lastHover = nullptr;
    // A non-client press, so that its release on the same spot carries out
    // the caption button or menu-bar command there.
    HWND pressedNcWindow = nullptr;
    LRESULT pressedNcHit = HTNOWHERE;

    std::deque<PostedMessage> queue;
    bool quitPosted = false;
    int quitCode = 0;
    int sendDepth = 0;

    int screenWidth = 1280;
    int screenHeight = 1024;
    // Screen changes for presenters (screen_changes.cpp).
    uint64_t screenRevision = 0;
    RECT screenDirty{};
    std::vector<TopPlacement> shownTops;
    // Characters come through inputChar only, not from key presses.
    bool typedCharacters = false;

    std::function<void(const SpyMessage &)> spy;
    std::function<bool()> idleHandler;

    // Frame drags and menus.
    Tracking tracking = Tracking::None;
    HWND trackWindow = nullptr;
    int trackHit = 0;
    POINT trackStart{};
    RECT trackStartRect{};
    HMENU trackMenu = nullptr;   // the open popup
    int trackMenuIndex = -1;     // its position in the menu bar
    HWND popupWindow = nullptr;  // the window showing trackMenu
    HWND popupOwner = nullptr;   // the window whose menu bar it belongs to
    // Alt or F10 pressed with no other key since: its release enters the menu.
    WPARAM menuKeyPending = 0;
};

WindowManager &wm();
Window *findWindow(HWND hwnd);
WindowClass *findClass(const char *name, HINSTANCE instance);

// Delivery (messages.cpp).
LRESULT deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted = false);

// Geometry (geometry.cpp).
RECT frameInsets(DWORD style, DWORD exStyle, bool hasMenu);  // left, top, right, bottom thicknesses
void recomputeClient(Window &w);
POINT clientOriginOnScreen(const Window &w);
POINT windowOriginOnScreen(const Window &w);
RECT windowRectOnScreen(const Window &w);
HWND topLevelOf(HWND hwnd);
bool isAncestorVisible(const Window &w);

// Surfaces and painting (paint.cpp). A top-level window's surface is made
// when the window is first shown or drawn on: a window that stays hidden
// (the host window of a command-line run) never holds one.
void ensureSurface(Window &w);
// Follows a change of size or visibility: the surface of a window that has
// one, or is now shown, takes the window's size.
void fitSurface(Window &w);
void invalidateWindow(Window &w, const RECT *clientRect, bool erase, bool children);
void invalidateFrame(Window &w);
bool paintPending();
void paintAll();
void paintWindowTree(HWND hwnd);

// Screen changes (screen_changes.cpp): a part of the screen drawn on or uncovered.
void markScreenDirty(const RECT &screenRect);

// Position and show state (position.cpp).
bool setWindowPosInternal(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
MINMAXINFO queryMinMax(Window &w);

// Activation (activation.cpp).
void activateWindow(HWND hwnd, WORD how);
// Passes the activation on from a window that is being hidden, minimised or
// destroyed (see activation.cpp for the choice).
enum class Leaving { Hidden, Minimised, Destroyed };
void activateNextWindow(HWND leaving, HWND owner, Leaving how);
void setFocusInternal(HWND hwnd);

// Non-client area (nonclient.cpp).
LRESULT defaultHitTest(Window &w, POINT screenPoint);
void paintNonClient(Window &w);

// Menu bar (menubar.cpp).
int menuBarItemAt(Window &w, POINT screenPoint);
void openMenuBarPopup(Window &w, int index);
void closeMenuPopup(bool sendExit);
int popupItemAt(POINT screenPoint);
void chooseTrackedItem(int position);
void drawMenuBar(Window &w, HDC hdc);
bool isMenuPopupWindow(HWND hwnd);
// Closes the open popup, staying in the menu with its bar item highlighted.
void hideMenuPopup();
// Leaves an open submenu for the popup holding it (at that position).
void closeSubmenu(HMENU parent, int position);
void redrawMenuPopup();

// The keyboard in menus (menu_keys.cpp).
// WM_SYSCOMMAND SC_KEYMENU: 0 enters the menu bar, a character opens the bar
// popup with that mnemonic.
void keyMenuCommand(Window &w, LPARAM character);
// A key pressed while a menu is open; every key goes to the menu.
void menuKeyDown(int vk);

// Dialogs (dialog/).
LRESULT defDialogProc(Window &w, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace plat
