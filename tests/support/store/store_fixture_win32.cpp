// The real registry: the test keys are deleted before and after each test.
#include "store_fixture.h"

#include <windows.h>

#include <sddl.h>

namespace {

const char saver_key[] = "Software\\Fenwright Productions\\Torvane Screensaver";

// The saver's key with the permissions `sddl` describes (as its owner, the
// test may always change them).
void set_saver_key_permissions(const char *sddl) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, saver_key, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
  PSECURITY_DESCRIPTOR descriptor;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1,
                                                                   &descriptor, nullptr));
  EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
  LocalFree(descriptor);
  RegCloseKey(key);
}

void delete_test_keys() {
  set_saver_key_permissions("D:(A;;KA;;;WD)");
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TorvaneTest");
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Fenwright Productions");
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TorvaneTest", 0, KEY_READ, &key),
            ERROR_FILE_NOT_FOUND);
}

}  // namespace

void use_empty_store() { delete_test_keys(); }

// Everyone may read the key, and nothing more.
void make_saver_key_read_only() { set_saver_key_permissions("D:P(A;;KR;;;WD)"); }

void discard_store() { delete_test_keys(); }
