#include "support/must_run.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct expected_callback {
  std::string what;
  std::shared_ptr<bool> ran;
};

std::vector<expected_callback> expected;

// Listeners hear a test's end before the result is printed, and a failure
// added there still counts for that test.
class callback_check : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo &) override { expected.clear(); }
  void OnTestEnd(const ::testing::TestInfo &) override {
    for (const expected_callback &callback : expected)
      if (!*callback.ran) ADD_FAILURE() << callback.what << " never ran";
    expected.clear();
  }
};

// Installed before main, in every test program that wraps a callback.
const bool installed = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new callback_check);
  return true;
}();

}  // namespace

std::shared_ptr<bool> expect_to_run(const std::string &what) {
  expected.push_back({what, std::make_shared<bool>(false)});
  return expected.back().ran;
}
