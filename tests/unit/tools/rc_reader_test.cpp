// The resource-script reader behind the Linux dialog table.
#include "rc_reader.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const std::map<std::string, long> symbols = {{"A", 1}, {"B", 4}, {"ID", 7}};

TEST(RcReader, ReadsStringsWithQuotesAndExpressions) {
  std::vector<RcDialog> dialogs = read_dialogs(
      "// comment\n#include <x.h>\nI ICON \"i.ico\"\n"
      "D DIALOGEX 1, 2, 3, 4\nSTYLE A | B | 0x10\nCAPTION \"say \"\"hi\"\"\"\n"
      "FONT 8, \"F\"\nBEGIN\n CONTROL \"t\", (-1), \"Static\", A, 5, 6, 7, 8\nEND\n",
      symbols);
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].name, "D");
  EXPECT_EQ(dialogs[0].style, 0x15u);
  EXPECT_EQ(dialogs[0].caption, "say \"hi\"");
  EXPECT_EQ(dialogs[0].font, "F");
  ASSERT_EQ(dialogs[0].controls.size(), 1u);
  EXPECT_EQ(dialogs[0].controls[0].id, -1);  // a DIALOGEX control id is 32 bits
  EXPECT_EQ(dialogs[0].controls[0].cy, 8);
}

// What a program's script holds besides its dialogs: string tables, a
// version block with nested blocks and a header over several lines, the
// language, images and raw data, inline or from a file.
TEST(RcReader, SkipsEveryOtherKindOfStatement) {
  std::vector<RcDialog> dialogs = read_dialogs(
      "LANGUAGE 9, 1\n"
      "STRINGTABLE\nBEGIN\n  1 \"Torvane\"\nEND\n"
      "1 VERSIONINFO\nFILEVERSION 1,0,0,0\nPRODUCTVERSION 1,0,0,0\n"
      "BEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n    BLOCK \"040904b0\"\n    BEGIN\n"
      "      VALUE \"FileDescription\", \"Torvane Screensaver\"\n    END\n  END\n"
      "  BLOCK \"VarFileInfo\" { VALUE \"Translation\", 0x409, 1200 }\nEND\n"
      "SKIN1 RCDATA \"SKIN1.rgb\"\n"
      "DATA RCDATA\nBEGIN\n  1, 2, 3\nEND\n"
      "X DIALOGEX 0, 0, 10, 10\nBEGIN\n CONTROL \"ok\", ID, \"Button\", B, 1, 1, 5, 5\nEND\n",
      symbols);
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].name, "X");
  ASSERT_EQ(dialogs[0].controls.size(), 1u);
  EXPECT_EQ(dialogs[0].controls[0].id, 7);
}

TEST(RcReader, RefusesWhatItCannotRead) {
  EXPECT_THROW(read_dialogs("D DIALOGEX 1, 2, 3, 4\nSTYLE C\nBEGIN\nEND\n", symbols),
               std::runtime_error);  // an unknown symbol
  EXPECT_THROW(read_dialogs("D DIALOGEX 1, 2, 3, 4\nBEGIN\n CONTROL \"t\n", symbols),
               std::runtime_error);  // a string without its end
  EXPECT_THROW(read_dialogs("D DIALOGEX 1, 2, 3, 4\nMENU M\nBEGIN\nEND\n", symbols),
               std::runtime_error);  // a dialog statement it does not know
  EXPECT_THROW(read_dialogs("STRINGTABLE\nBEGIN\n 1 \"x\"\n", symbols),
               std::runtime_error);  // a block without its end
}

TEST(RcReader, ReadsTheNumericDefinesOfAHeader) {
  std::map<std::string, long> defines =
      read_defines("#pragma once\n#define IDC_A 101\n#define IDC_B (0xFFFF)\n#define NAME text\n");
  EXPECT_EQ(defines.size(), 2u);
  EXPECT_EQ(defines["IDC_A"], 101);
  EXPECT_EQ(defines["IDC_B"], 0xFFFF);
}

}  // namespace
