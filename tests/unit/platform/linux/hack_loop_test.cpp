// The hack's loop over a window system whose connection is a pipe: frames
// keep the delay, the wait between them ends for input and for a
// termination signal, and the quit message ends the loop. Only lower
// bounds of times are asserted, and generous upper ones, so a busy machine
// cannot fail them.
#include "platform/linux/hack_loop.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#include <thread>

#include "platform/emul/window_system.h"
#include "platform/posix/termination.h"
#include "quiet_window_system.h"

namespace {

double seconds_now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

int pipe_fds[2] = {-1, -1};
int waits, frames, quit_after;

// As a window system waits on its connection, and reads what came: "q"
// is a request to end, as a closed window's.
void wait_on_pipe(long long nanoseconds) {
  waits++;
  wait_until_readable(pipe_fds[0], nanoseconds);
}
void pump_pipe() {
  pollfd input = {pipe_fds[0], POLLIN, 0};
  char c;
  while (poll(&input, 1, 0) > 0 && read(pipe_fds[0], &c, 1) == 1)
    if (c == 'q') PostQuitMessage(3);
}

window_system piped() {
  window_system backend = quiet_window_system();
  backend.wait_for_events = wait_on_pipe;
  backend.pump = pump_pipe;
  return backend;
}
const window_system pipe_system = piped();

void count_frame() {
  if (++frames == quit_after) PostQuitMessage(0);
}

class HackLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(pipe(pipe_fds), 0);
    use_window_system(&pipe_system);
    waits = frames = 0;
    quit_after = -1;
  }
  void TearDown() override {
    use_window_system(nullptr);
    close(pipe_fds[0]);
    close(pipe_fds[1]);
  }
};

TEST_F(HackLoop, WithoutADelayFramesFollowAtOnceUntilTheQuitMessage) {
  quit_after = 200;
  EXPECT_EQ(run_hack_loop(0, count_frame), 0);
  EXPECT_EQ(frames, 200);
  EXPECT_EQ(waits, 0);
}

TEST_F(HackLoop, FramesKeepTheDelayAndTheLoopWaitsRatherThanSpins) {
  quit_after = 6;
  double start = seconds_now();
  run_hack_loop(50000, count_frame);
  EXPECT_EQ(frames, 6);
  EXPECT_GE(seconds_now() - start, 0.25) << "five delays of 50 ms";
  EXPECT_GE(waits, 5);
  EXPECT_LT(waits, 100);
}

TEST_F(HackLoop, InputEndsTheWaitForTheNextFrame) {
  std::thread input([] {
    usleep(100000);
    EXPECT_EQ(write(pipe_fds[1], "q", 1), 1);
  });
  double start = seconds_now();
  EXPECT_EQ(run_hack_loop(10000000, count_frame), 3);
  double waited = seconds_now() - start;
  input.join();
  EXPECT_EQ(frames, 1);
  EXPECT_GE(waited, 0.05);
  EXPECT_LT(waited, 5.0);
}

// A window that ends the loop when it goes, as the saver's does.
LRESULT CALLBACK quit_on_destroy(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void send_sigterm(int) { kill(getpid(), SIGTERM); }

// The signal closes the window, which ends the loop long before the delay
// of ten seconds is up; the time it took goes to stderr.
[[noreturn]] void end_a_long_wait_by_signal() {
  take_process_signals();
  use_window_system(&pipe_system);
  if (pipe(pipe_fds) != 0) _exit(2);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = quit_on_destroy;
  wc.lpszClassName = "hack loop test";
  RegisterClassA(&wc);
  CreateWindowExA(0, "hack loop test", "", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
  signal(SIGALRM, send_sigterm);
  itimerval timer = {{0, 0}, {0, 100000}};
  setitimer(ITIMER_REAL, &timer, nullptr);
  double start = seconds_now();
  int status = run_hack_loop(10000000, count_frame);
  std::fprintf(stderr, "ended with %d after %s\n", status,
               seconds_now() - start < 5 ? "less than 5 s" : "5 s or more");
  _exit(7);
}

TEST(HackLoopDeathTest, ATerminationSignalEndsTheWaitAndClosesTheWindow) {
  EXPECT_EXIT(end_a_long_wait_by_signal(), testing::ExitedWithCode(7),
              "^ended with 0 after less than 5 s\n$");
}

}  // namespace
