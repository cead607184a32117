// Frame pacing: a frame is due only the delay after the one before ended,
// and the wait ends early for input on the X connection or for a signal. Only lower
// bounds of waits are asserted, and generous upper ones, so a busy machine
// cannot fail them.
#include "platform/posix/frame_pacer.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

namespace {

double seconds_now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

class FramePacer : public ::testing::Test {
 protected:
  int pipe_fds[2] = {-1, -1};
  void SetUp() override { ASSERT_EQ(pipe(pipe_fds), 0); }
  void TearDown() override {
    set_frame_delay(0);
    close(pipe_fds[0]);
    close(pipe_fds[1]);
  }
};

TEST_F(FramePacer, WithoutADelayEveryFrameIsDueAtOnce) {
  set_frame_delay(0);
  for (int i = 0; i < 1000; i++) ASSERT_TRUE(frame_due(pipe_fds[0]));
}

// The delay runs from the end of a frame, which is the first look after it.
TEST_F(FramePacer, AFrameIsDueOnlyTheDelayAfterTheOneBeforeEnded) {
  set_frame_delay(200000);
  EXPECT_TRUE(frame_due(pipe_fds[0])) << "the first frame is due at once";
  usleep(300000);  // drawing it, for longer than the delay
  double end = seconds_now();
  int looks = 0;
  while (!frame_due(pipe_fds[0])) looks++;
  EXPECT_GE(seconds_now() - end, 0.2);
  EXPECT_GE(looks, 1);
  EXPECT_LT(looks, 100) << "it waits rather than spins";
  set_frame_delay(200000);
  EXPECT_TRUE(frame_due(pipe_fds[0])) << "a new delay starts afresh";
}

// A frame that keeps the processor busy is followed by a wait long enough
// to bring the cycle down to a tenth of one processor.
TEST_F(FramePacer, AFrameThatTakesTheProcessorWaitsForItsShare) {
  set_frame_delay(1000);
  ASSERT_TRUE(frame_due(pipe_fds[0]));
  double cycle_start = seconds_now();  // the next look ends the first frame
  while (!frame_due(pipe_fds[0])) {
  }
  // The second frame works for 50 ms of processor time.
  timespec cpu;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
  double busy_until = cpu.tv_sec + cpu.tv_nsec / 1e9 + 0.05;
  for (double t = 0; t < busy_until;) {
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    t = cpu.tv_sec + cpu.tv_nsec / 1e9;
  }
  while (!frame_due(pipe_fds[0])) {
  }
  EXPECT_GE(seconds_now() - cycle_start, 0.499) << "50 ms of work: half a second from that frame's start to the next";
}

TEST_F(FramePacer, InputEndsTheWaitEarly) {
  set_frame_delay(10000000);
  ASSERT_TRUE(frame_due(pipe_fds[0]));
  ASSERT_EQ(write(pipe_fds[1], "x", 1), 1);
  double start = seconds_now();
  EXPECT_FALSE(frame_due(pipe_fds[0]));
  EXPECT_LT(seconds_now() - start, 5.0);
}

void on_alarm(int) {}

TEST_F(FramePacer, ASignalEndsTheWaitEarly) {
  struct sigaction action = {};
  action.sa_handler = on_alarm;
  sigemptyset(&action.sa_mask);
  struct sigaction previous;
  sigaction(SIGALRM, &action, &previous);
  set_frame_delay(10000000);
  ASSERT_TRUE(frame_due(pipe_fds[0]));
  itimerval timer = {{0, 0}, {0, 100000}};
  setitimer(ITIMER_REAL, &timer, nullptr);
  double start = seconds_now();
  EXPECT_FALSE(frame_due(pipe_fds[0]));
  double waited = seconds_now() - start;
  EXPECT_GE(waited, 0.05);
  EXPECT_LT(waited, 5.0);
  sigaction(SIGALRM, &previous, nullptr);
}

}  // namespace
