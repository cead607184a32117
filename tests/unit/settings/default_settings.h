// Puts every setting back to its default, as in a new process; the names of
// the eight stored values; and one recognisable set of settings.
#pragma once

#include "geometry/curves.h"
#include "settings/settings.h"

inline void restore_default_settings() {
  animation_speed = 100;
  user_options = OPT_DOUBLE_BUFFER | OPT_BILINEAR;
  curve_segments = 170;
  shape_points = 10;
  skin_id = 1;
  func_id = 1;
  bump_speed = 60;
  curve_func = func1;
}

inline const char *const setting_value_names[8] = {
    "animation_speed", "flags", "curve_segments", "shape_points",
    "skin_id",         "func_id", "bump_speed",   "user_options"};

// Every setting holds n, so a saved file shows at a glance whether its eight
// values came from one save.
inline void use_settings_set(int n) {
  animation_speed = user_options = curve_segments = shape_points = n;
  skin_id = func_id = bump_speed = n;
}
