// The Linux dialog table says what res/torvane.rc says, and its lookups.
#include "platform/posix/dialog_templates.h"
#include "rc_parser.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <strings.h>

namespace {

std::string read_file(const std::string &path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The Windows names the script uses, with the values the platform header gives.
std::map<std::string, long> script_symbols() {
  std::map<std::string, long> symbols = read_defines(read_file(TORVANE_RES_DIR "/resource.h"));
  const std::pair<const char *, long> windows[] = {
      {"WS_POPUP", WS_POPUP},         {"WS_CHILD", WS_CHILD},
      {"WS_VISIBLE", WS_VISIBLE},     {"WS_CAPTION", WS_CAPTION},
      {"WS_SYSMENU", WS_SYSMENU},     {"WS_GROUP", WS_GROUP},
      {"WS_TABSTOP", WS_TABSTOP},     {"WS_EX_DLGMODALFRAME", WS_EX_DLGMODALFRAME},
      {"WS_EX_CONTEXTHELP", WS_EX_CONTEXTHELP}, {"DS_3DLOOK", DS_3DLOOK},
      {"DS_SETFONT", DS_SETFONT},     {"DS_MODALFRAME", DS_MODALFRAME},
      {"DS_CONTEXTHELP", DS_CONTEXTHELP}, {"BS_PUSHBUTTON", BS_PUSHBUTTON},
      {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX}, {"BS_GROUPBOX", BS_GROUPBOX},
      {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON}, {"BS_CENTER", BS_CENTER},
      {"SS_LEFT", SS_LEFT},           {"IDOK", IDOK},
      {"IDCANCEL", IDCANCEL},
  };
  for (const auto &symbol : windows) symbols.insert(symbol);
  return symbols;
}

std::vector<RcDialog> script_dialogs() {
  return read_dialogs(read_file(TORVANE_RES_DIR "/torvane.rc"), script_symbols());
}

TEST(DialogTemplates, MatchTheResourceScript) {
  std::vector<RcDialog> dialogs = script_dialogs();
  ASSERT_EQ((int)dialogs.size(), dialog_template_count);
  for (const RcDialog &rc : dialogs) {
    SCOPED_TRACE(rc.name);
    const DialogTemplate *table = find_dialog_template(rc.name.c_str());
    ASSERT_NE(table, nullptr);
    EXPECT_STREQ(table->name, rc.name.c_str());
    EXPECT_EQ(table->style, rc.style);
    EXPECT_EQ(table->ex_style, rc.ex_style);
    EXPECT_EQ(table->x, rc.x);
    EXPECT_EQ(table->y, rc.y);
    EXPECT_EQ(table->cx, rc.cx);
    EXPECT_EQ(table->cy, rc.cy);
    EXPECT_EQ(table->caption, rc.caption);
    EXPECT_EQ(table->point_size, rc.point_size);
    EXPECT_EQ(table->font, rc.font);
    ASSERT_EQ(table->item_count, (int)rc.controls.size());
    for (int i = 0; i < table->item_count; i++) {
      SCOPED_TRACE("control " + std::to_string(i + 1));
      const DialogItemTemplate &item = table->items[i];
      const RcControl &control = rc.controls[i];
      EXPECT_EQ(item.text, control.text);
      EXPECT_EQ(item.id, control.id);
      EXPECT_EQ(strcasecmp(item.cls, control.cls.c_str()), 0) << item.cls << " " << control.cls;
      EXPECT_EQ(item.style, control.style);
      EXPECT_EQ(item.x, control.x);
      EXPECT_EQ(item.y, control.y);
      EXPECT_EQ(item.cx, control.cx);
      EXPECT_EQ(item.cy, control.cy);
    }
  }
}

TEST(DialogTemplates, TheScriptHasBothDialogsAsTheCodeAsksForThem) {
  std::vector<RcDialog> dialogs = script_dialogs();
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(strcasecmp(dialogs[0].name.c_str(), "configdlg"), 0);
  EXPECT_EQ(dialogs[0].controls.size(), 27u);
  EXPECT_EQ(strcasecmp(dialogs[1].name.c_str(), "AboutDlg"), 0);
  EXPECT_EQ(dialogs[1].controls.size(), 5u);
}

TEST(DialogTemplates, AreFoundIgnoringCaseOnly) {
  EXPECT_EQ(find_dialog_template("configdlg"), &dialog_templates[0]);
  EXPECT_EQ(find_dialog_template("CONFIGDLG"), &dialog_templates[0]);
  EXPECT_EQ(find_dialog_template("AboutDlg"), &dialog_templates[1]);
  EXPECT_EQ(find_dialog_template("configdlg2"), nullptr);
  EXPECT_EQ(find_dialog_template(""), nullptr);
  EXPECT_EQ(find_dialog_template(MAKEINTRESOURCEA(1)), nullptr);
}

int index_of(const DialogTemplate &dialog, int id) {
  for (int i = 0; i < dialog.item_count; i++)
    if (dialog.items[i].id == id) return i;
  throw std::runtime_error("no control " + std::to_string(id));
}

TEST(DialogTemplates, GroupTheRadioButtonsBySkinAndCurve) {
  const DialogTemplate &config = *find_dialog_template("configdlg");
  auto same = [&](int a, int b) {
    return in_same_group(config, index_of(config, a), index_of(config, b));
  };
  const int skins[] = {IDC_SKIN1, IDC_SKIN2, IDC_SKIN3, IDC_SKIN4};
  const int curves[] = {IDC_CURVE_ORIGINAL, IDC_CURVE_SPHERE1, IDC_CURVE_SPHERE2};
  for (int skin : skins) {
    EXPECT_TRUE(same(IDC_SKIN1, skin));
    for (int curve : curves) EXPECT_FALSE(same(skin, curve));
  }
  for (int curve : curves) EXPECT_TRUE(same(IDC_CURVE_ORIGINAL, curve));
}

TEST(DialogTemplates, KnowTheKindOfEveryControl) {
  const DialogTemplate &config = *find_dialog_template("configdlg");
  int kinds[6] = {};
  for (int i = 0; i < config.item_count; i++) kinds[dialog_item_kind(config.items[i])]++;
  EXPECT_EQ(kinds[ITEM_PUSH_BUTTON], 3);
  EXPECT_EQ(kinds[ITEM_CHECK_BOX], 6);
  EXPECT_EQ(kinds[ITEM_RADIO_BUTTON], 7);
  EXPECT_EQ(kinds[ITEM_GROUP_BOX], 3);
  EXPECT_EQ(kinds[ITEM_TEXT], 4);
  EXPECT_EQ(kinds[ITEM_TRACKBAR], 4);
}

TEST(DialogTemplates, GiveEveryStaticText65535) {
  for (int d = 0; d < dialog_template_count; d++) {
    for (int i = 0; i < dialog_templates[d].item_count; i++) {
      const DialogItemTemplate &item = dialog_templates[d].items[i];
      if (dialog_item_kind(item) == ITEM_TEXT) {
        EXPECT_EQ(item.id, 65535) << item.text;
      }
    }
  }
}

TEST(RcParser, ReadsStringsWithQuotesAndExpressions) {
  std::map<std::string, long> symbols = {{"A", 1}, {"B", 4}};
  std::vector<RcDialog> dialogs = read_dialogs(
      "// comment\n#include <x.h>\nI ICON \"i.ico\"\n"
      "D DIALOGEX 1, 2, 3, 4\nSTYLE A | B | 0x10\nCAPTION \"say \"\"hi\"\"\"\n"
      "FONT 8, \"F\"\nBEGIN\n CONTROL \"t\", (-1), \"Static\", A, 5, 6, 7, 8\nEND\n",
      symbols);
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].style, 0x15u);
  EXPECT_EQ(dialogs[0].caption, "say \"hi\"");
  ASSERT_EQ(dialogs[0].controls.size(), 1u);
  EXPECT_EQ(dialogs[0].controls[0].id, -1);  // a DIALOGEX control id is 32 bits
  EXPECT_EQ(dialogs[0].controls[0].cy, 8);
  EXPECT_THROW(read_dialogs("D DIALOGEX 1, 2, 3, 4\nSTYLE C\nBEGIN\nEND\n", symbols),
               std::runtime_error);
  EXPECT_THROW(read_dialogs("D DIALOGEX 1, 2, 3, 4\nBEGIN\n CONTROL \"t\n", symbols),
               std::runtime_error);
}

TEST(RcParser, SkipsStringTablesAndVersionBlocks) {
  std::vector<RcDialog> dialogs = read_dialogs(
      "STRINGTABLE\nBEGIN\n  1 \"Name\"\nEND\n"
      "1 VERSIONINFO\nFILEVERSION 1, 0, 0, 0\nFILEOS UNKNOWN_SYMBOL\nBEGIN\n"
      "  BLOCK \"StringFileInfo\"\n  BEGIN\n    BLOCK \"040904B0\"\n    BEGIN\n"
      "      VALUE \"FileVersion\", \"1.0\"\n    END\n  END\nEND\n"
      "D DIALOGEX 1, 2, 3, 4\nCAPTION \"after\"\nBEGIN\nEND\n",
      {});
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].name, "D");
  EXPECT_EQ(dialogs[0].caption, "after");
  EXPECT_THROW(read_dialogs("1 VERSIONINFO\nBEGIN\n BLOCK \"x\"\n BEGIN\nEND\n", {}),
               std::runtime_error);
}

}  // namespace
