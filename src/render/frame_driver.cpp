// One frame of the tube: animation time from the tick count, the per-frame GL
// state, then ring by ring along the curve, closing onto the first ring.
#include <cmath>
#include <cstring>

#include "geometry/curves.h"
#include "geometry/ring.h"
#include "geometry/tube_math.h"
#include "platform/win32.h"
#include "render/colors.h"
#include "render/torvane.h"
#include "settings/settings.h"

namespace {

// 50 degrees per unit of animation time, less whole turns: GL takes the
// angle as a float, which would round it to half a degree after some hours
// at the top speed. fmod is exact, and a no-op for the first turn.
float tumble_angle() { return static_cast<float>(std::fmod(now_time * 50, 360.0)); }

void draw_axes() {
  glDisable(GL_LIGHTING);
  glColor3f(1, 1, 1);
  glBegin(GL_LINES);
  glVertex3f(0, 0, 0);
  glVertex3f(10, 0, 0);
  glVertex3f(0, 0, 0);
  glVertex3f(0, 10, 0);
  glVertex3f(0, 0, 0);
  glVertex3f(0, 0, 10);
  glEnd();
}

}  // namespace

// The unsigned difference stays right across the tick counter's wrap.
void advance_animation_time() {
  DWORD elapsed = GetTickCount() - static_cast<DWORD>(start_time);
  now_time = static_cast<double>(static_cast<long double>(elapsed) * animation_speed * 0.000001);
}

// Camera, material and light; the light is placed before the tumble, so it
// stays fixed relative to the viewer while the tube turns.
void set_up_scene() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glTranslatef(0, 0, -20);
  glMateriali(GL_FRONT_AND_BACK, GL_SHININESS, 40);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, mat_color);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, spec_color);
  glLightfv(GL_LIGHT0, GL_POSITION, light_position);
  glEnable(GL_LIGHT0);
  glRotatef(tumble_angle(), static_cast<float>(tube_sin(now_time)), 1, 0);
  if (user_options & OPT_SHOW_AXES) draw_axes();
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, 0);
}

namespace {

// Only two rings are ever held; the first is kept aside to close the tube.
void draw_tube() {
  vector3 *prev_buf = vector_buf;
  vector3 *cur_buf = vector_buf + 2 * shape_points;
  double mat[16];
  vector3 prev_d1;
  const int segments = curve_segments;
  const float delta_t = 1.0f / static_cast<float>(segments);
  float t = 0;
  for (int i = 0; i < segments; i++) {
    t = static_cast<float>(static_cast<double>(i) / segments);
    place_ring(i, t, mat, &prev_d1, warped_def, cur_buf);
    if (i == 0)
      std::memcpy(first_shape, cur_buf, 2 * shape_points * sizeof(vector3));
    else
      draw_ring(prev_buf, cur_buf, t - delta_t, t);
    vector3 *swap = prev_buf;
    prev_buf = cur_buf;
    cur_buf = swap;
  }
  draw_ring(prev_buf, first_shape, t, t + delta_t);
}

}  // namespace

int ss_draw(HWND hWnd) {
  advance_animation_time();
  if (!hRC) return 1;
  HDC hDC = GetDC(hWnd);
  wglMakeCurrent(hDC, hRC);
  set_up_scene();
  draw_tube();
  glDisable(GL_TEXTURE_2D);
  SwapBuffers(hDC);
  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(hWnd, hDC);
  return 0;
}
