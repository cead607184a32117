// The C library's heap kept between frames.
#pragma once

// Sets the allocator so that memory a frame frees stays with the program
// for the next frame; first thing in main. False when the C library does
// not take the settings (another allocator, such as a sanitizer's).
bool keep_heap_between_frames();
