// The names of the eight stored values, in the order they are saved, and one
// recognisable set of settings.
#pragma once

#include "settings/settings.h"

inline const char *const setting_value_names[8] = {
    "animation_speed", "flags", "curve_segments", "shape_points",
    "skin_id",         "func_id", "bump_speed",   "user_options"};

// Every setting holds n, so a saved file shows at a glance whether its eight
// values came from one save.
inline void use_settings_set(int n) {
  animation_speed = user_options = curve_segments = shape_points = n;
  skin_id = func_id = bump_speed = n;
}
