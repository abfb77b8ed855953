// The host window: the top-level window plug-ins send HostQuery,
// HostRecordMacro and HostPrompt to. It owns the image windows and the
// plug-in windows.
#pragma once

#include <windows.h>

namespace host {

// Creates the host window once (hidden headless); later calls return it.
HWND hostWindow();
// Answers one HostQuery code as the host window does.
LRESULT hostQuery(WPARAM code, LPARAM argument);

}  // namespace host
