// The frame's menu commands.
#pragma once

namespace host::frame {

// Carries out a command of frame_commands.h; false for an id that is none of them.
bool runFrameCommand(unsigned id);

// File > Exit and closing the frame: what is being recorded is written, and
// the program embedding the host is told to end.
void requestExit();

}  // namespace host::frame
