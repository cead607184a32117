#include "registry_helpers.h"

#include <gtest/gtest.h>

HKEY create_key(const char *path, DWORD *disposition) {
  HKEY key = nullptr;
  DWORD ignored;
  char no_class[] = "";
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, no_class, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, NULL, &key, disposition ? disposition : &ignored),
            ERROR_SUCCESS)
      << path;
  return key;
}

// Windows counts a text's terminating zero when the caller left it out but it
// follows the given bytes in memory; a non-zero byte there keeps the data as
// given.
void set_bytes(HKEY key, const char *name, DWORD type, const std::vector<BYTE> &data) {
  std::vector<BYTE> padded = data;
  padded.push_back(0xEE);
  EXPECT_EQ(RegSetValueExA(key, name, 0, type, padded.data(), DWORD(data.size())), ERROR_SUCCESS)
      << name;
}

std::vector<BYTE> query_bytes(HKEY key, const char *name, DWORD *type) {
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExA(key, name, NULL, type, NULL, &size), ERROR_SUCCESS) << name;
  std::vector<BYTE> data(size + 1, 0xEE);
  DWORD got = size;
  EXPECT_EQ(RegQueryValueExA(key, name, NULL, type, data.data(), &got), ERROR_SUCCESS) << name;
  EXPECT_EQ(got, size);
  EXPECT_EQ(data[size], 0xEE) << name << ": written past the value's size";
  data.resize(size);
  return data;
}
