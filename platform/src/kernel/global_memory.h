// Global memory blocks (GlobalAlloc and friends), as the clipboard sees them.
#pragma once

#include <windows.h>

namespace plat {

// True for a live block: a moveable block's handle or a fixed block's pointer.
bool isGlobalBlock(HGLOBAL block);

}  // namespace plat
