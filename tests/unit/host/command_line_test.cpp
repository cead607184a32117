#include "host/command_line.h"

#include <gtest/gtest.h>

#include "host/ssaver.h"
#include "support/reset_modules.h"

namespace {

struct scan_case {
  const char *line;
  int mode;
  INT_PTR parent;
};

class CommandLineScan : public ::testing::TestWithParam<scan_case> {};

TEST_P(CommandLineScan, ChoosesModeAndParent) {
  const scan_case &c = GetParam();
  reset_host();
  scan_command_line(c.line);
  EXPECT_EQ(ss_mode, c.mode) << '"' << c.line << '"';
  EXPECT_EQ(reinterpret_cast<INT_PTR>(hInvokedParent), c.parent) << '"' << c.line << '"';
}

const scan_case scan_cases[] = {
    {"", MODE_CONFIG, 0},
    {"   no switch here", MODE_CONFIG, 0},
    {"/s", MODE_SAVER, 0},
    {"/S", MODE_SAVER, 0},
    {"-s", MODE_SAVER, 0},
    {"-S", MODE_SAVER, 0},
    {"/a", MODE_PASSWORD, 0},
    {"/A 1234", MODE_PASSWORD, 0},
    {"/c", MODE_CONFIG, 0},
    {"/c:1234", MODE_CONFIG, 0},
    {"/s /c", MODE_CONFIG, 0},
    {"/c /s", MODE_SAVER, 0},
    {"/p 1234 /s", MODE_SAVER, 1234},
    // The number starts two characters after the letter.
    {"/p 1234", MODE_PREVIEW, 1234},
    {"/P 1234", MODE_PREVIEW, 1234},
    {"/l 5678", MODE_PREVIEW, 5678},
    {"-p:99", MODE_PREVIEW, 99},
    {"/p  \t42", MODE_PREVIEW, 42},
    {"/p +42", MODE_PREVIEW, 42},
    {"/p -42", MODE_PREVIEW, -42},
    {"/p x", MODE_PREVIEW, 0},
    {"/p1234", MODE_PREVIEW, 234},
    // Fewer than two characters after p or l: no parent, scan over.
    {"/p", MODE_PREVIEW, 0},
    {"/p ", MODE_PREVIEW, 0},
    {"/p 9 /l:", MODE_PREVIEW, 0},
    // A switch character at the very end does nothing.
    {"/s /", MODE_SAVER, 0},
    {"/s -", MODE_SAVER, 0},
    // A second switch character is the letter; the scan resumes after it.
    {"//s", MODE_CONFIG, 0},
    {"/s -/c", MODE_SAVER, 0},
    {"--s", MODE_CONFIG, 0},
    // Switch characters count anywhere, even inside a path.
    {"/s C:\\my-cards\\x", MODE_CONFIG, 0},
    {"/c /tmp/a-saver", MODE_SAVER, 0},
    {"run/p 77", MODE_PREVIEW, 77},
    // Other letters leave the mode alone.
    {"/s /x /q", MODE_SAVER, 0},
};

INSTANTIATE_TEST_SUITE_P(Table, CommandLineScan, ::testing::ValuesIn(scan_cases));

}  // namespace
