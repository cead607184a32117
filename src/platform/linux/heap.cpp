#include "platform/linux/heap.h"

#include <malloc.h>

namespace {

// The software renderer bins every frame into blocks it allocates as it
// draws and frees when the frame is done: several megabytes a frame at the
// largest settings. With glibc's defaults the freed top of the heap goes
// back to the kernel at the end of every frame (and blocks past the mmap
// threshold are unmapped), so the next frame faults every page in again
// (some 3,200 faults a frame at 500 x 50). These keep the pages.
//
// Blocks below this come from the heap rather than their own mappings (the
// largest value glibc takes on 64-bit systems); a full-screen frame buffer
// is still mapped on its own.
const int mmap_threshold = 32 * 1024 * 1024;
// Free memory at the top of the heap is given back only past this.
const int trim_threshold = 256 * 1024 * 1024;

}  // namespace

bool keep_heap_between_frames() {
  // Setting either turns off glibc's own adjustment of both.
  return mallopt(M_MMAP_THRESHOLD, mmap_threshold) == 1 && mallopt(M_TRIM_THRESHOLD, trim_threshold) == 1;
}
