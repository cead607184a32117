#include "platform/posix/registry_backup.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

const int backup_count = 10;

}  // namespace

// A hard link claims the name only if it is free, and leaves the store in
// place until the new file replaces it.
bool reg_back_up(const std::string &path) {
  for (int i = 0; i < backup_count; ++i) {
    std::string backup = path + ".bad" + (i ? "." + std::to_string(i) : "");
    if (link(path.c_str(), backup.c_str()) == 0) {
      fprintf(stderr, "torvane: %s is not a registry file; kept as %s\n", path.c_str(),
              backup.c_str());
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}
