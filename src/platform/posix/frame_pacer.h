// Frame pacing for XScreenSaver's forms: a frame starts at least the delay
// after the one before. The saver's own switches have no delay, and their
// loop draws whenever the message queue is empty.
#pragma once

// Microseconds from the start of one frame to the start of the next; 0
// (the start) turns pacing off.
void set_frame_delay(long microseconds);

// For the message queue when it has nothing to give: true when the next
// frame is due, and from then on that frame counts as started. Otherwise
// it waits until the frame is due, input arrives on `fd`, or a signal
// comes, and returns false so the caller looks at its queue again.
bool frame_due(int fd);
