// The saver's settings: seven process-wide integers with their defaults, the
// option bits, the ranges the configuration dialog offers, and the two
// routines that load and save them. Free of any platform header, so the
// geometry can read the settings without one.
#pragma once

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

// A numeric setting's default and the range its slider offers; a stored
// value outside the range is brought back into it when loaded.
struct setting_range {
  int initial;
  int low, high;
};

constexpr setting_range animation_speed_range = {100, 1, 5000};
constexpr setting_range curve_segments_range = {170, 20, 500};
constexpr setting_range shape_points_range = {10, 4, 50};
constexpr setting_range bump_speed_range = {60, 0, 200};
constexpr int default_user_options = OPT_DOUBLE_BUFFER | OPT_BILINEAR;
constexpr int default_skin_id = 1;  // 1 to 4 load an image; others none
constexpr int default_func_id = 1;  // 1 to 3 choose the curve
constexpr int skin_count = 4;
constexpr int curve_count = 3;

extern int animation_speed;
extern int user_options;
extern int curve_segments;
extern int shape_points;
extern int skin_id;
extern int func_id;
extern int bump_speed;

extern const char *config_key_name;

void load_config();
// 0 (ERROR_SUCCESS) when every value was saved, else the Win32 status of the
// first step that failed.
long save_config();
