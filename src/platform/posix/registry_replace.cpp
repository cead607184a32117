#include "platform/posix/registry_replace.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// <file>.tmp-XXXXXX: a name nobody gives a file of their own by accident.
const char temp_infix[] = ".tmp-";
const size_t temp_random_length = 6;  // mkstemp's XXXXXX

int write_all(int fd, const std::string &text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    done += size_t(n);
  }
  return 0;
}

// Writes, copies the old file's permissions and syncs; 0 or an errno. A file
// size limit fails the write (EFBIG) instead of ending the process.
int fill_temp(int fd, const std::string &path, const std::string &text) {
  struct sigaction ignore = {}, old_action;
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignore, &old_action);
  int err = write_all(fd, text);
  sigaction(SIGXFSZ, &old_action, nullptr);
  struct stat old;
  if (!err && stat(path.c_str(), &old) == 0 && fchmod(fd, old.st_mode & 07777) != 0) err = errno;
  if (!err && fsync(fd) != 0) err = errno;
  return err;
}

void sync_folder(const std::string &folder) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool is_temp_of(const std::string &name, const std::string &file_name) {
  const std::string prefix = file_name + temp_infix;
  if (name.size() != prefix.size() + temp_random_length || name.compare(0, prefix.size(), prefix))
    return false;
  for (size_t i = prefix.size(); i < name.size(); ++i) {
    if (!isalnum(static_cast<unsigned char>(name[i]))) return false;
  }
  return true;
}

}  // namespace

std::string reg_folder_of(const std::string &path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

int reg_replace_file(const std::string &path, const std::string &text) {
  std::string temp = path + temp_infix + std::string(temp_random_length, 'X');
  int fd = mkstemp(&temp[0]);
  if (fd < 0) return errno;
  int err = fill_temp(fd, path, text);
  if (close(fd) != 0 && !err) err = errno;
  if (!err && rename(temp.c_str(), path.c_str()) != 0) err = errno;
  if (err) {
    unlink(temp.c_str());
    return err;
  }
  // The new file is in place now; a folder that cannot be synced does not
  // undo that.
  sync_folder(reg_folder_of(path));
  return 0;
}

void reg_remove_stale_temps(const std::string &path) {
  DIR *folder = opendir(reg_folder_of(path).c_str());
  if (!folder) return;
  const std::string file_name = path.substr(path.rfind('/') + 1);
  while (const dirent *entry = readdir(folder)) {
    if (is_temp_of(entry->d_name, file_name)) unlinkat(dirfd(folder), entry->d_name, 0);
  }
  closedir(folder);
}
