// A temporary folder holding the store file for the running test.
#include "store_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace {

std::filesystem::path store_folder;

}  // namespace

void use_empty_store() {
  std::string pattern = (std::filesystem::temp_directory_path() / "torvane-test-XXXXXX").string();
  ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
  store_folder = pattern;
  setenv("TORVANE_REGISTRY", (store_folder / "registry.reg").c_str(), 1);
}

void make_saver_key_read_only() {
  ASSERT_EQ(chmod((store_folder / "registry.reg").c_str(), 0444), 0);
}

void discard_store() {
  // A test may have made the folder read-only.
  std::filesystem::permissions(store_folder, std::filesystem::perms::owner_all);
  std::filesystem::remove_all(store_folder);
  unsetenv("TORVANE_REGISTRY");
}
