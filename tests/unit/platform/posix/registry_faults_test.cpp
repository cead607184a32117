// The store file under faults a user's machine can have: something that is
// not a regular file of modest size, a symbolic link, one unparsable file
// after another, a temporary file left by a killed writer, a full disk.
#include "child_process.h"
#include "platform/posix/registry_file.h"
#include "platform/posix/registry_text.h"
#include "registry_helpers.h"
#include "store_files.h"
#include "store_fixture.h"
#include "stored_settings.h"
#include "support/reset_modules.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A valid store of exactly `size` bytes holding "skin_id" = 4, padded with a
// comment.
std::string store_text_of_size(size_t size) {
  std::string text =
      "REGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Fenwright Productions\\Torvane Screensaver]\r\n"
      "\"skin_id\"=dword:00000004\r\n\r\n; ";
  text.append(size - text.size() - 2, 'x');
  return text + "\r\n";
}

// A store of at least `size` bytes whose bulk is a binary value of a key of
// its own, so that a save keeps it.
std::string padded_store_text(size_t size) {
  reg_tree tree;
  reg_key *key = reg_add_key(&tree, "HKEY_CURRENT_USER\\Software\\TorvaneTest\\Padding");
  reg_value blob = {"blob", REG_BINARY, {}};
  do {
    blob.data.push_back(0xAB);
    reg_set_value(key, blob);
  } while (reg_format(tree).size() < size);
  return reg_format(tree);
}

// A valid store of exactly `size` bytes with `eol` line ends and no blank
// line at its end: the saver's eight values (skin_id 4), then a key whose
// one text value pads it.
std::string store_text_at(size_t size, const std::string &eol) {
  std::string text = "REGEDIT4" + eol + eol + "[HKEY_CURRENT_USER\\" + config_key_name + "]" + eol;
  for (const std::string name : setting_value_names)
    text += "\"" + name + "\"=dword:0000000" + (name == "skin_id" ? "4" : "3") + eol;
  text += eol + "[HKEY_CURRENT_USER\\Software\\TorvaneTest\\Padding]" + eol + "\"pad\"=\"";
  return text + std::string(size - text.size() - 1 - eol.size(), 'x') + "\"" + eol;
}

// What is at `path`, told apart by kind and content.
std::string identity(const std::string &path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return "nothing";
  if (S_ISLNK(st.st_mode)) return "link to " + fs::read_symlink(path).string();
  if (S_ISFIFO(st.st_mode)) return "FIFO";
  if (S_ISDIR(st.st_mode)) return "folder";
  return "file: " + read_file(path);
}

std::string save_and_tell() {
  testing::internal::CaptureStderr();
  save_config();
  return testing::internal::GetCapturedStderr();
}

bool mentions(const std::string &said, const std::string &part) {
  return said.find(part) != std::string::npos;
}

using StoreFaults = StoreTest;

