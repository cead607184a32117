// The Linux dialog table, generated from res/torvane.rc, and its lookups.
#include "platform/emul/dialog_templates.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <strings.h>

namespace {

TEST(DialogTemplates, CarryTheScriptsDialogsWithTheirControls) {
  ASSERT_EQ(dialog_template_count, 2);
  const DialogTemplate &config = *find_dialog_template("configdlg");
  EXPECT_STREQ(config.caption, "Configure...");
  EXPECT_EQ(config.style, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                              DS_SETFONT | DS_3DLOOK | DS_CONTEXTHELP);
  EXPECT_EQ(config.ex_style, 0x401u);
  EXPECT_EQ(config.x, 32);
  EXPECT_EQ(config.cy, 243);
  EXPECT_EQ(config.point_size, 8);
  EXPECT_STREQ(config.font, "MS Sans Serif");
  ASSERT_EQ(config.item_count, 27);
  const DialogItemTemplate &flags = config.items[0];
  EXPECT_STREQ(flags.text, "Flags");
  EXPECT_EQ(flags.id, IDC_FLAGS_GROUP);
  EXPECT_EQ(flags.style, WS_CHILD | WS_VISIBLE | BS_GROUPBOX | WS_GROUP);
  EXPECT_EQ(flags.x, 8);
  EXPECT_EQ(flags.y, 120);
  EXPECT_EQ(flags.cx, 164);
  EXPECT_EQ(flags.cy, 112);
  EXPECT_EQ(config.items[15].id, IDC_SKIN4);
  EXPECT_STREQ(config.items[15].text, "skin4");
  EXPECT_STREQ(config.items[24].cls, "msctls_trackbar32");
  EXPECT_STREQ(config.items[25].text, "Multitexture (if availible)");

  const DialogTemplate &about = *find_dialog_template("AboutDlg");
  EXPECT_STREQ(about.caption, "About Torvane Screensaver...");
  ASSERT_EQ(about.item_count, 5);
  EXPECT_STREQ(about.items[0].text, "Sure");
  EXPECT_EQ(about.items[0].id, IDOK);
  EXPECT_EQ(about.items[0].x, 28);
  EXPECT_STREQ(about.items[3].text, "October 1999  v1.0");
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

}  // namespace
