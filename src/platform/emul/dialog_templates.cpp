// CONFIGDLG and ABOUTDLG as in res/torvane.rc (a unit test compares them).
#include "platform/emul/dialog_templates.h"

#include "resource.h"

#include <strings.h>

namespace {

const DWORD item = WS_CHILD | WS_VISIBLE;
const DWORD push_button = item | BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP;
const DWORD group_box = item | BS_GROUPBOX | WS_GROUP;
const DWORD check_box = item | BS_AUTOCHECKBOX | WS_TABSTOP;
const DWORD radio = item | BS_AUTORADIOBUTTON | WS_TABSTOP;
const DWORD text = item | SS_LEFT;
const DWORD trackbar = item;
const int no_id = 0xFFFF;

const DWORD dialog_style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                           DS_SETFONT | DS_3DLOOK | DS_CONTEXTHELP;
const DWORD dialog_ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP;

const DialogItemTemplate config_items[] = {
    {"Flags", IDC_FLAGS_GROUP, "Button", group_box, 8, 120, 164, 112},
    {"OK", IDOK, "Button", push_button, 196, 12, 50, 14},
    {"Cancel", IDCANCEL, "Button", push_button, 196, 32, 50, 14},
    {"About...", IDC_ABOUT, "Button", push_button, 196, 52, 50, 14},
    {"bilinear filtering", IDC_BILINEAR, "Button", check_box, 16, 132, 60, 12},
    {"TrackBar1", IDC_ROTATION_SPEED, TRACKBAR_CLASSA, trackbar, 8, 40, 164, 12},
    {"Rotation speed", no_id, "Static", text, 8, 32, 60, 8},
    {"curve resolution", no_id, "Static", text, 8, 57, 60, 8},
    {"TrackBar2", IDC_CURVE_RESOLUTION, TRACKBAR_CLASSA, trackbar, 8, 70, 164, 14},
    {"revolution resolution", no_id, "Static", text, 8, 92, 88, 8},
    {"TrackBar3", IDC_REVOLUTION_RESOLUTION, TRACKBAR_CLASSA, trackbar, 8, 100, 164, 13},
    {"Skin", IDC_SKIN_GROUP, "Button", group_box, 180, 76, 84, 67},
    {"skin1", IDC_SKIN1, "Button", radio, 188, 89, 48, 14},
    {"skin2", IDC_SKIN2, "Button", radio, 188, 102, 44, 14},
    {"Skin3", IDC_SKIN3, "Button", radio, 188, 115, 48, 13},
    {"skin4", IDC_SKIN4, "Button", radio, 188, 127, 44, 12},
    {"Curve", IDC_CURVE_GROUP, "Button", group_box, 180, 146, 84, 86},
    {"Original", IDC_CURVE_ORIGINAL, "Button", radio, 188, 159, 60, 12},
    {"Sphere 1", IDC_CURVE_SPHERE1, "Button", radio, 188, 171, 60, 12},
    {"Sphere 2", IDC_CURVE_SPHERE2, "Button", radio, 188, 184, 60, 12},
    {"animated bumps", IDC_ANIMATED_BUMPS, "Button", check_box, 16, 148, 68, 12},
    {"Smooth bumps", IDC_SMOOTH_BUMPS, "Button", check_box, 16, 164, 60, 12},
    {"Move texture with bumps", IDC_MOVE_TEXTURE, "Button", check_box, 16, 180, 100, 12},
    {"Bump speed", no_id, "Static", text, 8, 4, 60, 8},
    {"TrackBar4", IDC_BUMP_SPEED, TRACKBAR_CLASSA, trackbar, 8, 13, 164, 19},
    {"Multitexture (if availible)", IDC_MULTITEXTURE, "Button", check_box, 16, 196, 100, 12},
    {"Enviromental lighting", IDC_ENV_LIGHTING, "Button", check_box, 16, 212, 100, 12},
};

const DialogItemTemplate about_items[] = {
    {"Sure", IDOK, "Button", push_button, 28, 96, 50, 14},
    {"Torvane Screensaver", no_id, "Static", text, 4, 4, 112, 13},
    {"by Fenwright Productions", no_id, "Static", text, 4, 16, 112, 12},
    {"October 1999  v1.0", no_id, "Static", text, 4, 30, 112, 8},
    {"Many thanks to a good friend for the sphere path curve, and for the long nights of "
     "watching it spin.",
     no_id, "Static", text, 4, 44, 112, 40},
};

template <int n>
constexpr int count(const DialogItemTemplate (&)[n]) {
  return n;
}

}  // namespace

const DialogTemplate dialog_templates[] = {
    {"CONFIGDLG", dialog_style, dialog_ex_style, 32, 20, 272, 243, "Configure...", 8,
     "MS Sans Serif", config_items, count(config_items)},
    {"ABOUTDLG", dialog_style, dialog_ex_style, 0, 0, 117, 118, "About Torvane Screensaver...", 8,
     "MS Sans Serif", about_items, count(about_items)},
};
const int dialog_template_count = sizeof dialog_templates / sizeof dialog_templates[0];

const DialogTemplate *find_dialog_template(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return nullptr;
  for (const DialogTemplate &dialog : dialog_templates)
    if (strcasecmp(dialog.name, name) == 0) return &dialog;
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
