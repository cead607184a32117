// Frame pacing for XScreenSaver's forms. As in XScreenSaver's hacks, a frame
// starts at least the delay after the one before has ended. Beyond that,
// frames keep the saver to a tenth of one processor: from the start of one
// frame to the start of the next passes at least ten times the processor
// time of a cycle (the wait before the frame, and the frame). With a graphics card
// the delay decides; with a software renderer, where each frame is costly,
// the share does. The saver's own switches have no pacing, and their loop
// draws whenever the message queue is empty.
#pragma once

// Microseconds from the end of one frame to the start of the next; 0 (the
// start) turns pacing off, the processor share with it.
void set_frame_delay(long microseconds);

// For the message queue when it has nothing to give: true when the next
// frame is due, and from then on that frame is being drawn; the next call
// marks its end. Otherwise it waits until the frame is due, the window
// system has something to report, or a signal comes, and returns false so
// the caller looks at its queue again.
bool frame_due();
