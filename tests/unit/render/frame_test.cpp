// One frame: the animation time, the per-frame state, N bands along the
// curve and the closing band onto the stored first ring.
#include <cmath>

#include "geometry/curves.h"
#include "geometry/tube_math.h"
#include "render/multitex.h"
#include "render/torvane.h"
#include "settings/settings.h"
#include "unit/render/render_fixture.h"

namespace {

class frame : public render_test {
 protected:
  // Starts the renderer and draws one frame of `segments` bands `elapsed`
  // ms after the start (the settings would bring fewer than 20 up to 20).
  void draw_frame_after(DWORD elapsed) {
    start_renderer();
    curve_segments = segments;
    fake_tick_count += elapsed;
    ASSERT_EQ(ss_draw(window), 0);
  }
  // The skin's s coordinate of the first vertex of each ring of a strip: at
  // animation time 0 and default options it is 30 t, the ring's parameter.
  static double ring_parameter(const lines &strip, int which) {
    return numbers_in(strip.at(2 + 3 * which)).at(0) / 30;
  }
  // The vertex lines of ring `which` (0 previous, 1 current) of a skinned strip.
  static lines ring_vertices(const lines &strip, int which) {
    lines vertices;
    for (size_t k = 1 + 3 * which; k + 2 < strip.size(); k += 6) {
      vertices.push_back(strip[k]);      // normal
      vertices.push_back(strip[k + 2]);  // position
    }
    return vertices;
  }
  int segments = 170;
};

lines frame_start(const std::string &rotation) {
  return {
      "GetTickCount()",
      "GetDC(0x10)",
      "wglMakeCurrent(0x1010, 0x5000)",
      "glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)",
      "glLoadIdentity()",
      "glEnable(GL_DEPTH_TEST)",
      "glTranslatef(0, 0, -20)",
      "glMateriali(GL_FRONT_AND_BACK, GL_SHININESS, 40)",
      "glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, {0.5, 0.5, 0.4, 1})",
      "glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, {1, 1, 1, 1})",
      "glLightfv(GL_LIGHT0, GL_POSITION, {-2, 2, 10, 0})",
      "glEnable(GL_LIGHT0)",
      rotation,
  };
}

const lines texturing_on = {
    "glEnable(GL_LIGHTING)",
    "glEnable(GL_TEXTURE_2D)",
    "glBindTexture(GL_TEXTURE_2D, 0)",
};

const lines frame_end = {
    "glDisable(GL_TEXTURE_2D)",
    "SwapBuffers(0x1010)",
    "wglMakeCurrent(null, null)",
    "ReleaseDC(0x10, 0x1010)",
};

lines up_to_first_strip(const lines &log) {
  lines head;
  for (const std::string &line : log) {
    if (line == "glBegin(GL_TRIANGLE_STRIP)") break;
    head.push_back(line);
  }
  return head;
}

TEST_F(frame, sets_up_the_scene_without_rotation_at_time_zero) {
  draw_frame_after(0);
  EXPECT_EQ(up_to_first_strip(call_log), frame_start("glRotatef(0, 0, 1, 0)") + texturing_on);
  EXPECT_EQ(now_time, 0);
}

TEST_F(frame, tumbles_by_fifty_degrees_per_time_unit_about_a_swinging_axis) {
  draw_frame_after(2500);  // 2.5 s at speed 100: time 0.25
  EXPECT_DOUBLE_EQ(now_time, 0.25);
  std::string rotation = "glRotatef(12.5, " + log_float(static_cast<float>(tube_sin(0.25))) + ", 1, 0)";
  EXPECT_EQ(up_to_first_strip(call_log), frame_start(rotation) + texturing_on);
}

TEST_F(frame, tumbles_by_the_angle_less_whole_turns_on_long_runs) {
  animation_speed = 5000;
  draw_frame_after(28451520 + 50);  // 7.9 hours: 19758 turns and 12.5 degrees
  std::string rotation = "glRotatef(12.5, " + log_float(static_cast<float>(tube_sin(now_time))) + ", 1, 0)";
  EXPECT_EQ(up_to_first_strip(call_log), frame_start(rotation) + texturing_on);
}

TEST_F(frame, draws_three_white_unlit_axes_before_the_tube_when_asked) {
  user_options |= OPT_SHOW_AXES;
  draw_frame_after(0);
  lines axes = {
      "glDisable(GL_LIGHTING)",
      "glColor3f(1, 1, 1)",
      "glBegin(GL_LINES)",
      "glVertex3f(0, 0, 0)",
      "glVertex3f(10, 0, 0)",
      "glVertex3f(0, 0, 0)",
      "glVertex3f(0, 10, 0)",
      "glVertex3f(0, 0, 0)",
      "glVertex3f(0, 0, 10)",
      "glEnd()",
  };
  EXPECT_EQ(up_to_first_strip(call_log), frame_start("glRotatef(0, 0, 1, 0)") + axes + texturing_on);
}

TEST_F(frame, ends_by_swapping_and_letting_go_of_the_context) {
  draw_frame_after(40);
  EXPECT_EQ(lines(call_log.end() - 4, call_log.end()), frame_end);
  EXPECT_EQ(call_log[call_log.size() - 5], "glEnd()");
}

TEST_F(frame, draws_one_band_per_segment) {
  for (int count : {1, 2, 7, 170}) {
    SCOPED_TRACE(count);
    segments = count;
    draw_frame_after(0);
    EXPECT_EQ(strips_in(call_log).size(), static_cast<size_t>(segments));
  }
}

TEST_F(frame, draws_every_band_twice_with_reflections_and_once_in_a_single_pass) {
  segments = 20;
  user_options |= OPT_ENV_LIGHTING | OPT_MULTITEXTURE;
  draw_frame_after(0);
  EXPECT_EQ(strips_in(call_log).size(), 40u);

  fake_gl_extensions = "GL_ARB_multitexture";
  draw_frame_after(0);
  EXPECT_EQ(strips_in(call_log).size(), 20u);
  EXPECT_EQ(call_log[call_log.size() - 5], "glEnd()");
}

TEST_F(frame, gives_each_band_the_parameters_of_its_two_rings) {
  segments = 7;
  draw_frame_after(0);
  std::vector<lines> strips = strips_in(call_log);
  ASSERT_EQ(strips.size(), 7u);
  const float delta_t = 1.0f / 7;
  for (int i = 1; i < 7; i++) {
    float t = static_cast<float>(i / 7.0);
    EXPECT_DOUBLE_EQ(ring_parameter(strips[i - 1], 0), static_cast<float>(t - delta_t));
    EXPECT_DOUBLE_EQ(ring_parameter(strips[i - 1], 1), t);
  }
  float last = static_cast<float>(6 / 7.0);
  EXPECT_DOUBLE_EQ(ring_parameter(strips[6], 0), last);
  EXPECT_DOUBLE_EQ(ring_parameter(strips[6], 1), static_cast<float>(last + delta_t));
}

TEST_F(frame, joins_each_band_to_the_last_and_closes_onto_the_stored_first_ring) {
  segments = 9;
  shape_points = 5;
  draw_frame_after(1234);
  std::vector<lines> strips = strips_in(call_log);
  ASSERT_EQ(strips.size(), 9u);
  for (size_t i = 1; i < strips.size(); i++)
    EXPECT_EQ(ring_vertices(strips[i], 0), ring_vertices(strips[i - 1], 1)) << "band " << i;
  // The closing band ends on ring 0 exactly as the first band began.
  EXPECT_EQ(ring_vertices(strips[8], 1), ring_vertices(strips[0], 0));
}

TEST_F(frame, with_one_segment_joins_ring_zero_to_its_own_copy) {
  segments = 1;
  draw_frame_after(0);
  std::vector<lines> strips = strips_in(call_log);
  ASSERT_EQ(strips.size(), 1u);
  EXPECT_EQ(ring_vertices(strips[0], 0), ring_vertices(strips[0], 1));
  EXPECT_DOUBLE_EQ(ring_parameter(strips[0], 0), 0);
  EXPECT_DOUBLE_EQ(ring_parameter(strips[0], 1), 1);
}

// The default curve's first frame, worked out by hand to seven decimals:
// centre (0, 0, 10) at the north pole, the cross-section's x axis close to
// -z, its y axis close to +y. Step bumps double the radius at the start of the curve; the
// normals stay those of the unit circle.
TEST_F(frame, places_ring_zero_on_the_first_frame_scaled_by_the_bumps_but_not_its_normals) {
  user_options |= OPT_ANIMATED_BUMPS;
  shape_points = 5;  // a square: a quarter turn from point to point
  draw_frame_after(0);
  const double x_axis[3] = {0, -0.0624153, -0.9980503};
  const double y_axis[3] = {-0.0000027, 0.9980503, -0.0624153};
  const double centre[3] = {0, 0, 10};
  const double cos_sin[5][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 0}};
  lines ring0 = ring_vertices(strips_in(call_log).at(0), 0);
  ASSERT_EQ(ring0.size(), 10u);
  for (int j = 0; j < 5; j++) {
    SCOPED_TRACE(j);
    std::vector<double> n = numbers_in(ring0[2 * j]), p = numbers_in(ring0[2 * j + 1]);
    for (int k = 0; k < 3; k++) {
      double radial = cos_sin[j][0] * x_axis[k] + cos_sin[j][1] * y_axis[k];
      EXPECT_NEAR(n[k], radial, 1e-6);
      EXPECT_NEAR(p[k], centre[k] + 2 * radial, 1e-5);
    }
  }
}

