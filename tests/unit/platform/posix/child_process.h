// Real processes for the store's fault tests: a forked child running the
// store's code, and waiting for it with a deadline so a hang fails the test
// instead of stopping it.
#pragma once

#include <functional>
#include <sys/types.h>

// Forks a child that runs `body` and ends with _exit(its result).
pid_t start_child(const std::function<int()> &body);

// The child's wait status once it has ended; -1 when it was still running
// after `seconds` (it is then killed with SIGKILL).
int wait_child(pid_t pid, double seconds);

// Whether `body`, run in a child, ended by itself with status 0 within
// `seconds`.
bool finishes_within(double seconds, const std::function<int()> &body);
