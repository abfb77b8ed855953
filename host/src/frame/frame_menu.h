// The frame's menu bar and the greying of its items.
#pragma once

#include <windows.h>

namespace host::frame {

// File, Image, Analysis and Macro, with the commands of frame_commands.h.
HMENU createFrameMenu();

// Greys what cannot act now (no image window: Close, Save, zoom, calibrations,
// Line Profile; Stop Recording while not recording), as a popup opens.
void updateFramePopup(HMENU popup);

}  // namespace host::frame
