// Temporary: cross-area entry points of the window manager, so that the
// library links while the window manager is being written.
#include "internal/dialog.h"
#include "internal/draw_target.h"
#include "internal/init.h"

namespace plat {
bool windowDrawTarget(HWND, bool, DrawTarget &) { return false; }
void ensureInitialised() {}
HWND createDialogIndirect(HINSTANCE, const res::DialogTemplate &, HWND, DLGPROC, LPARAM) { return nullptr; }
INT_PTR runModalDialog(HWND, HWND) { return -1; }
}  // namespace plat
