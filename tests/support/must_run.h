// Callbacks a test hands to the code under test and needs to run. Asserts
// inside a callback prove nothing when it never runs, so a test fails at its
// end unless every callback it wrapped with must_run ran at least once.
#pragma once

#include <memory>
#include <string>
#include <utility>

// Registers a callback of the running test (`what` names it in the failure)
// and gives the flag its wrapper sets when it runs.
std::shared_ptr<bool> expect_to_run(const std::string &what);

// `callback`, wrapped so that the running test fails unless it is called.
template <typename F>
auto must_run(const std::string &what, F callback) {
  std::shared_ptr<bool> ran = expect_to_run(what);
  return [ran, callback](auto &&...args) mutable -> decltype(auto) {
    *ran = true;
    return callback(std::forward<decltype(args)>(args)...);
  };
}
