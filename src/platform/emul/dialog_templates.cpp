// Looking up the program's dialog templates; the table itself is generated
// from res/torvane.rc at build time.
#include "platform/emul/dialog_templates.h"

#include <strings.h>

const DialogTemplate *find_dialog_template(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return nullptr;
  for (int i = 0; i < dialog_template_count; i++)
    if (strcasecmp(dialog_templates[i].name, name) == 0) return &dialog_templates[i];
  return nullptr;
}

DialogItemKind dialog_item_kind(const DialogItemTemplate &item) {
  if (strcasecmp(item.cls, TRACKBAR_CLASSA) == 0) return ITEM_TRACKBAR;
  if (strcasecmp(item.cls, "Static") == 0) return ITEM_TEXT;
  switch (item.style & 0x0F) {
    case BS_AUTOCHECKBOX: return ITEM_CHECK_BOX;
    case BS_AUTORADIOBUTTON: return ITEM_RADIO_BUTTON;
    case BS_GROUPBOX: return ITEM_GROUP_BOX;
    default: return ITEM_PUSH_BUTTON;
  }
}

static int group_start(const DialogTemplate &dialog, int index) {
  while (index > 0 && !(dialog.items[index].style & WS_GROUP)) index--;
  return index;
}

bool in_same_group(const DialogTemplate &dialog, int a, int b) {
  return group_start(dialog, a) == group_start(dialog, b);
}
