// Frame pacing: a frame is due only the delay after the one before ended,
// and the wait ends early for input or for a signal. The window system's
// connection is a pipe here. Only lower bounds of waits are asserted, and
// generous upper ones, so a busy machine cannot fail them.
#include "platform/emul/frame_pacer.h"
#include "platform/emul/window_system.h"

#include <gtest/gtest.h>
#include <poll.h>
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

int pipe_fds[2] = {-1, -1};

bool connect() { return true; }

// As a window system waits on its connection.
void wait_on_pipe(long long nanoseconds) {
  timespec timeout = {static_cast<time_t>(nanoseconds / 1000000000LL),
                      static_cast<long>(nanoseconds % 1000000000LL)};
  pollfd input = {pipe_fds[0], POLLIN, 0};
  ppoll(&input, 1, &timeout, nullptr);
}

window_system piped() {
  window_system backend = {};
  backend.connect = connect;
  backend.wait_for_events = wait_on_pipe;
  return backend;
}
const window_system pipe_system = piped();

class FramePacer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(pipe(pipe_fds), 0);
    use_window_system(&pipe_system);
  }
  void TearDown() override {
    set_frame_delay(0);
    use_window_system(nullptr);
    close(pipe_fds[0]);
    close(pipe_fds[1]);
  }
};

TEST_F(FramePacer, WithoutADelayEveryFrameIsDueAtOnce) {
  set_frame_delay(0);
  for (int i = 0; i < 1000; i++) ASSERT_TRUE(frame_due());
}

// The delay runs from the end of a frame, which is the first look after it.
TEST_F(FramePacer, AFrameIsDueOnlyTheDelayAfterTheOneBeforeEnded) {
  set_frame_delay(200000);
  EXPECT_TRUE(frame_due()) << "the first frame is due at once";
  usleep(300000);  // drawing it, for longer than the delay
  double end = seconds_now();
  int looks = 0;
  while (!frame_due()) looks++;
  EXPECT_GE(seconds_now() - end, 0.2);
  EXPECT_GE(looks, 1);
  EXPECT_LT(looks, 100) << "it waits rather than spins";
  set_frame_delay(200000);
  EXPECT_TRUE(frame_due()) << "a new delay starts afresh";
}

// A frame that keeps the processor busy is followed by a wait long enough
// to bring the cycle down to a tenth of one processor.
TEST_F(FramePacer, AFrameThatTakesTheProcessorWaitsForItsShare) {
  set_frame_delay(1000);
  ASSERT_TRUE(frame_due());
  double cycle_start = seconds_now();  // the next look ends the first frame
  while (!frame_due()) {
  }
  // The second frame works for 50 ms of processor time.
  timespec cpu;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
  double busy_until = cpu.tv_sec + cpu.tv_nsec / 1e9 + 0.05;
  for (double t = 0; t < busy_until;) {
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    t = cpu.tv_sec + cpu.tv_nsec / 1e9;
  }
  while (!frame_due()) {
  }
  EXPECT_GE(seconds_now() - cycle_start, 0.499) << "50 ms of work: half a second from that frame's start to the next";
}

TEST_F(FramePacer, InputEndsTheWaitEarly) {
  set_frame_delay(10000000);
  ASSERT_TRUE(frame_due());
  ASSERT_EQ(write(pipe_fds[1], "x", 1), 1);
  double start = seconds_now();
  EXPECT_FALSE(frame_due());
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
  ASSERT_TRUE(frame_due());
  itimerval timer = {{0, 0}, {0, 100000}};
  setitimer(ITIMER_REAL, &timer, nullptr);
  double start = seconds_now();
  EXPECT_FALSE(frame_due());
  double waited = seconds_now() - start;
  EXPECT_GE(waited, 0.05);
  EXPECT_LT(waited, 5.0);
  sigaction(SIGALRM, &previous, nullptr);
}

}  // namespace
