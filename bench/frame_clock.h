// What the frame benchmarks share: the processor clocks they read, one turn
// of the saver's own loop, and the end of a run of frames.
#pragma once

#include "platform/win32.h"

// Processor time so far in seconds: of the whole process (every thread,
// the software renderer's too), and of the calling thread alone.
double process_seconds();
double thread_seconds();

// One turn of WinMain's loop: a message if one waits, else a frame and the
// millisecond's sleep. Returns the frames drawn.
int saver_loop_turn(HWND hwnd);

// Waits until the GL work of every frame drawn on `hwnd` so far is done, the
// last swap included, so that the processor time read next holds all of it.
void finish_frames(HWND hwnd);
