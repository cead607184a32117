// The hack's main loop. As WinMain's, it empties the message queue before
// every frame; unlike it, frames keep the pace of -delay (frame_pacer.h).
// Between frames it waits for the window system's events, a signal or the
// next frame, whichever comes first, so input and signals are answered at
// once. It counts the frames and the waits in hack_frame_stats.
#pragma once

// `draw_frame` draws one frame. Ends with the quit message's code.
int run_hack_loop(long delay_microseconds, void (*draw_frame)());
