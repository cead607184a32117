// XScreenSaver's -fps over every frame of the hack: its frames per second,
// load and polygons (frame_stats.h) in three lines in the bottom-left
// corner, white with a black outline, in the size and place where
// XScreenSaver's own hacks put them. The GL state is saved before and
// restored after, so the frame itself is drawn exactly as without it;
// while it is off, no GL call is made at all.
#pragma once

// The figures are those the hack's loop counts in hack_frame_stats.
void show_fps_overlay(bool on);
