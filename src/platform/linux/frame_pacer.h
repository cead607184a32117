// The pace of a hack's frames: one every -delay while they take less than
// that; frames that take longer follow each other at once, as fast as the
// renderer draws them, and so evenly. A frame that starts a whole delay or
// more after it was due (the renderer could not keep up, or the machine
// stood still for a moment) starts the count afresh: no burst of frames
// follows to catch up. With no delay every frame is due at once.
#pragma once

struct frame_pacer {
  long long delay_ns;
  long long due_ns;  // when the next frame is due; 0 before the first
};

// Times are nanoseconds on a monotonic clock.
frame_pacer pace_every(long delay_microseconds);
// How long until the next frame is due; 0 or less when it is.
long long frame_wait_ns(const frame_pacer &pacer, long long now_ns);
// A frame starts now (it was due).
void frame_started(frame_pacer *pacer, long long now_ns);
