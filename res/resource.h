// Ids shared by the resource script and the code: dialog controls, icon and name.
// Plain #defines only, so that the resource compiler can read this file too.
#pragma once

// Static texts. A DIALOGEX control id is 32 bits wide, so -1 would be
// stored as 0xFFFFFFFF; the texts carry the 16-bit 0xFFFF.
#define IDC_TEXT 0xFFFF

#define IDI_TORVANE 1

// The saver's name in the screen saver settings.
#define IDS_DESCRIPTION 1

// CONFIGDLG; OK and Cancel are IDOK and IDCANCEL.
#define IDC_ABOUT 500
#define IDC_FLAGS_GROUP 114
#define IDC_BILINEAR 101
#define IDC_ANIMATED_BUMPS 110
#define IDC_SMOOTH_BUMPS 111
#define IDC_MOVE_TEXTURE 112
#define IDC_MULTITEXTURE 115
#define IDC_ENV_LIGHTING 116
#define IDC_ROTATION_SPEED 103
#define IDC_CURVE_RESOLUTION 104
#define IDC_REVOLUTION_RESOLUTION 105
#define IDC_BUMP_SPEED 113
#define IDC_SKIN_GROUP 400
#define IDC_SKIN1 150
#define IDC_SKIN2 151
#define IDC_SKIN3 152
#define IDC_SKIN4 102
#define IDC_CURVE_GROUP 106
#define IDC_CURVE_ORIGINAL 107
#define IDC_CURVE_SPHERE1 108
#define IDC_CURVE_SPHERE2 109
