// Puts every setting back to its default, as in a new process.
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
