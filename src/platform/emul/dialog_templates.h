// The program's dialog templates for Linux: the dialogs of res/torvane.rc,
// as a table generated from the script at build time (tools/rcdialogs).
#pragma once

#include "platform/win32.h"

struct DialogItemTemplate {
  const char *text;
  int id;               // 65535 for static texts
  const char *cls;      // "Button", "Static" or TRACKBAR_CLASSA
  DWORD style;
  int x, y, cx, cy;     // dialog units
};

struct DialogTemplate {
  const char *name;     // resource name; looked up ignoring case
  DWORD style, ex_style;
  int x, y, cx, cy;     // dialog units
  const char *caption;
  int point_size;
  const char *font;
  const DialogItemTemplate *items;
  int item_count;       // the order is also the tab order
};

enum DialogItemKind {
  ITEM_PUSH_BUTTON,
  ITEM_CHECK_BOX,
  ITEM_RADIO_BUTTON,
  ITEM_GROUP_BOX,
  ITEM_TEXT,
  ITEM_TRACKBAR,
};

extern const DialogTemplate dialog_templates[];
extern const int dialog_template_count;

// The template called `name` (case ignored), or null; integer resource ids
// name no template here.
const DialogTemplate *find_dialog_template(LPCSTR name);

DialogItemKind dialog_item_kind(const DialogItemTemplate &item);

// Whether items a and b of `dialog` are in the same group: the groups start
// at every item with WS_GROUP. A click on an automatic radio button clears
// the other radio buttons of its group.
bool in_same_group(const DialogTemplate &dialog, int a, int b);
