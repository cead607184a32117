// SIGTERM and SIGINT end the saver cleanly with status 0: its windows are
// closed as a user's input closes them. Before any window exists (and while
// the settings dialog runs) the process simply ends with 0.
#pragma once

void close_on_termination_signals();

// For the window area: whether a signal asked for the end since the last call.
bool termination_requested();
// For modal boxes, which keep the window area waiting: whether a signal asked
// for the end and the window area has not taken it yet.
bool termination_pending();
// For the window area: whether a saver window exists to be closed.
void note_saver_windows(bool any);
