// The store file: atomic replacement (temporary file, fsync, rename, fsync of
// the folder) under an advisory lock held around each read-modify-write, so
// concurrent writers never lose each other's values.
#include "platform/posix/registry_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string folder_of(const std::string &path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

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
  if (!make_folders(folder_of(folder))) return false;
  return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// Reads the whole file; false when it cannot be opened.
bool read_text(const std::string &path, std::string *text) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  text->clear();
  char buf[8192];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR)) {
    if (n > 0) text->append(buf, size_t(n));
  }
  close(fd);
  return n == 0;
}

bool write_all(int fd, const std::string &text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

bool sync_folder(const std::string &folder) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = fsync(fd) == 0;
  close(fd);
  return ok;
}

// Writes a temporary file beside `path` and renames it over `path`.
bool replace_file(const std::string &path, const std::string &text) {
  std::string temp = path + ".XXXXXX";
  int fd = mkstemp(&temp[0]);
  if (fd < 0) return false;
  struct stat old;
  bool ok = write_all(fd, text) &&
            (stat(path.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0) &&
            fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  return sync_folder(folder_of(path));
}

void keep_unparsable_file(const std::string &path) {
  std::string backup = path + ".bad";
  if (rename(path.c_str(), backup.c_str()) == 0)
    fprintf(stderr, "torvane: %s is not a registry file; kept as %s\n", path.c_str(),
            backup.c_str());
}

}  // namespace

std::string reg_store_path() {
  const char *path = getenv("TORVANE_REGISTRY");
  if (path && *path) return path;
  const char *config = getenv("XDG_CONFIG_HOME");
  std::string folder = (config && config[0] == '/') ? config : home_folder() + "/.config";
  return folder + "/torvane/registry.reg";
}

bool reg_store_writable() {
  std::string path = reg_store_path();
  if (exists(path)) return mode_writable(path) && mode_writable(folder_of(path));
  std::string folder = folder_of(path);
  while (!exists(folder) && folder != "/" && folder != ".") folder = folder_of(folder);
  return mode_writable(folder);
}

reg_tree reg_store_read() {
  reg_tree tree;
  std::string text;
  if (!read_text(reg_store_path(), &text) || !reg_parse(text, &tree)) tree.keys.clear();
  return tree;
}

LSTATUS reg_store_update(const std::function<bool(reg_tree *)> &change) {
  if (!reg_store_writable()) return ERROR_ACCESS_DENIED;
  std::string path = reg_store_path();
  if (!make_folders(folder_of(path))) return ERROR_ACCESS_DENIED;
  std::string lock_path = path + ".lock";
  int lock = open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock < 0) return ERROR_ACCESS_DENIED;
  int locked;
  do locked = flock(lock, LOCK_EX);
  while (locked != 0 && errno == EINTR);
  reg_tree tree;
  std::string text;
  bool readable = read_text(path, &text);
  bool unparsable = readable && !reg_parse(text, &tree);
  if (unparsable) tree.keys.clear();
  LSTATUS status = ERROR_SUCCESS;
  if (locked != 0 || (!readable && exists(path))) {
    status = ERROR_ACCESS_DENIED;  // never replace what could not be read
  } else if (change(&tree)) {
    if (unparsable) keep_unparsable_file(path);
    if (!replace_file(path, reg_format(tree))) status = ERROR_ACCESS_DENIED;
  }
  close(lock);
  return status;
}
