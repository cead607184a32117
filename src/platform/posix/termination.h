// SIGTERM and SIGINT end the saver cleanly: its windows are closed as a
// user's input closes them. Before any window exists (and while the
// settings dialog runs) the process simply ends. With the saver's own
// switches it ends with status 0; in XScreenSaver's forms it ends by the
// signal itself once it has cleaned up, as hacks do, so the daemon sees a
// hack it stopped rather than one that failed.
#pragma once

void close_on_termination_signals();
// XScreenSaver's forms: end by the signal rather than with status 0.
void end_by_termination_signal();
// After the clean-up: ends the process by the signal that asked for the
// end, if one did in XScreenSaver's forms; otherwise returns.
void raise_termination_signal();

// For the window area: whether a signal asked for the end since the last call.
bool termination_requested();
// For modal boxes, which keep the window area waiting: whether a signal asked
// for the end and the window area has not taken it yet.
bool termination_pending();
// For the window area: whether a saver window exists to be closed.
void note_saver_windows(bool any);
