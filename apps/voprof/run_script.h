// voprof run: a host session around one script. The host window is made at
// the start and the plug-in module loaded; at the end every profile is told
// to close, the windows go, the module is unloaded and the recorded
// statements are written.
#pragma once

#include "options.h"

namespace host::cli {

// The exit status: 0 the script ran to its end, 1 a script error or a
// failure to start (unreadable script, module that cannot be loaded),
// kInterruptedStatus when SIGINT or SIGTERM stopped the script.
int runScript(const Options &options);

}  // namespace host::cli
