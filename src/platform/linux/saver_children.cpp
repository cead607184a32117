#include "platform/linux/saver_children.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/linux/saver_place.h"

namespace {

std::vector<saver_child> savers;

// This process's environment with the saver's place in it.
std::vector<char *> saver_environment(const std::string &place) {
  std::vector<char *> environment;
  size_t name_length = std::strlen(saver_place_variable);
  for (char **variable = environ; *variable; variable++)
    if (std::strncmp(*variable, saver_place_variable, name_length) != 0 ||
        (*variable)[name_length] != '=')
      environment.push_back(*variable);
  environment.push_back(const_cast<char *>(place.c_str()));
  environment.push_back(nullptr);
  return environment;
}

long long monotonic_ms() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

}  // namespace

bool start_saver(char *const *argv, const std::string &monitor, bool take_input) {
  std::string place = std::string(saver_place_variable) + "=" +
                      saver_place(getpid(), take_input, monitor);
  std::vector<char *> environment = saver_environment(place);
  // The saver starts with no signal blocked, whatever this process blocks.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  pid_t pid;
  int error = posix_spawn(&pid, "/proc/self/exe", nullptr, &attributes, argv, environment.data());
  posix_spawnattr_destroy(&attributes);
  if (error) {
    std::fprintf(stderr, "torvane: cannot start a saver: %s\n", std::strerror(error));
    return false;
  }
  savers.push_back({pid, monitor, take_input, false});
  return true;
}

void retire_saver(saver_child *saver) {
  kill(saver->pid, SIGTERM);
  saver->retired = true;
}

std::vector<saver_child> &running_savers() { return savers; }

bool take_ended_saver(saver_child *ended) {
  int status;
  pid_t pid;
  while ((pid = waitpid(-1, &status, WNOHANG)) > 0) {
    auto saver = std::find_if(savers.begin(), savers.end(),
                              [pid](const saver_child &s) { return s.pid == pid; });
    if (saver == savers.end()) continue;
    *ended = *saver;
    savers.erase(saver);
    return true;
  }
  return false;
}

// Savers end by their own termination rules, within half a second; one that
// cannot (stopped, say) is killed, so that none outlives the supervisor.
void end_savers(int grace_ms) {
  for (saver_child &saver : savers) kill(saver.pid, SIGTERM);
  long long deadline = monotonic_ms() + grace_ms;
  sigset_t with_sigchld;
  sigprocmask(SIG_SETMASK, nullptr, &with_sigchld);
  sigdelset(&with_sigchld, SIGCHLD);
  saver_child ended;
  while (!savers.empty()) {
    while (take_ended_saver(&ended)) {
    }
    long long left = deadline - monotonic_ms();
    if (savers.empty() || left <= 0) break;
    timespec wait = {static_cast<time_t>(left / 1000), static_cast<long>(left % 1000) * 1000000};
    ppoll(nullptr, 0, &wait, &with_sigchld);
  }
  for (saver_child &saver : savers) kill(saver.pid, SIGKILL);
  for (saver_child &saver : savers) waitpid(saver.pid, nullptr, 0);
  savers.clear();
}
