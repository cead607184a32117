// Random and truncated command lines, each in a heap buffer of exactly its
// own size, so AddressSanitizer reports any read past the terminating NUL;
// without it, switches planted after the NUL must not change the outcome.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "host/command_line.h"
#include "host/ssaver.h"
#include "support/reset_modules.h"

namespace {

struct outcome {
  int mode;
  HWND parent;
};

outcome scan(const char *line) {
  reset_host();
  scan_command_line(line);
  return outcome{ss_mode, hInvokedParent};
}

void scan_exact_copy(const std::string &line) {
  std::unique_ptr<char[]> exact(new char[line.size() + 1]);
  std::memcpy(exact.get(), line.c_str(), line.size() + 1);
  outcome alone = scan(exact.get());

  std::string planted = line + '\0' + " 9/p 4321/a";
  outcome followed = scan(planted.c_str());
  EXPECT_EQ(alone.mode, followed.mode) << line;
  EXPECT_EQ(alone.parent, followed.parent) << line;
}

TEST(CommandLineFuzz, RandomLinesStayInsideTheirBuffer) {
  const char alphabet[] = "/-/-pPlLsSaAcCx :+-0123456789\t";
  std::mt19937 random(20241207);
  std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 2);
  std::uniform_int_distribution<int> length(0, 24);
  for (int round = 0; round < 20000; round++) {
    std::string line;
    for (int n = length(random); n > 0; n--) line += alphabet[pick(random)];
    scan_exact_copy(line);
  }
}

TEST(CommandLineFuzz, EveryPrefixOfRealLinesStaysInsideItsBuffer) {
  for (const char *full : {"/p 123456", "-l:42 /s", "/c:9999", "x-y/z/", "/S -A /P\t+7"}) {
    std::string line = full;
    for (size_t cut = 0; cut <= line.size(); cut++) scan_exact_copy(line.substr(0, cut));
  }
}

}  // namespace
