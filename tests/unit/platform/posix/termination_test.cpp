// SIGTERM and SIGINT end the process with status 0 whatever it is doing;
// SIGPIPE does not end it. Each case runs in a child process of its own.
#include "platform/posix/termination.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

namespace {

// A call that does not return, as one to an X server that stopped
// answering: ten seconds of sleep, whatever signals come; then status 5.
[[noreturn]] void block_in_a_call() {
  timespec left = {10, 0};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
  _exit(5);
}

TEST(TerminationDeathTest, WithoutWindowsASignalEndsAtOnceWithZero) {
  for (int signal_number : {SIGTERM, SIGINT}) {
    EXPECT_EXIT(
        {
          take_process_signals();
          raise(signal_number);
          std::fputs("still running\n", stderr);
          _exit(3);
        },
        testing::ExitedWithCode(0), "^$");
  }
}

// The window area is told, so the windows can close; a start-up blocked in a
// call that never returns still ends, with 0, once the time for closing is up.
TEST(TerminationDeathTest, WithWindowsTheWindowAreaIsToldAndABlockedProcessStillEnds) {
  EXPECT_EXIT(
      {
        take_process_signals();
        note_saver_windows(true);
        raise(SIGTERM);
        if (termination_requested() && !termination_requested()) std::fputs("told once\n", stderr);
        block_in_a_call();
      },
      testing::ExitedWithCode(0), "^told once\n$");
}

TEST(TerminationDeathTest, AfterTheMainLoopAProcessASignalEndedFinishesWithZero) {
  EXPECT_EXIT(
      {
        take_process_signals();
        finish_if_terminated();  // no signal: returns
        std::fputs("no signal yet\n", stderr);
        note_saver_windows(true);
        raise(SIGINT);
        note_saver_windows(false);
        finish_if_terminated();
        _exit(3);
      },
      testing::ExitedWithCode(0), "^no signal yet\n$");
}

TEST(TerminationDeathTest, AClosedPipeOnlyFailsTheWrite) {
  EXPECT_EXIT(
      {
        take_process_signals();
        int ends[2];
        if (pipe(ends) != 0) _exit(2);
        close(ends[0]);
        bool failed = write(ends[1], "x", 1) < 0 && errno == EPIPE;
        _exit(failed ? 0 : 4);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
