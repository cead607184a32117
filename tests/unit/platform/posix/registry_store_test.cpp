// The Linux registry store as a file: the exact text it writes, the text it
// reads, what it keeps, and how it behaves with a bad or read-only file and
// with two writers at once.
#include "platform/posix/registry_file.h"
#include "registry_helpers.h"
#include "sample_key.h"
#include "store_files.h"
#include "store_fixture.h"
#include "support/reset_modules.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char saver_key[] = "[HKEY_CURRENT_USER\\Software\\Fenwright Productions\\Torvane Screensaver]\r\n";

class RegistryStore : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    reset_settings();
  }
};

TEST_F(RegistryStore, SavedSettingsAreRegedit4TextWithCrlfLineEnds) {
  save_config();
  EXPECT_EQ(read_file(store_file()), std::string("REGEDIT4\r\n\r\n") + saver_key +
                                         "\"animation_speed\"=dword:00000064\r\n"
                                         "\"flags\"=dword:00000003\r\n"
                                         "\"curve_segments\"=dword:000000aa\r\n"
                                         "\"shape_points\"=dword:0000000a\r\n"
                                         "\"skin_id\"=dword:00000001\r\n"
                                         "\"func_id\"=dword:00000001\r\n"
                                         "\"bump_speed\"=dword:0000003c\r\n"
                                         "\"user_options\"=dword:00000003\r\n"
                                         "\r\n");
}

TEST_F(RegistryStore, EveryTypeIsWrittenAsTheRegistryEditorWritesIt) {
  HKEY key = create_key(sample_key_path);
  for (const sample_value &v : sample_values()) set_bytes(key, v.name, v.type, v.data);
  RegCloseKey(key);
  EXPECT_EQ(read_file(store_file()), sample_key_text());
}

TEST_F(RegistryStore, ReadsLfAndCrlfFilesWithWrappedHexAndAByteOrderMark) {
  for (const char *eol : {"\n", "\r\n"}) {
    std::string e = eol;
    write_file(store_file(), "\xEF\xBB\xBFREGEDIT4" + e + e + "; written by hand" + e +
                                 "[HKEY_CURRENT_USER\\Software\\Fenwright Productions\\Torvane "
                                 "Screensaver]  " + e +
                                 "\"animation_speed\"=DWORD:000001F4" + e + "\"blob\"=hex:01,02,\\" +
                                 e + "    03,04" + e + "\"skin_id\"=dword:00000003" + e);
    reset_settings();
    load_config();
    EXPECT_EQ(animation_speed, 500) << "line end " << e.size();
    EXPECT_EQ(skin_id, 3);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_READ, &key), ERROR_SUCCESS);
    BYTE blob[8];
    DWORD size = sizeof blob;
    EXPECT_EQ(RegQueryValueExA(key, "blob", NULL, NULL, blob, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::vector<BYTE>(blob, blob + size), (std::vector<BYTE>{1, 2, 3, 4}));
    RegCloseKey(key);
  }
}

// A file written with LF line ends keeps them, hex wrapping included, and
// saving the same settings again leaves it byte for byte.
TEST_F(RegistryStore, AnLfFileKeepsItsLineEndsAndStopsGrowing) {
  const std::string crlf = sample_key_text();
  std::string lf = crlf;
  lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
  write_file(store_file(), lf);
  save_config();
  const std::string saved = read_file(store_file());
  EXPECT_EQ(saved.find('\r'), std::string::npos);
  EXPECT_EQ(saved.substr(0, lf.size()), lf) << "the other key as it was";
  for (int i = 0; i < 3; ++i) {
    save_config();
    EXPECT_EQ(read_file(store_file()), saved) << "save " << i;
  }
}

TEST_F(RegistryStore, SaveKeepsEveryOtherKeyAndValueInPlace) {
  const std::string machine =
      "[HKEY_LOCAL_MACHINE\\Software\\Elsewhere]\r\n"
      "\"x\"=\"y\"\r\n\r\n";
  const std::string other =
      "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
      "@=\"default\"\r\n"
      "\"multi\"=hex(7):61,00,62,00,00\r\n"
      "\"expand\"=hex(2):25,50,41,54,48,25\r\n"
      "\"none\"=hex(0):01\r\n"
      "\"odd\"=hex(1234):ff\r\n"
      "\"bin\"=hex:\r\n\r\n";
  write_file(store_file(), std::string("REGEDIT4\r\n\r\n") + machine + saver_key +
                               "\"note\"=\"keep\"\r\n\"skin_id\"=dword:00000002\r\n\r\n" + other);
  skin_id = 4;
  save_config();
  EXPECT_EQ(read_file(store_file()), std::string("REGEDIT4\r\n\r\n") + machine + saver_key +
                                         "\"note\"=\"keep\"\r\n"
                                         "\"skin_id\"=dword:00000004\r\n"
                                         "\"animation_speed\"=dword:00000064\r\n"
                                         "\"flags\"=dword:00000003\r\n"
                                         "\"curve_segments\"=dword:000000aa\r\n"
                                         "\"shape_points\"=dword:0000000a\r\n"
                                         "\"func_id\"=dword:00000001\r\n"
                                         "\"bump_speed\"=dword:0000003c\r\n"
                                         "\"user_options\"=dword:00000003\r\n\r\n" +
                                         other);
}

