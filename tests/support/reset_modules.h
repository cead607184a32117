// The saver's modules back to their state at program start, one function a
// module, so that no test leans on what an earlier one left behind. A test
// calls the resets of the modules it links.
#pragma once

#include "geometry/curves.h"
#include "host/ssaver.h"
#include "render/multitex.h"
#include "render/torvane.h"
#include "settings/settings.h"

// The animation time and the selected curve.
inline void reset_geometry() {
  now_time = 0;
  curve_func = func1;
}

// Every setting at its default.
inline void reset_settings() {
  animation_speed = animation_speed_range.initial;
  user_options = default_user_options;
  curve_segments = curve_segments_range.initial;
  shape_points = shape_points_range.initial;
  skin_id = default_skin_id;
  func_id = default_func_id;
  bump_speed = bump_speed_range.initial;
}

// No context, no clock, no multitexture extension. The geometry buffers stay
// as the last start-up left them: the next start-up replaces them.
inline void reset_render() {
  hRC = nullptr;
  hDC_static = nullptr;
  start_time = 0;
  multitexturing_enabled = 0;
  glActiveTextureARB = nullptr;
  glMultiTexCoord2fARB = nullptr;
  glMultiTexCoord2fvARB = nullptr;
  glMultiTexCoord2dvARB = nullptr;
}

// No mode chosen yet, no window, no screen size.
inline void reset_host() {
  ss_mode = MODE_CONFIG;
  hInvokedParent = nullptr;
  hInst = nullptr;
  hMainWnd = nullptr;
  nScreenWidth = 0;
  nScreenHeight = 0;
}
