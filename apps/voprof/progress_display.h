// How voprof shows the host's long work on stderr, and how Ctrl+C and
// SIGTERM become a request to stop at the next check point.
#pragma once

namespace host::cli {

// The exit status of a run stopped by SIGINT or SIGTERM (128 + SIGINT, as
// shells report Ctrl+C).
constexpr int kInterruptedStatus = 130;

// Work that has run for more than a second shows its progress: on a
// terminal one line rewritten in place and erased when the work ends,
// otherwise a plain line at most at each quarter (none at the end). VO_PROGRESS=0 in the
// environment shows nothing (the end-to-end tests compare stderr byte for byte).
void installProgressDisplay();

// Erases a progress line left on the terminal, before other output is written.
void eraseProgressLine();

// SIGINT and SIGTERM set the host's stop flag instead of ending the program,
// so files being written are finished and the host is closed as usual.
void catchInterrupts();

}  // namespace host::cli
