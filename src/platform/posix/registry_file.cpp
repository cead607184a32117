// The store file: read only when it is a regular file of modest size, and
// changed by one locked read-modify-write that replaces it atomically, so
// concurrent writers never lose each other's values and a killed writer
// leaves the old file.
#include "platform/posix/registry_file.h"

#include "platform/posix/registry_backup.h"
#include "platform/posix/registry_replace.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string home_folder() {
  const char *home = getenv("HOME");
  if (home && *home) return home;
  const passwd *pw = getpwuid(getuid());
  return pw ? pw->pw_dir : "";
}

bool mode_writable(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) &&
         access(path.c_str(), W_OK) == 0;
}

bool exists(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

bool make_folders(const std::string &folder) {
  if (exists(folder)) return true;
  if (!make_folders(reg_folder_of(folder))) return false;
  return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// The file `path` names once symbolic links are followed (a missing end
// included): a save replaces that file, so the links stay links.
std::string link_target(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    char target[PATH_MAX];
    ssize_t length = readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || size_t(length) == sizeof target) break;
    std::string next(target, size_t(length));
    path = next[0] == '/' ? next : reg_folder_of(path) + "/" + next;
  }
  return path;
}

enum read_result { file_missing, file_read, file_refused };

// Reads the file when it is a regular file within the size cap; anything
// else is refused, with the reason in *why. The open does not block, so a
// FIFO or a device is refused rather than waited on.
read_result read_store_text(const std::string &path, std::string *text, std::string *why) {
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    if (errno == ENOENT) return file_missing;
    *why = strerror(errno);
    return file_refused;
  }
  const std::string too_large = "larger than " + std::to_string(reg_store_size_limit) + " bytes";
  struct stat st;
  read_result result = file_refused;
  text->clear();
  if (fstat(fd, &st) != 0) {
    *why = strerror(errno);
  } else if (!S_ISREG(st.st_mode)) {
    *why = "not a regular file";
  } else if (size_t(st.st_size) > reg_store_size_limit) {
    *why = too_large;
  } else {
    // One byte more than the cap tells a file that grew while it was read.
    char buf[8192];
    ssize_t n = 0;
    while (text->size() <= reg_store_size_limit &&
           ((n = read(fd, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))) {
      if (n > 0) text->append(buf, size_t(n));
    }
    if (n < 0)
      *why = strerror(errno);
    else if (text->size() > reg_store_size_limit)
      *why = too_large;
    else
      result = file_read;
  }
  close(fd);
  return result;
}

LSTATUS not_saved(const std::string &path, const std::string &why, LSTATUS status) {
  fprintf(stderr, "torvane: %s: %s; settings not saved\n", path.c_str(), why.c_str());
  return status;
}

LSTATUS write_error_status(int err) {
  switch (err) {
    case ENOSPC:
    case EDQUOT: return ERROR_DISK_FULL;
    case EFBIG: return ERROR_FILE_TOO_LARGE;
    case EACCES:
    case EPERM:
    case EROFS: return ERROR_ACCESS_DENIED;
    default: return ERROR_WRITE_FAULT;
  }
}

int take_lock(const std::string &lock_path) {
  int lock = open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock < 0) return -1;
  int locked;
  do locked = flock(lock, LOCK_EX);
  while (locked != 0 && errno == EINTR);
  if (locked == 0) return lock;
  close(lock);
  return -1;
}

// The read-modify-write itself; the caller holds the lock. `path` is the
// name the user knows, `file` the one replaced.
LSTATUS save_locked(const std::string &path, const std::string &file,
                    const std::function<void(reg_tree *)> &change) {
  std::string text, why;
  reg_tree tree;
  read_result got = read_store_text(file, &text, &why);
  if (got == file_refused) return not_saved(path, why, ERROR_ACCESS_DENIED);
  if (got == file_read && !reg_parse(text, &tree)) {
    tree.keys.clear();
    if (!reg_back_up(file))
      return not_saved(path, "not a registry file, and no backup name is free", ERROR_ACCESS_DENIED);
  }
  change(&tree);
  int err = reg_replace_file(file, reg_format(tree));
  return err ? not_saved(path, strerror(err), write_error_status(err)) : ERROR_SUCCESS;
}

}  // namespace

std::string reg_store_path() {
  const char *path = getenv("TORVANE_REGISTRY");
  if (path && *path) return path;
  const char *config = getenv("XDG_CONFIG_HOME");
  std::string folder = (config && config[0] == '/') ? config : home_folder() + "/.config";
  return folder + "/torvane/registry.reg";
}

bool reg_store_writable(const std::string &path) {
  std::string file = link_target(path);
  if (exists(file)) return mode_writable(file) && mode_writable(reg_folder_of(file));
  std::string folder = reg_folder_of(file);
  while (!exists(folder) && folder != "/" && folder != ".") folder = reg_folder_of(folder);
  return mode_writable(folder);
}

reg_tree reg_store_read(const std::string &path) {
  reg_tree tree;
  std::string text, why;
  if (read_store_text(path, &text, &why) != file_read || !reg_parse(text, &tree)) tree.keys.clear();
  return tree;
}

LSTATUS reg_store_update(const std::string &path, const std::function<void(reg_tree *)> &change) {
  if (!reg_store_writable(path)) return ERROR_ACCESS_DENIED;
  const std::string file = link_target(path);
  // A refused file is turned away before anything is made beside it (a link
  // to a device must not leave a lock file among the devices).
  std::string text, why;
  if (read_store_text(file, &text, &why) == file_refused)
    return not_saved(path, why, ERROR_ACCESS_DENIED);
  if (!make_folders(reg_folder_of(file))) return ERROR_ACCESS_DENIED;
  int lock = take_lock(file + ".lock");
  if (lock < 0) return ERROR_ACCESS_DENIED;
  reg_remove_stale_temps(file);
  LSTATUS status = save_locked(path, file, change);
  close(lock);
  return status;
}
