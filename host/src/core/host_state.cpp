// The one HostState of the process.
#include "core/host_state.h"

namespace host {

HostState &state() {
    static HostState s;
    return s;
}

}  // namespace host
