// The heap kept between frames: a frame's worth of blocks allocated and
// freed, twice, in a fresh process each time (the setting is the whole
// process's). With the program's setting the second frame finds its pages
// still there; with the C library's defaults it faults them in again.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/linux/heap.h"

namespace {

// As the software renderer bins a frame: 64 KiB blocks, 8 MiB in all, each
// written to, then all freed.
void frame_of_blocks() {
  const int count = 128, size = 64 * 1024;
  static void *blocks[count];
  for (void *&block : blocks) {
    block = std::malloc(size);
    std::memset(block, 1, size);
  }
  for (void *block : blocks) std::free(block);
}

long page_faults() {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// The page faults of the second of two frames, in a child process that
// keeps its heap or not; -1 when the setting was refused.
long second_frame_faults(bool keep) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return -2;
  pid_t child = fork();
  if (child == 0) {
    long faults = -1;
    if (!keep || keep_heap_between_frames()) {
      frame_of_blocks();
      long before = page_faults();
      frame_of_blocks();
      faults = page_faults() - before;
    }
    ssize_t written = write(pipe_ends[1], &faults, sizeof faults);
    _exit(written == sizeof faults ? 0 : 1);
  }
  close(pipe_ends[1]);
  long faults = -2;
  if (read(pipe_ends[0], &faults, sizeof faults) != sizeof faults) faults = -2;
  close(pipe_ends[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return faults;
}

TEST(Heap, KeptBetweenFramesTheSecondFrameFaultsNoPagesIn) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's allocator has no such settings";
#endif
  // 8 MiB is 2048 pages: the defaults give them back and fault them in
  // again; kept, at most some pages of the allocator's own.
  EXPECT_GT(second_frame_faults(false), 1024);
  long kept = second_frame_faults(true);
  ASSERT_NE(kept, -1) << "the C library refused the setting";
  EXPECT_LT(kept, 64);
}

}  // namespace
