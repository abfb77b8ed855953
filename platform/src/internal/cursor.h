// Cursor and icon objects (HCURSOR is HICON on Windows; one table serves both).
#pragma once

#include <windows.h>

#include "resources.h"

namespace plat {

// The image of an icon or cursor handle, or null for an invalid handle.
const res::ImageData *iconImage(HICON icon);
// The system cursor id (32512...) of a handle made by LoadCursorA(NULL, id), else 0.
int systemCursorId(HCURSOR cursor);

}  // namespace plat
