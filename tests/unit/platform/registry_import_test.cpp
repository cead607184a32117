// The text the Linux store writes, imported by Windows' own registry tool,
// gives back every value byte for byte (text gains a missing terminating
// zero, as the import does): a user can move the file to Windows.
#include "registry_helpers.h"
#include "sample_key.h"
#include "store_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using RegistryImport = StoreTest;

TEST_F(RegistryImport, TheStoreFileImportsIntoTheWindowsRegistryUnchanged) {
  char folder[MAX_PATH];
  ASSERT_GT(GetTempPathA(sizeof folder, folder), 0u);
  std::string path = std::string(folder) + "torvane-sample.reg";
  FILE *file = fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::string text = sample_key_text();
  fwrite(text.data(), 1, text.size(), file);
  fclose(file);

  int status = system(("reg import \"" + path + "\" >NUL 2>&1").c_str());
  remove(path.c_str());
  ASSERT_EQ(status, 0);

  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, sample_key_path, 0, KEY_READ, &key), ERROR_SUCCESS);
  for (const sample_value &v : sample_values()) {
    // The import ends text with a zero where the stored text had none.
    std::vector<BYTE> expected = v.data;
    bool is_text = v.type == REG_SZ || v.type == REG_EXPAND_SZ || v.type == REG_MULTI_SZ;
    if (is_text && !expected.empty() && expected.back() != 0) expected.push_back(0);
    DWORD type = 0;
    EXPECT_EQ(query_bytes(key, v.name, &type), expected) << v.name;
    EXPECT_EQ(type, v.type) << v.name;
  }
  RegCloseKey(key);
}

}  // namespace
