// The embedding side of the platform: what a program that hosts windows
// (the headless command line, the tests, later the desktop app) uses to drive
// them. Nothing here is Win32; the module never includes this header.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace plat {

// ---- Screen -----------------------------------------------------------------
// The screen is 1280 x 1024 unless set otherwise (before windows are made).
void setScreenSize(int width, int height);
SIZE screenSize();
// Called while windows exist, it also refits the maximised top-level windows
// to the new screen, as Windows does when the display changes; the others stay
// where they are.

// What changed on the screen since the last look, so a presenter uploads only
// that: window painting and any drawing on a window DC, moves, sizing, showing,
// hiding, z-order changes and screen resizes each bump the revision and grow
// one dirty rectangle (screen coordinates).
uint64_t screenRevision();
// The rectangle that may have changed since the previous call (empty when
// nothing did), clipped to the screen; the next call starts afresh.
RECT takeScreenDirtyRect();

// ---- Messages -----------------------------------------------------------------
// Dispatches every posted message, then paints every window with an update
// region (parents before children), until nothing is left to do.
void pumpMessages();

// Every message delivered to a window procedure, sent or posted, in delivery
// order; for tests that compare message sequences. Pass {} to stop.
struct SpyMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool posted;
};
void setMessageSpy(std::function<void(const SpyMessage &)> spy);

// A fresh start for tests: every window destroyed (the spy and the idle
// handler dropped first), no menu open, no capture or cursor clip, the pointer
// at (0, 0) with no button, key or modifier held, nothing queued. Registered
// classes stay.
void resetWindowManager();

// ---- Input seam (screen coordinates) -------------------------------------------
// Each call delivers what Windows delivers for that hand movement: hit-testing,
// WM_SETCURSOR, activation on a press (WA_CLICKACTIVE), client or non-client
// mouse messages to the window under the pointer or to the capture, frame and
// caption drags (moving and sizing), menu bar clicks.
enum class MouseButton { Left, Right, Middle };
void inputMouseMove(int x, int y);
void inputMouseDown(MouseButton button);
void inputMouseUp(MouseButton button);
// The second press of a double click, delivered as WM_xBUTTONDBLCLK to
// windows whose class has CS_DBLCLKS (else as a plain press).
void inputDoubleClick(MouseButton button);
void inputKeyDown(int virtualKey);
void inputKeyUp(int virtualKey);
// The modifier state GetKeyState reports and mouse messages carry (MK_SHIFT, MK_CONTROL).
void setModifierState(bool shift, bool control);
POINT cursorPosition();
// The cursor last set with SetCursor.
HCURSOR currentCursor();
// A character typed, delivered as WM_CHAR to the window with the focus (the
// active window when none has it). For embedders whose system composes text
// itself (layouts, dead keys): with setTypedCharacters(true) key presses no
// longer make characters of their own, so each character arrives once.
void inputChar(unsigned int character);
void setTypedCharacters(bool fromEmbedder);
// A turn of the wheel (WHEEL_DELTA units, positive away from the user), as
// WM_MOUSEWHEEL to the window with the focus (the active window when none has
// it), carrying the pointer's screen position.
void inputWheel(int delta);

// Clicks a window (a control, typically) exactly as a hand would: the pointer
// moves to the window's centre and the left button is pressed and released.
bool clickWindow(HWND hwnd);
// Chooses a menu item of a window's menu bar as a hand would: the popup that
// holds the item is opened (WM_INITMENUPOPUP first), then the item is chosen
// (WM_COMMAND) if it is enabled. False when no such item exists or it is greyed.
bool chooseMenuItem(HWND hwnd, UINT commandId);

// ---- Modal loops ------------------------------------------------------------------
// Called by a modal loop (DialogBoxParamA, the Save dialog) whenever it has no
// message to dispatch. The handler feeds input (or does nothing) and returns
// true; returning false means no more input will ever come, and the loop ends
// the dialog as Cancel would. Without a handler a modal loop with nothing to
// do is cancelled.
void setModalIdleHandler(std::function<bool()> handler);

// ---- Common dialogs ------------------------------------------------------------------
// Answers GetSaveFileNameA headless. Called once the dialog exists and its hook
// has seen WM_INITDIALOG, so the chooser may click the hook's controls first.
// A path is taken as the user's choice; nullopt is Cancel.
using FileChooser = std::function<std::optional<std::string>(HWND dialog, const OPENFILENAMEA &ofn)>;
void setSaveFileChooser(FileChooser chooser);
// The chooser set now (empty when none), so that code installing its own for
// a while can put the previous one back.
FileChooser saveFileChooser();

// ---- Clipboard --------------------------------------------------------------------------
// Called after CloseClipboard whenever the contents were changed, so that a
// desktop presenter can pass them on to the system clipboard.
void setClipboardListener(std::function<void()> listener);
// The CF_TEXT contents, if any.
std::optional<std::string> clipboardText();

// ---- Snapshots -------------------------------------------------------------------------
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom
};
// A window as the user sees it (frame included), or its client area alone.
std::optional<Image> captureWindow(HWND hwnd, bool clientOnly);
// The whole screen: top-level windows composed in z-order over the desktop.
Image captureScreen();
// One rectangle of the screen (clipped to it), composed the same way.
Image captureScreenRect(const RECT &area);
// Writes an image as an 8-bit RGB PNG. On failure returns false and says why.
bool writePng(const Image &image, const std::string &path, std::string *error);

// ---- Beeps -------------------------------------------------------------------------------
// MessageBeep calls so far, and the type of the last one.
int beepCount();
UINT lastBeepType();

}  // namespace plat

// ---- Message boxes ------------------------------------------------------------------------
namespace plat {
// Off (the default), MessageBoxA answers at once with its default button.
// On, it shows a modal dialog (owner disabled, default button focused, Enter
// presses the focused button, Escape Cancel) that the modal idle handler's
// input answers; without an idle handler it still answers at once. Either
// way the text is also written to stderr.
void setInteractiveMessageBoxes(bool on);
}  // namespace plat