TEST_F(frame, without_a_context_draws_nothing_but_time_still_advances) {
  fake_gdi.choose_pixel_format_result = 0;
  ss_initialize(window);
  start_time = 1000;
  fake_tick_count = 1000 + 5000;
  call_log.clear();
  EXPECT_EQ(ss_draw(window), 1);
  EXPECT_EQ(call_log, lines{"GetTickCount()"});
  EXPECT_DOUBLE_EQ(now_time, 0.5);
}

TEST_F(frame, measures_time_across_the_tick_counter_wrap) {
  start_renderer();
  start_time = static_cast<int>(0xFFFFFF00u);
  fake_tick_count = 0x100;  // 512 ms later
  ss_draw(window);
  EXPECT_DOUBLE_EQ(now_time, 512 * 100 * 1e-6);
}

TEST_F(frame, multiplies_the_elapsed_time_in_extended_precision) {
  // 3033 ms at speed 100: the extended product gives the double nearest
  // 0.3033; multiplied in double it would end one step below.
  draw_frame_after(3033);
  EXPECT_EQ(now_time, 0.3033);
}

TEST_F(frame, multiplies_long_runs_without_wrapping_at_32_bits) {
  animation_speed = 5000;
  start_renderer();
  fake_tick_count = static_cast<DWORD>(start_time) + 0xF0000000u;  // about 47 days
  ss_draw(window);
  EXPECT_DOUBLE_EQ(now_time, 4026531840.0 * 5000 * 1e-6);
}

TEST_F(frame, time_follows_the_animation_speed) {
  animation_speed = 5000;
  draw_frame_after(1000);
  EXPECT_DOUBLE_EQ(now_time, 5);
}

}  // namespace