TEST_F(RegistryStore, AnUnparsableFileCountsAsNoKeyAndIsKeptBesideWhenReplaced) {
  const std::string bad = std::string("REGEDIT4\r\n") + saver_key +
                          "\"animation_speed\"=dword:00000200\r\n\"flags\"=dword:zz\r\n";
  write_file(store_file(), bad);
  HKEY key;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_READ, &key),
            ERROR_FILE_NOT_FOUND);
  load_config();
  EXPECT_EQ(animation_speed, 100);
  EXPECT_EQ(read_file(store_file()), bad) << "loading must not touch the file";

  testing::internal::CaptureStderr();
  save_config();
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(read_file(store_file() + ".bad"), bad);
  EXPECT_NE(said.find(store_file() + ".bad"), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;

  animation_speed = 0;
  load_config();
  EXPECT_EQ(animation_speed, 100);

  testing::internal::CaptureStderr();
  save_config();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(read_file(store_file() + ".bad"), bad);
}

TEST_F(RegistryStore, AFileCutShortGivesEachSettingItsSavedValueOrItsDefault) {
  animation_speed = 4000;
  shape_points = 33;
  bump_speed = 111;
  save_config();
  const std::string text = read_file(store_file());
  for (size_t length = 0; length < text.size(); ++length) {
    write_file(store_file(), text.substr(0, length));
    reset_settings();
    load_config();
    EXPECT_TRUE(animation_speed == 100 || animation_speed == 4000) << length;
    EXPECT_TRUE(shape_points == 10 || shape_points == 33) << length;
    EXPECT_TRUE(bump_speed == 60 || bump_speed == 111) << length;
  }
}

// Only a save needs to write: the settings in a file the user may only read
// are loaded (as root too: the store goes by the file's write bits).
TEST_F(RegistryStore, AReadOnlyFileIsReadButNeverWritten) {
  const std::string text = std::string("REGEDIT4\r\n\r\n") + saver_key +
                           "\"animation_speed\"=dword:000001f4\r\n\r\n";
  write_file(store_file(), text);
  chmod(store_file().c_str(), 0444);
  std::vector<std::string> entries = folder_entries();

  HKEY key;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_ALL_ACCESS, &key),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_WRITE, &key),
            ERROR_ACCESS_DENIED);
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_READ, &key), ERROR_SUCCESS);
  BYTE buf[4];
  DWORD size = sizeof buf;
  EXPECT_EQ(RegQueryValueExA(key, "animation_speed", NULL, NULL, buf, &size), ERROR_SUCCESS);
  EXPECT_EQ(buf[0] | buf[1] << 8, 500);
  RegCloseKey(key);

  load_config();
  EXPECT_EQ(animation_speed, 500);

  HKEY created;
  DWORD disposition;
  char no_class[] = "";
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TorvaneTest\\New", 0, no_class, 0,
                            KEY_ALL_ACCESS, NULL, &created, &disposition),
            ERROR_ACCESS_DENIED);
  animation_speed = 7;
  EXPECT_EQ(save_config(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(read_file(store_file()), text);
  EXPECT_EQ(folder_entries(), entries) << "no temporary or lock file either";
}

TEST_F(RegistryStore, AReadOnlyFolderDeniesWriting) {
  write_file(store_file(), std::string("REGEDIT4\r\n\r\n") + saver_key);
  chmod(fs::path(store_file()).parent_path().c_str(), 0555);
  HKEY key;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_ALL_ACCESS, &key),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(RegistryStore, TwoProcessesWritingAtOnceLoseNothing) {
  const int writes = 40;
  RegCloseKey(create_key("Software\\TorvaneTest\\Race"));
  pid_t children[2];
  for (int writer = 0; writer < 2; ++writer) {
    children[writer] = fork();
    ASSERT_GE(children[writer], 0);
    if (children[writer] == 0) {
      // Closing the key saves, so each value is a save of its own.
      for (int i = 0; i < writes; ++i) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TorvaneTest\\Race", 0, KEY_ALL_ACCESS,
                          &key) != ERROR_SUCCESS)
          _exit(2);
        std::string name = "writer" + std::to_string(writer) + "_" + std::to_string(i);
        DWORD value = DWORD(writer * 1000 + i);
        if (RegSetValueExA(key, name.c_str(), 0, REG_DWORD, (const BYTE *)&value, 4) !=
                ERROR_SUCCESS ||
            RegCloseKey(key) != ERROR_SUCCESS)
          _exit(3);
      }
      _exit(0);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TorvaneTest\\Race", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  for (int writer = 0; writer < 2; ++writer) {
    for (int i = 0; i < writes; ++i) {
      std::string name = "writer" + std::to_string(writer) + "_" + std::to_string(i);
      DWORD value = 0, size = 4;
      EXPECT_EQ(RegQueryValueExA(key, name.c_str(), NULL, NULL, (BYTE *)&value, &size),
                ERROR_SUCCESS)
          << name;
      EXPECT_EQ(value, DWORD(writer * 1000 + i));
    }
  }
  RegCloseKey(key);
}

TEST_F(RegistryStore, TheFileLivesUnderTheUsersConfigFolder) {
  std::string folder = fs::path(store_file()).parent_path().string();
  std::string old_home = getenv("HOME") ? getenv("HOME") : "";
  const char *old_config = getenv("XDG_CONFIG_HOME");
  std::string saved_config = old_config ? old_config : "";
  unsetenv("TORVANE_REGISTRY");

  setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
  EXPECT_EQ(reg_store_path(), folder + "/config/torvane/registry.reg");
  save_config();
  EXPECT_TRUE(fs::exists(folder + "/config/torvane/registry.reg"));

  setenv("HOME", (folder + "/home").c_str(), 1);
  setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  EXPECT_EQ(reg_store_path(), folder + "/home/.config/torvane/registry.reg");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(reg_store_path(), folder + "/home/.config/torvane/registry.reg");

  setenv("HOME", old_home.c_str(), 1);
  if (old_config) setenv("XDG_CONFIG_HOME", saved_config.c_str(), 1);
  setenv("TORVANE_REGISTRY", (folder + "/registry.reg").c_str(), 1);
}

}  // namespace
