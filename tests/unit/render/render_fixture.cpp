#include "unit/render/render_fixture.h"

#include <cmath>
#include <cstdlib>

#include "fakes/fake_windows.h"
#include "geometry/curves.h"
#include "geometry/tube_math.h"
#include "settings/settings.h"
#include "support/reset_modules.h"

void render_test::SetUp() {
  setenv("TORVANE_REGISTRY", "/nonexistent/torvane-render-test/registry.reg", 1);
  reset_settings();
  reset_geometry();
  reset_render();

  fake_gl_reset();
  fake_gdi_reset();
  fake_kernel_reset();
  fake_tick_count = 1000;
  fake_windows_reset();
  fake_windows.push_back(fake_window{window, 0, 0, 0, 0, 200, 100, nullptr, true});
  call_log.clear();
}

void render_test::TearDown() { call_log.clear(); }

void render_test::start_renderer() {
  ASSERT_EQ(ss_initialize(window), 1);
  call_log.clear();
}

lines render_test::log_between(const std::string &first, const std::string &last) const {
  lines part;
  bool inside = false;
  for (const std::string &line : call_log) {
    if (line == first) inside = true;
    if (inside && line == last) break;
    if (inside) part.push_back(line);
  }
  return part;
}

lines operator+(lines a, const lines &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

namespace {

std::string vec3f(const char *name, const vector3 &v) {
  return log_line(name, {log_float(static_cast<float>(v.x)), log_float(static_cast<float>(v.y)),
                         log_float(static_cast<float>(v.z))});
}

std::string pair(double a, double b) { return "{" + log_double(a) + ", " + log_double(b) + "}"; }

// The swaying skin at point j of a ring at ring_t: 30 repeats along the
// tube, moved by at most 0.3 of one as the animation time goes on, and 0 to
// 1 around the ring.
std::string swaying_skin(int j, float ring_t) {
  double along = 30 * (static_cast<double>(ring_t) + 0.01 * tube_sin(now_time));
  double around = static_cast<double>(j) / (shape_points - 1);
  return pair(along, around);
}

void skinned_vertex(lines &out, const vector3 *ring, int j, float ring_t, bool multitextured) {
  const vector3 &normal = ring[shape_points + j];
  out.push_back(vec3f("glNormal3f", normal));
  if (multitextured) {
    out.push_back("glMultiTexCoord2dvARB(GL_TEXTURE0_ARB, " + swaying_skin(j, ring_t) + ")");
    out.push_back("glMultiTexCoord2dvARB(GL_TEXTURE1_ARB, " + pair(normal.x, normal.y) + ")");
  } else {
    out.push_back("glTexCoord2dv(" + swaying_skin(j, ring_t) + ")");
  }
  out.push_back(vec3f("glVertex3f", ring[j]));
}

}  // namespace

lines skinned_strip(const vector3 *prev, const vector3 *cur, float prev_t, float t,
                    bool multitextured) {
  lines out = {"glBegin(GL_TRIANGLE_STRIP)"};
  for (int j = 0; j < shape_points; j++) {
    skinned_vertex(out, prev, j, prev_t, multitextured);
    skinned_vertex(out, cur, j, t, multitextured);
  }
  out.push_back("glEnd()");
  return out;
}

lines reflection_strip(const vector3 *prev, const vector3 *cur) {
  lines out = {"glBegin(GL_TRIANGLE_STRIP)"};
  for (int j = 0; j < shape_points; j++) {
    for (const vector3 *ring : {prev, cur}) {
      const vector3 &normal = ring[shape_points + j];
      out.push_back(log_line("glTexCoord2d", {log_double(normal.x), log_double(normal.y)}));
      out.push_back(vec3f("glVertex3f", ring[j]));
    }
  }
  out.push_back("glEnd()");
  return out;
}

lines reflection_setup() {
  return {
      "glDisable(GL_LIGHTING)",
      "glBindTexture(GL_TEXTURE_2D, 1)",
      "glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, {0, 0, 0, 1})",
      "glEnable(GL_POLYGON_OFFSET_FILL)",
      "glPolygonOffset(0, -3)",
      "glEnable(GL_BLEND)",
      "glBlendFunc(GL_ONE, GL_ONE)",
  };
}

lines reflection_restore() {
  return {
      "glDisable(GL_BLEND)",
      "glEnable(GL_TEXTURE_2D)",
      "glDisable(GL_POLYGON_OFFSET_FILL)",
      "glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, {0.5, 0.5, 0.4, 1})",
      "glBindTexture(GL_TEXTURE_2D, 0)",
      "glEnable(GL_LIGHTING)",
  };
}

lines single_pass_setup() {
  return {
      "glActiveTextureARB(GL_TEXTURE0_ARB)",
      "glEnable(GL_TEXTURE_2D)",
      "glBindTexture(GL_TEXTURE_2D, 0)",
      "glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL)",
      "glActiveTextureARB(GL_TEXTURE1_ARB)",
      "glEnable(GL_TEXTURE_2D)",
      "glBindTexture(GL_TEXTURE_2D, 1)",
      "glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND)",
      "glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, {1, 1, 1, 1})",
  };
}

lines texture_upload(int name, const char *filter, int width, int height, const void *pixels) {
  std::string f = filter;
  return {
      "glBindTexture(GL_TEXTURE_2D, " + std::to_string(name) + ")",
      "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, " + f + ")",
      "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, " + f + ")",
      "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT)",
      "glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT)",
      "glTexImage2D(GL_TEXTURE_2D, 0, 3, " + std::to_string(width) + ", " +
          std::to_string(height) + ", 0, GL_RGB, GL_UNSIGNED_BYTE, " + log_pointer(pixels) + ")",
  };
}

std::vector<lines> strips_in(const lines &log) {
  std::vector<lines> strips;
  bool inside = false;
  for (const std::string &line : log) {
    if (line == "glBegin(GL_TRIANGLE_STRIP)") {
      strips.emplace_back();
      inside = true;
    }
    if (inside) strips.back().push_back(line);
    if (line == "glEnd()") inside = false;
  }
  return strips;
}

std::vector<double> numbers_in(const std::string &line) {
  std::vector<double> numbers;
  const char *p = line.c_str() + line.find('(') + 1;
  while (*p) {
    char *end;
    double value = std::strtod(p, &end);
    if (end == p) {
      p++;
    } else {
      numbers.push_back(value);
      p = end;
    }
  }
  return numbers;
}

std::vector<vector3> test_ring(int n, double z, double r) {
  std::vector<vector3> ring(2 * n);
  for (int j = 0; j < n; j++) {
    double a = j * 2 * 3.141592653589793 / (n - 1);
    ring[j] = vector3{r * std::cos(a), r * std::sin(a), z};
    ring[n + j] = vector3{std::cos(a), std::sin(a), 0};
  }
  return ring;
}
