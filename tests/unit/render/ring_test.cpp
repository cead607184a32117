// Drawing one band: the first pass alone, both passes, and the single
// multitexture pass, for a small ring.
#include <vector>

#include "geometry/curves.h"
#include "render/multitex.h"
#include "render/torvane.h"
#include "settings/settings.h"
#include "unit/render/render_fixture.h"

namespace {

class ring : public render_test {
 protected:
  void SetUp() override {
    render_test::SetUp();
    shape_points = 4;  // a triangle: three sides, the fourth point repeats the first
    now_time = 0.75;
  }
  void enable_extension() {
    fake_gl_extensions = "GL_ARB_multitexture";
    initialize_multitexturing();
    call_log.clear();
  }
  std::vector<vector3> prev = test_ring(4, 1.0, 1.0);
  std::vector<vector3> cur = test_ring(4, 2.0, 1.5);
};

TEST_F(ring, without_reflections_draws_one_lit_skinned_strip) {
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  EXPECT_EQ(call_log, skinned_strip(prev.data(), cur.data(), 0.25f, 0.5f, false));
}

TEST_F(ring, first_strip_sends_point_j_of_the_previous_ring_before_the_current_one) {
  now_time = 0;  // skin s = 30 t, t = j / 3 around the ring
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  ASSERT_EQ(call_log.size(), 2u + 8 * 3);
  EXPECT_EQ(call_log[0], "glBegin(GL_TRIANGLE_STRIP)");
  EXPECT_EQ(lines(call_log.begin() + 1, call_log.begin() + 7), (lines{
                                                                   "glNormal3f(1, 0, 0)",
                                                                   "glTexCoord2dv({7.5, 0})",
                                                                   "glVertex3f(1, 0, 1)",
                                                                   "glNormal3f(1, 0, 0)",
                                                                   "glTexCoord2dv({15, 0})",
                                                                   "glVertex3f(1.5, 0, 2)",
                                                               }));
  // The last pair closes the triangle on the repeated first point.
  std::vector<double> last_prev = numbers_in(call_log[call_log.size() - 5]);
  std::vector<double> last_cur = numbers_in(call_log[call_log.size() - 2]);
  EXPECT_NEAR(last_prev[0], 1, 1e-6);
  EXPECT_NEAR(last_prev[1], 0, 1e-6);
  EXPECT_NEAR(last_cur[0], 1.5, 1e-6);
  EXPECT_EQ(call_log[call_log.size() - 3], "glTexCoord2dv({15, 1})");
  EXPECT_EQ(call_log.back(), "glEnd()");
}

TEST_F(ring, a_moving_skin_travels_with_the_bumps) {
  user_options |= OPT_MOVE_TEXTURE;  // s = 60 x 0.75 x 0.1 + 18 t = 4.5 + 18 t
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  EXPECT_EQ(call_log.at(2), "glTexCoord2dv({9, 0})");
  EXPECT_EQ(call_log.at(5), "glTexCoord2dv({13.5, 0})");
  EXPECT_EQ(call_log.at(call_log.size() - 3), "glTexCoord2dv({13.5, 1})");
}

TEST_F(ring, multitexture_option_alone_keeps_the_first_pass_only) {
  enable_extension();
  user_options |= OPT_MULTITEXTURE;
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  EXPECT_EQ(call_log, skinned_strip(prev.data(), cur.data(), 0.25f, 0.5f, false));
}

TEST_F(ring, reflections_without_the_extension_add_a_second_pass) {
  user_options |= OPT_ENV_LIGHTING | OPT_MULTITEXTURE;
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  EXPECT_EQ(call_log, skinned_strip(prev.data(), cur.data(), 0.25f, 0.5f, false) +
                          reflection_setup() + reflection_strip(prev.data(), cur.data()) +
                          reflection_restore());
}

TEST_F(ring, reflections_with_the_extension_but_not_allowed_use_two_passes) {
  enable_extension();
  user_options |= OPT_ENV_LIGHTING;
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  EXPECT_EQ(call_log, skinned_strip(prev.data(), cur.data(), 0.25f, 0.5f, false) +
                          reflection_setup() + reflection_strip(prev.data(), cur.data()) +
                          reflection_restore());
}

TEST_F(ring, reflection_pass_takes_its_coordinates_from_the_normals_and_sends_no_normals) {
  user_options |= OPT_ENV_LIGHTING;
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  lines second = strips_in(call_log).at(1);
  EXPECT_EQ(lines(second.begin(), second.begin() + 5), (lines{
                                                          "glBegin(GL_TRIANGLE_STRIP)",
                                                          "glTexCoord2d(1, 0)",
                                                          "glVertex3f(1, 0, 1)",
                                                          "glTexCoord2d(1, 0)",
                                                          "glVertex3f(1.5, 0, 2)",
                                                      }));
  for (const std::string &line : second) EXPECT_EQ(line.find("glNormal3f"), std::string::npos);
}

TEST_F(ring, a_normal_along_z_gives_reflection_coordinates_zero) {
  user_options |= OPT_ENV_LIGHTING;
  for (int j = 0; j < 4; j++) prev[4 + j] = cur[4 + j] = vector3{0, 0, -1};
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  lines second = strips_in(call_log).at(1);
  EXPECT_EQ(second[1], "glTexCoord2d(0, 0)");
}

TEST_F(ring, single_pass_puts_skin_and_reflection_on_two_units) {
  enable_extension();
  user_options |= OPT_ENV_LIGHTING | OPT_MULTITEXTURE;
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  EXPECT_EQ(call_log, single_pass_setup() + skinned_strip(prev.data(), cur.data(), 0.25f, 0.5f, true));
}

TEST_F(ring, single_pass_sets_its_units_again_on_every_band) {
  enable_extension();
  user_options |= OPT_ENV_LIGHTING | OPT_MULTITEXTURE;
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  draw_ring(cur.data(), prev.data(), 0.5f, 0.75f);
  EXPECT_EQ(call_log, single_pass_setup() +
                          skinned_strip(prev.data(), cur.data(), 0.25f, 0.5f, true) +
                          single_pass_setup() +
                          skinned_strip(cur.data(), prev.data(), 0.5f, 0.75f, true));
}

TEST_F(ring, single_pass_vertex_order_is_normal_skin_reflection_position) {
  enable_extension();
  user_options |= OPT_ENV_LIGHTING | OPT_MULTITEXTURE;
  now_time = 0;
  draw_ring(prev.data(), cur.data(), 0.25f, 0.5f);
  lines strip = strips_in(call_log).at(0);
  EXPECT_EQ(lines(strip.begin() + 1, strip.begin() + 5), (lines{
                                                            "glNormal3f(1, 0, 0)",
                                                            "glMultiTexCoord2dvARB(GL_TEXTURE0_ARB, {7.5, 0})",
                                                            "glMultiTexCoord2dvARB(GL_TEXTURE1_ARB, {1, 0})",
                                                            "glVertex3f(1, 0, 1)",
                                                        }));
}

}  // namespace