TEST_F(StoreFaults, AnythingButARegularFileUpToTheSizeCapIsUnreadableAndKept) {
  write_file(store_file(), store_text_of_size(reg_store_size_limit));
  reset_settings();
  reset_geometry();
  load_config();
  EXPECT_EQ(skin_id, 4) << "a store of the largest size allowed is read";
  fs::remove(store_file());

  const struct {
    const char *name;
    std::function<void(const std::string &)> make;
  } faults[] = {
      {"FIFO", [](const std::string &p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
      {"link to /dev/zero", [](const std::string &p) { fs::create_symlink("/dev/zero", p); }},
      {"folder", [](const std::string &p) { fs::create_directory(p); }},
      {"store one byte over the cap",
       [](const std::string &p) { write_file(p, store_text_of_size(reg_store_size_limit + 1)); }},
  };
  for (const auto &fault : faults) {
    fault.make(store_file());
    const std::string before = identity(store_file());
    const std::vector<std::string> entries = folder_entries();
    if (!finishes_within(30, [] {
          load_config();
          return 0;
        })) {
      ADD_FAILURE() << fault.name << ": loading the settings hung or crashed";
      fs::remove(store_file());
      continue;
    }
    reset_settings();
    reset_geometry();
    load_config();
    EXPECT_EQ(skin_id, 1) << fault.name << ": the defaults are used";

    use_settings_set(3);
    std::string said = save_and_tell();
    EXPECT_TRUE(mentions(said, store_file()) && mentions(said, "not saved")) << fault.name << said;
    EXPECT_EQ(identity(store_file()), before) << fault.name;
    EXPECT_EQ(folder_entries(), entries) << fault.name << ": nothing written beside it";
    fs::remove(store_file());
  }
}

// A save never makes a file the reader refuses: a store at the size cap
// keeps its size when OK changes a value, whatever its line ends and however
// it was laid out; settings that would take it past the cap are not saved,
// and the save says so.
TEST_F(StoreFaults, AStoreAtTheSizeCapSurvivesASaveAndIsReadAgain) {
  for (const std::string eol : {"\r\n", "\n"}) {
    for (size_t size : {reg_store_size_limit - 1, reg_store_size_limit}) {
      write_file(store_file(), store_text_at(size, eol));
      for (int skin : {2, 3}) {
        reset_settings();
        load_config();
        EXPECT_EQ(skin_id, skin == 2 ? 4 : 2) << "size " << size << ", save " << skin;
        skin_id = skin;
        EXPECT_EQ(save_config(), ERROR_SUCCESS);
        const std::string saved = read_file(store_file());
        EXPECT_LE(saved.size(), reg_store_size_limit);
        EXPECT_EQ(saved.find("\r\n") != std::string::npos, eol == "\r\n") << "line ends kept";
      }
    }
  }

  // The padding without the saver's key, 50 bytes or so under the cap.
  std::string no_room = store_text_at(reg_store_size_limit + 250, "\r\n");
  const size_t saver_key = no_room.find("[HKEY");
  no_room.erase(saver_key, no_room.find("[HKEY", saver_key + 1) - saver_key);
  ASSERT_LE(no_room.size(), reg_store_size_limit);
  write_file(store_file(), no_room);
  testing::internal::CaptureStderr();
  EXPECT_EQ(save_config(), ERROR_FILE_TOO_LARGE);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "torvane: " + store_file() +
                ": with these settings it would be larger than 1048576 bytes; "
                "settings not saved\n");
  EXPECT_TRUE(read_file(store_file()) == no_room) << "the old file kept";
}

TEST_F(StoreFaults, ASymlinkedStoreIsWrittenThroughTheLinkWhichStaysALink) {
  const std::string target = store_folder() + "/real/settings.reg";
  fs::create_directory(store_folder() + "/real");
  use_settings_set(7);
  save_config();
  fs::rename(store_file(), target);
  fs::remove(store_file() + ".lock");
  chmod(target.c_str(), 0640);
  fs::create_symlink("real/settings.reg", store_file());

  reset_settings();
  reset_geometry();
  load_config();
  EXPECT_EQ(skin_id, 7);
  use_settings_set(8);
  save_config();
  EXPECT_EQ(identity(store_file()), "link to real/settings.reg");
  EXPECT_EQ(stored_set(), "set 8");
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
  EXPECT_EQ(folder_entries(), (std::vector<std::string>{"real", "registry.reg"}));
  EXPECT_EQ(folder_entries(store_folder() + "/real"),
            (std::vector<std::string>{"settings.reg", "settings.reg.lock"}));

  // A link whose file is gone: the save makes the file at its end.
  fs::remove(target);
  use_settings_set(9);
  save_config();
  EXPECT_EQ(identity(store_file()), "link to real/settings.reg");
  EXPECT_EQ(stored_set(), "set 9");
}

TEST_F(StoreFaults, EveryUnparsableFileGetsABackupOfItsOwnUntilTheTenAreTaken) {
  std::vector<std::string> backups = {store_file() + ".bad"};
  for (int i = 1; i < 10; ++i) backups.push_back(store_file() + ".bad." + std::to_string(i));
  auto bad_text = [](int i) { return "not a registry file, number " + std::to_string(i) + "\r\n"; };
  for (int i = 0; i <= 10; ++i) {
    write_file(store_file(), bad_text(i));
    use_settings_set(i + 1);
    std::string said = save_and_tell();
    if (i < 10) {
      EXPECT_EQ(stored_set(), "set " + std::to_string(i + 1));
      EXPECT_TRUE(mentions(said, backups[i])) << said;
    } else {
      EXPECT_EQ(read_file(store_file()), bad_text(i)) << "no backup left: the file stays";
      EXPECT_TRUE(mentions(said, "not saved")) << said;
    }
    for (int j = 0; j <= i && j < 10; ++j) EXPECT_EQ(read_file(backups[j]), bad_text(j)) << j;
  }
}

TEST_F(StoreFaults, ASaveRemovesAStaleTemporaryFileAndNothingThatLooksLikeOne) {
  save_config();
  std::vector<std::string> others = {"notes.tmp-Ab12Cd",       "registry.reg.backup",
                                     "registry.reg.bad",       "registry.reg.tmp-Ab12",
                                     "registry.reg.tmp-Ab12Cd9", "registry.reg.tmp-Ab12C."};
  for (const std::string &name : others) write_file(store_folder() + "/" + name, "mine");
  write_file(store_folder() + "/registry.reg.tmp-Ab12Cd", "REGEDIT4\r\n\r\n[HKEY_CU");
  save_config();
  others.push_back("registry.reg");
  others.push_back("registry.reg.lock");
  std::sort(others.begin(), others.end());
  EXPECT_EQ(folder_entries(), others);
}

// Saving where the new file cannot be written, in a child: on a small tmpfs
// left with one free page (needs the right to mount), or under a file size
// limit. The old file is just under a page, so the new one needs two. The
// child leaves what it saw in the files "report" and "said".
enum class full_disk { tmpfs, size_limit };
const int cannot_mount = 77;

bool fill_leaving_one_page(const std::string &disk) {
  int fd = open((disk + "/filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const std::vector<char> page(4096, 'f');
  off_t size = 0;
  while (write(fd, page.data(), page.size()) == ssize_t(page.size())) size += off_t(page.size());
  bool ok = ftruncate(fd, size - off_t(page.size())) == 0;
  close(fd);
  struct statvfs vfs;
  return ok && statvfs(disk.c_str(), &vfs) == 0 && vfs.f_bavail * vfs.f_frsize == page.size();
}

int save_on_full_disk(full_disk kind, const std::string &folder) {
  const std::string disk = folder + "/disk";
  if (kind == full_disk::tmpfs &&
      (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
       mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0))
    return cannot_mount;
  setenv("TORVANE_REGISTRY", (disk + "/registry.reg").c_str(), 1);
  const std::string old_text = padded_store_text(3900);
  write_file(store_file(), old_text);
  if (kind == full_disk::tmpfs) {
    if (!fill_leaving_one_page(disk)) return 2;
  } else {
    const rlimit limit = {old_text.size(), old_text.size()};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
  }
  if (!freopen((folder + "/said").c_str(), "w", stderr)) return 4;
  setvbuf(stderr, nullptr, _IONBF, 0);

  use_settings_set(5);
  std::string report = "save: " + std::to_string(save_config()) + ", ";
  report += read_file(store_file()) == old_text ? "old file kept" : stored_set();
  HKEY key = create_key("Software\\TorvaneTest\\More");
  set_bytes(key, "blob", REG_BINARY, std::vector<BYTE>(8192, 1));
  report += "; closing a key with a new value: " + std::to_string(RegCloseKey(key)) + ";";
  for (const std::string &name : folder_entries(disk)) report += " " + name;
  write_file(folder + "/report", report);
  return 0;
}

TEST_F(StoreFaults, AFullDiskKeepsTheOldFileAndFailsTheSave) {
  const struct {
    full_disk kind;
    const char *name, *report, *reason;
  } cases[] = {
      {full_disk::tmpfs, "tmpfs with one free page",
       "save: 112, old file kept; closing a key with a new value: 112; filler registry.reg "
       "registry.reg.lock",
       "No space left on device"},
      {full_disk::size_limit, "file size limit",
       "save: 223, old file kept; closing a key with a new value: 223; registry.reg "
       "registry.reg.lock",
       "File too large"},
  };
  for (const auto &c : cases) {
    fs::remove_all(store_folder() + "/disk");
    fs::create_directory(store_folder() + "/disk");
    const std::string folder = store_folder();
    int status = wait_child(start_child([&] { return save_on_full_disk(c.kind, folder); }), 60);
    if (WIFEXITED(status) && WEXITSTATUS(status) == cannot_mount) {
      printf("%s: this process may not mount, not tried\n", c.name);
      continue;
    }
    ASSERT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << c.name << ": status " << status;
    EXPECT_EQ(read_file(folder + "/report"), c.report) << c.name;
    const std::string said = read_file(folder + "/said");
    EXPECT_TRUE(mentions(said, c.reason) && mentions(said, "not saved")) << c.name << ": " << said;
  }
}

}  // namespace
