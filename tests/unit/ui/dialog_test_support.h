// Shared by the dialog tests: a fresh settings store per test, the settings
// back at their defaults, and the stored values read through the registry.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

void store_value(const char *name, int value);
std::optional<int> stored_value(const char *name);
// The store file's bytes; empty when there is no file.
std::string store_file();
