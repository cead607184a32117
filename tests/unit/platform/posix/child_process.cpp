#include "child_process.h"

#include <csignal>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

pid_t start_child(const std::function<int()> &body) {
  pid_t pid = fork();
  if (pid == 0) _exit(body());
  return pid;
}

int wait_child(pid_t pid, double seconds) {
  const timespec pause = {0, 10 * 1000 * 1000};
  for (double waited = 0; waited < seconds; waited += 0.01) {
    int status;
    if (waitpid(pid, &status, WNOHANG) == pid) return status;
    nanosleep(&pause, nullptr);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1;
}

bool finishes_within(double seconds, const std::function<int()> &body) {
  pid_t pid = start_child(body);
  if (pid < 0) return false;
  int status = wait_child(pid, seconds);
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
