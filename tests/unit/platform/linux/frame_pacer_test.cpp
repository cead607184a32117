// The pace of a hack's frames, on a clock the test runs: a frame every
// delay, without drift, as long as frames take less; as fast as they are
// drawn, evenly, when they take longer; and no burst after a pause.
#include "platform/linux/frame_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const long long ms = 1000000;

// The loop over a clock: each frame takes its time from `work` (the last
// entry for the rest), and every wait overruns by `late`. The frames'
// start times, from the first.
std::vector<long long> starts(long delay_us, std::vector<long long> work, int frames,
                              long long late = 0) {
  frame_pacer pacer = pace_every(delay_us);
  const long long first = 5000 * ms;  // a monotonic clock is far from 0
  long long now = first;
  std::vector<long long> started;
  while (static_cast<int>(started.size()) < frames) {
    long long wait = frame_wait_ns(pacer, now);
    if (wait > 0) {
      now += wait + late;
      continue;
    }
    frame_started(&pacer, now);
    started.push_back(now - first);
    size_t i = std::min(started.size() - 1, work.size() - 1);
    now += work[i];
  }
  return started;
}

TEST(FramePacer, FramesThatTakeLessThanTheDelayComeEveryDelayWithoutDrift) {
  std::vector<long long> at = starts(30000, {5 * ms}, 1000, ms / 10);
  for (int i = 0; i < 1000; i++) {
    EXPECT_GE(at[i], i * 30 * ms) << i;
    EXPECT_LE(at[i], i * 30 * ms + ms / 10) << i;
  }
}

TEST(FramePacer, FramesThatTakeLongerFollowAtOnceAndEvenly) {
  for (long long work : {31 * ms, 45 * ms, 100 * ms}) {
    std::vector<long long> at = starts(30000, {work}, 50);
    for (int i = 1; i < 50; i++) EXPECT_EQ(at[i] - at[i - 1], work) << work / ms << " ms, frame " << i;
  }
}

TEST(FramePacer, WithoutADelayEveryFrameIsDueAtOnce) {
  std::vector<long long> at = starts(0, {3 * ms}, 100);
  for (int i = 1; i < 100; i++) EXPECT_EQ(at[i] - at[i - 1], 3 * ms);
  frame_pacer pacer = pace_every(0);
  frame_started(&pacer, 7 * ms);
  EXPECT_LE(frame_wait_ns(pacer, 7 * ms), 0);
}

// One frame of 200 ms among frames of 5: the next comes right after it (its
// time was long due), and the one after a whole delay later, not at once.
TEST(FramePacer, AfterAPauseTheCountStartsAfreshWithoutABurst) {
  std::vector<long long> at = starts(30000, {5 * ms, 5 * ms, 200 * ms, 5 * ms}, 6);
  EXPECT_EQ(at[1], 30 * ms);
  EXPECT_EQ(at[2], 60 * ms);
  EXPECT_EQ(at[3], 260 * ms);
  EXPECT_EQ(at[4], 290 * ms);
  EXPECT_EQ(at[5], 320 * ms);
}

}  // namespace
