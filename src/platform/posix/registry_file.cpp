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

bool is_folder(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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

// The Win32 status a failed file operation stands for.
LSTATUS errno_status(int err) {
  switch (err) {
    case ENOSPC:
    case EDQUOT: return ERROR_DISK_FULL;
    case EFBIG: return ERROR_FILE_TOO_LARGE;
    case EACCES:
    case EPERM:
    case EROFS: return ERROR_ACCESS_DENIED;
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG: return ERROR_PATH_NOT_FOUND;
    default: return ERROR_WRITE_FAULT;
  }
}

// Why a file operation failed: the words for the user and the status.
struct failure {
  std::string why;
  LSTATUS status;
};

failure errno_failure(int err) { return {strerror(err), errno_status(err)}; }

std::string too_large() {
  return "larger than " + std::to_string(reg_store_size_limit) + " bytes";
}

enum read_result { file_missing, file_read, file_refused };

// Reads the file when it is a regular file within the size cap; anything
// else is refused, with the reason in *refusal. The open does not block, so
// a FIFO or a device is refused rather than waited on.
read_result read_store_text(const std::string &path, std::string *text, failure *refusal) {
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    if (errno == ENOENT) return file_missing;
    *refusal = errno_failure(errno);
    return file_refused;
  }
  struct stat st;
  read_result result = file_refused;
  text->clear();
  if (fstat(fd, &st) != 0) {
    *refusal = errno_failure(errno);
  } else if (!S_ISREG(st.st_mode)) {
    *refusal = {"not a regular file", ERROR_ACCESS_DENIED};
  } else if (size_t(st.st_size) > reg_store_size_limit) {
    *refusal = {too_large(), ERROR_FILE_TOO_LARGE};
  } else {
    // One byte more than the cap tells a file that grew while it was read.
    char buf[8192];
    ssize_t n = 0;
    while (text->size() <= reg_store_size_limit &&
           ((n = read(fd, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))) {
      if (n > 0) text->append(buf, size_t(n));
    }
    if (n < 0)
      *refusal = errno_failure(errno);
    else if (text->size() > reg_store_size_limit)
      *refusal = {too_large(), ERROR_FILE_TOO_LARGE};
    else
      result = file_read;
  }
  close(fd);
  return result;
}

LSTATUS not_saved(const std::string &path, const failure &f) {
  return reg_store_refused(path, f.why, f.status);
}

// The store's new text in the layout of the old one. Should the registry
// editor's layout not fit under the size cap, the packed one is tried: a
// save that changes no value then never grows the file.
bool format_within_cap(const reg_tree &tree, const std::string &old_text, std::string *text) {
  reg_layout layout = reg_layout_of(old_text);
  *text = reg_format(tree, layout);
  if (text->size() <= reg_store_size_limit) return true;
  layout.packed = true;
  *text = reg_format(tree, layout);
  return text->size() <= reg_store_size_limit;
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
  std::string text;
  failure refusal;
  reg_tree tree;
  read_result got = read_store_text(file, &text, &refusal);
  if (got == file_refused) return not_saved(path, refusal);
  if (got == file_read && !reg_parse(text, &tree)) {
    tree.keys.clear();
    if (!reg_back_up(file))
      return not_saved(path,
                       {"not a registry file, and no backup name is free", ERROR_ACCESS_DENIED});
  }
  change(&tree);
  std::string new_text;
  if (!format_within_cap(tree, text, &new_text))
    return not_saved(path,
                     {"with these settings it would be " + too_large(), ERROR_FILE_TOO_LARGE});
  int err = reg_replace_file(file, new_text);
  return err ? not_saved(path, errno_failure(err)) : ERROR_SUCCESS;
}

}  // namespace

std::string reg_store_path() {
  const char *path = getenv("TORVANE_REGISTRY");
  if (path && *path) return path;
  const char *config = getenv("XDG_CONFIG_HOME");
  std::string folder = (config && config[0] == '/') ? config : home_folder() + "/.config";
  return folder + "/torvane/registry.reg";
}

std::string reg_store_why_read_only(const std::string &path) {
  std::string file = link_target(path);
  std::string folder = reg_folder_of(file);
  if (exists(file)) {
    if (!mode_writable(file)) return "the file is read-only";
    return mode_writable(folder) ? "" : "its folder " + folder + " is read-only";
  }
  while (!exists(folder) && folder != "/" && folder != ".") folder = reg_folder_of(folder);
  // Something that is not a folder on the way fails the save itself, which
  // says so.
  if (!is_folder(folder) || mode_writable(folder)) return "";
  return "the folder " + folder + " is read-only";
}

reg_tree reg_store_read(const std::string &path) {
  reg_tree tree;
  std::string text;
  failure refusal;
  if (read_store_text(path, &text, &refusal) != file_read || !reg_parse(text, &tree))
    tree.keys.clear();
  return tree;
}

LSTATUS reg_store_refused(const std::string &path, const std::string &why, LSTATUS status) {
  fprintf(stderr, "torvane: %s: %s; settings not saved\n", path.c_str(), why.c_str());
  return status;
}

LSTATUS reg_store_update(const std::string &path, const std::function<void(reg_tree *)> &change) {
  std::string read_only = reg_store_why_read_only(path);
  if (!read_only.empty()) return not_saved(path, {read_only, ERROR_ACCESS_DENIED});
  const std::string file = link_target(path);
  // A refused file is turned away before anything is made beside it (a link
  // to a device must not leave a lock file among the devices).
  std::string text;
  failure refusal;
  if (read_store_text(file, &text, &refusal) == file_refused) return not_saved(path, refusal);
  const std::string folder = reg_folder_of(file);
  if (!make_folders(folder)) {
    failure f = errno_failure(errno);
    return not_saved(path, {"cannot make the folder " + folder + ": " + f.why, f.status});
  }
  int lock = take_lock(file + ".lock");
  if (lock < 0) {
    failure f = errno_failure(errno);
    return not_saved(path, {"cannot lock it: " + f.why, f.status});
  }
  reg_remove_stale_temps(file);
  LSTATUS status = save_locked(path, file, change);
  close(lock);
  return status;
}
