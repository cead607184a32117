// The settings variables, each holding its default until the settings are
// loaded.
#include "settings/settings.h"

int animation_speed = animation_speed_range.initial;
int user_options = default_user_options;
int curve_segments = curve_segments_range.initial;
int shape_points = shape_points_range.initial;
int skin_id = default_skin_id;
int func_id = default_func_id;
int bump_speed = bump_speed_range.initial;

const char *config_key_name = "Software\\Fenwright Productions\\Torvane Screensaver";
