// Real saving processes, killed at many different moments or saving at the
// same time: the store file always holds one complete set of the eight
// values, and a killed writer's temporary file does not outlive the next save.
#include "child_process.h"
#include "registry_helpers.h"
#include "settings/registry_values.h"
#include "store_files.h"
#include "store_fixture.h"
#include "stored_settings.h"
#include "support/reset_modules.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const std::vector<std::string> store_and_lock = {"registry.reg", "registry.reg.lock"};

// The sets a killed saver may have stored: "set N" with 1 <= N < limit.
bool is_set_below(const std::string &held, int limit) {
  if (held.rfind("set ", 0) != 0) return false;
  int n = atoi(held.c_str() + 4);
  return n >= 1 && n < limit;
}

using SaveCrash = StoreTest;

TEST_F(SaveCrash, AKilledSaveLeavesTheOldOrTheNewSetAndNoTemporaryFile) {
  const int rounds = 100, old_sets = 1000000;
  int old_kept = 0, new_stored = 0, killed_mid_write = 0, temps_after_save = 0;
  std::vector<std::string> faults;
  for (int round = 0; round < rounds; ++round) {
    // Every other round starts without a file.
    std::string old_set = "no file";
    if (round % 2) {
      use_settings_set(old_sets + round);
      save_config();
      old_set = stored_set();
    } else {
      unlink(store_file().c_str());
    }
    pid_t saver = start_child([] {
      for (int n = 1;; ++n) {
        use_settings_set(n);
        save_config();
      }
      return 0;
    });
    ASSERT_GT(saver, 0);
    // From before its first save to a few dozen saves into its loop.
    std::this_thread::sleep_for(std::chrono::microseconds(round * 2311 % 40000));
    kill(saver, SIGKILL);
    ASSERT_EQ(waitpid(saver, nullptr, 0), saver);

    std::string held = stored_set();
    if (held == old_set)
      ++old_kept;
    else if (is_set_below(held, old_sets))
      ++new_stored;
    else
      faults.push_back("round " + std::to_string(round) + ": " + held);
    if (folder_entries().size() > store_and_lock.size() - (held == "no file")) ++killed_mid_write;

    use_settings_set(0);
    save_config();
    if (folder_entries() != store_and_lock) ++temps_after_save;
  }
  printf("%d kills: old set kept %d, a new set %d, mixed or partial %zu; killed while writing %d; "
         "temporary files still there after the next save in %d\n",
         rounds, old_kept, new_stored, faults.size(), killed_mid_write, temps_after_save);
  for (const std::string &fault : faults) ADD_FAILURE() << fault;
  EXPECT_EQ(temps_after_save, 0);
}

TEST_F(SaveCrash, SaversRunningAtOnceLeaveOneCompleteSet) {
  const int rounds = 25, savers = 4;
  int complete = 0;
  for (int round = 0; round < rounds; ++round) {
    use_settings_set(0);
    save_config();
    // The savers wait on the pipe; closing it starts them all at once.
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::vector<pid_t> children;
    std::vector<std::string> their_sets;
    for (int s = 0; s < savers; ++s) {
      int n = round * savers + s + 1;
      their_sets.push_back("set " + std::to_string(n));
      children.push_back(start_child([&gate, n] {
        close(gate[1]);
        char c;
        while (read(gate[0], &c, 1) < 0 && errno == EINTR) {
        }
        use_settings_set(n);
        save_config();
        return 0;
      }));
      ASSERT_GT(children.back(), 0);
    }
    close(gate[0]);
    close(gate[1]);
    for (pid_t child : children) {
      int status = wait_child(child, 60);
      EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    std::string held = stored_set();
    bool one_of_theirs = std::find(their_sets.begin(), their_sets.end(), held) != their_sets.end();
    complete += one_of_theirs;
    EXPECT_TRUE(one_of_theirs) << "round " << round << ": " << held;
  }
  printf("%d rounds of %d savers at once: one complete set in %d\n", rounds, savers, complete);
}

TEST_F(SaveCrash, ValuesSetBeforeAnExitWithoutClosingTheKeyAreSaved) {
  pid_t child = start_child([] {
    HKEY key = create_key(config_key_name);
    set_reg_int(key, "skin_id", 3);
    exit(0);
    return 1;
  });
  int status = wait_child(child, 60);
  ASSERT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  reset_settings();
  reset_geometry();
  load_config();
  EXPECT_EQ(skin_id, 3);
}

}  // namespace
