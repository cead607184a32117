#include "dialog_test_support.h"

#include "store_fixture.h"
#include "settings/settings.h"
#include "support/reset_modules.h"
#include "fakes/headless_dialogs.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

void DialogTest::SetUp() {
  use_empty_store();
  headless_reset();
  reset_settings();
  reset_geometry();
}

void DialogTest::TearDown() {
  headless_reset();
  discard_store();
}

void store_value(const char *name, int value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, config_key_name, 0, const_cast<LPSTR>(""), 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, (const BYTE *)&value, 4), ERROR_SUCCESS);
  RegCloseKey(key);
}

std::optional<int> stored_value(const char *name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, config_key_name, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  int value = 0;
  DWORD type = 0, size = sizeof value;
  LSTATUS status = RegQueryValueExA(key, name, nullptr, &type, (BYTE *)&value, &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_DWORD || size != 4) return std::nullopt;
  return value;
}

std::string store_file() {
  std::ifstream file(std::getenv("TORVANE_REGISTRY"), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}
