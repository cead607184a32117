// The saver's settings, their defaults and their registry store.
#pragma once

#include "platform/win32.h"

enum {
  OPT_DOUBLE_BUFFER = 0x01,
  OPT_BILINEAR = 0x02,
  OPT_ANIMATED_BUMPS = 0x04,
  OPT_MOVE_TEXTURE = 0x08,
  OPT_SMOOTH_BUMPS = 0x10,
  OPT_SHOW_AXES = 0x20,
  OPT_ENV_LIGHTING = 0x40,
  OPT_MULTITEXTURE = 0x80,
};

extern int animation_speed;  // 100
extern int user_options;     // OPT_DOUBLE_BUFFER | OPT_BILINEAR
extern int curve_segments;   // 170
extern int shape_points;     // 10
extern int skin_id;          // 1
extern int func_id;          // 1
extern int bump_speed;       // 60

extern const char *config_key_name;

void load_config();
void save_config();
void get_reg_int(HKEY hKey, const char *subkey, int *val);
void set_reg_int(HKEY hKey, const char *subkey, DWORD val);
