// The client hooks plug-ins install with HostQuery QueryInstallClientHook:
// the procedures the host offers its image-window messages and notices to.
#pragma once

#include <windows.h>

#include <hostmsg.h>

namespace host {

// A hook of kind 1 with a procedure gets the next identifier (0, 1, 2, ...);
// anything else gives -1.
LONG installClientHook(const ClientHookBlock *block);
bool removeClientHook(LONG id);

// Sends a notice to every hook with HookPhaseAct; what they answer does not
// matter, so none of them can keep a notice from the others.
void noticeToHooks(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace host
