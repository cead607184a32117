// Each registry test starts from an empty store and leaves nothing behind.
// Linux: a fresh store file in a temporary folder (TORVANE_REGISTRY).
// Windows: the real registry of the current user, with the keys the tests
// write ("Software\TorvaneTest" and the saver's own) removed before and after.
#pragma once

#include <gtest/gtest.h>

void use_empty_store();
void discard_store();

// Leaves the saver's key readable but not writable by the user: a read-only
// store file on Linux, a key whose permissions grant only reading on Windows.
void make_saver_key_read_only();

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override { use_empty_store(); }
  void TearDown() override { discard_store(); }
};
