// The REGEDIT4 reader: what it accepts and refuses, and that no input, random
// or cut short, makes it crash, read out of bounds or give an unstable result.
#include "platform/posix/registry_text.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const std::string sample =
    "REGEDIT4\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Fenwright Productions\\Torvane Screensaver]\r\n"
    "\"animation_speed\"=dword:00000064\r\n"
    "\"say \\\"hi\\\"\"=\"C:\\\\dir\"\r\n"
    "@=hex(b):01,02,03,04,05,06,07,08\r\n"
    "\"blob\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\r\n"
    "  16,17\r\n"
    "\"empty\"=hex:\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n"
    "\"multi\"=hex(7):61,00,62,00,00\r\n\r\n";

// Parsing again what the parsed text formats to must give the same text.
void expect_stable(const std::string &text) {
  reg_tree tree;
  if (!reg_parse(text, &tree)) return;
  std::string formatted = reg_format(tree);
  reg_tree again;
  ASSERT_TRUE(reg_parse(formatted, &again)) << formatted;
  EXPECT_EQ(reg_format(again), formatted);
}

TEST(RegistryText, TheSampleParsesAndFormatsBackUnchanged) {
  reg_tree tree;
  ASSERT_TRUE(reg_parse(sample, &tree));
  ASSERT_EQ(tree.keys.size(), 2u);
  ASSERT_EQ(tree.keys[0].values.size(), 5u);
  EXPECT_EQ(tree.keys[0].values[1].name, "say \"hi\"");
  EXPECT_EQ(tree.keys[0].values[1].data, (std::vector<BYTE>{'C', ':', '\\', 'd', 'i', 'r', 0}));
  EXPECT_EQ(tree.keys[0].values[2].name, "");
  EXPECT_EQ(tree.keys[0].values[2].type, DWORD(REG_QWORD));
  EXPECT_EQ(tree.keys[0].values[3].data.size(), 24u);
  EXPECT_EQ(reg_format(tree), sample);
}

TEST(RegistryText, RepeatedKeysAndValuesMergeAsAnImportWould) {
  reg_tree tree;
  ASSERT_TRUE(reg_parse("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=dword:00000001\n"
                        "[hkey_current_user\\a]\n\"V\"=dword:00000002\n\"w\"=hex:\n",
                        &tree));
  ASSERT_EQ(tree.keys.size(), 1u);
  ASSERT_EQ(tree.keys[0].values.size(), 2u);
  EXPECT_EQ(tree.keys[0].values[0].data, (std::vector<BYTE>{2, 0, 0, 0}));
}

TEST(RegistryText, ImpliedParentKeysExist) {
  reg_tree tree;
  ASSERT_TRUE(reg_parse("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A\\B]\n", &tree));
  EXPECT_TRUE(reg_key_exists(tree, "HKEY_CURRENT_USER\\software\\a"));
  EXPECT_TRUE(reg_key_exists(tree, "HKEY_CURRENT_USER\\Software\\A\\B"));
  EXPECT_FALSE(reg_key_exists(tree, "HKEY_CURRENT_USER\\Software\\A\\B\\C"));
  EXPECT_FALSE(reg_key_exists(tree, "HKEY_CURRENT_USER\\Software\\A\\"));
  EXPECT_FALSE(reg_key_exists(tree, "HKEY_CURRENT_USER\\Soft"));
}

TEST(RegistryText, MalformedFilesAreRefused) {
  const char *const head = "REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n";
  const char *const bad_lines[] = {
      "\"v\"=dword:zz",          "\"v\"=dword:123456789", "\"v\"=dword:",
      "\"v\"=dword:0000001",     "\"v\"=hex:1,02",         "\"v\"=hex:01,0",
      "\"v\"=hex:1,2,",          "\"v\"=hex:123",         "\"v\"=hex:01,,02",
      "\"v\"=hex(:01",           "\"v\"=hex(x):01",       "\"v\"=hex:01,\\",
      "\"v\"=\"open",            "\"v\"=\"a\" trailing",  "\"v\"=\"bad \\n escape\"",
      "\"v\"=-",                 "\"v\"",                 "\"v\" = dword:1",
      "\"unterminated=dword:1",  "novalue",               "[-HKEY_CURRENT_USER\\K]",
      "[NOT_A_ROOT\\K]",         "[HKEY_CURRENT_USER\\\\K]", "[HKEY_CURRENT_USER\\K\\]",
      "[HKEY_CURRENT_USER\\K",   "[]",                    "\"v\"=word:1",
  };
  for (const char *line : bad_lines) {
    reg_tree tree;
    EXPECT_FALSE(reg_parse(std::string(head) + line + "\r\n", &tree)) << line;
  }
  reg_tree tree;
  EXPECT_FALSE(reg_parse("", &tree));
  EXPECT_FALSE(reg_parse("Windows Registry Editor Version 5.00\r\n", &tree));
  EXPECT_FALSE(reg_parse("REGEDIT4\r\n\"v\"=dword:1\r\n", &tree)) << "a value before any key";
  EXPECT_TRUE(reg_parse("\r\n  REGEDIT4  \r\n\r\n", &tree));
}

TEST(RegistryText, EveryTruncationIsHandled) {
  for (size_t length = 0; length <= sample.size(); ++length) expect_stable(sample.substr(0, length));
}

TEST(RegistryText, RandomEditsAndRandomBytesNeverBreakTheParser) {
  std::mt19937 random(20261207);
  const std::string alphabet = "[]\"\\=@:,-;()hexdwordHKEY_0123456789abcdefABCDEF \t\r\n\xEF\xBB\xBF";
  for (int round = 0; round < 20000; ++round) {
    std::string text = sample;
    int edits = 1 + int(random() % 6);
    for (int e = 0; e < edits; ++e) {
      size_t at = random() % (text.size() + 1);
      char c = alphabet[random() % alphabet.size()];
      switch (random() % 3) {
        case 0: text.insert(at, 1, c); break;
        case 1: if (at < text.size()) text.erase(at, 1); break;
        default: if (at < text.size()) text[at] = c; break;
      }
    }
    expect_stable(text);
  }
  for (int round = 0; round < 1000; ++round) {
    std::string text = round % 2 ? "REGEDIT4\n" : "";
    size_t length = random() % 200;
    for (size_t i = 0; i < length; ++i) text.push_back(char(random()));
    expect_stable(text);
  }
}

}  // namespace
