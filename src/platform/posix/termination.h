// SIGTERM and SIGINT end the program within a second, whatever it is doing.
// While saver windows exist they are closed as a user's input closes them,
// and the program ends when its main loop does; before any window exists,
// or when closing cannot finish in time (a start-up waiting on an X server
// that stopped answering, say), the process ends at once. A pipe whose
// reader went (stderr, say) is no reason to end: SIGPIPE is ignored, so such
// writes just fail.
#pragma once

// Installs the handling above, first thing in main, and lets through the
// signals the launcher held back while the program loaded
// (linux/launcher.c): one that came then is handled at once.
void take_process_signals();

// For the window area: whether a signal asked for the end since the last call.
bool termination_requested();
// For the window area: whether a saver window exists to be closed.
void note_saver_windows(bool any);

// XScreenSaver's forms end by the signal itself once they have cleaned up,
// as hacks do, so the daemon sees a hack it stopped rather than one that
// failed; the saver's own switches end with status 0.
void end_by_termination_signal();
// The one way a process that a signal asked to end finishes, after its
// windows were closed or once the time for that is up: by the signal or
// with status 0, as above. Safe in a signal handler.
[[noreturn]] void end_after_termination();
// For main, once WinMain has returned: ends through end_after_termination
// when a signal asked for the end; otherwise returns.
void finish_if_terminated();
