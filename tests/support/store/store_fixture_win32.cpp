// The real registry: the test keys are deleted before and after each test.
#include "store_fixture.h"

#include <windows.h>

namespace {

void delete_test_keys() {
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TorvaneTest");
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Fenwright Productions");
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TorvaneTest", 0, KEY_READ, &key),
            ERROR_FILE_NOT_FOUND);
}

}  // namespace

void use_empty_store() { delete_test_keys(); }

void discard_store() { delete_test_keys(); }
