#include "straight_line_frame.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry/curves.h"
#include "geometry/shape.h"
#include "render/torvane.h"
#include "settings/settings.h"

namespace {

struct point {
  double x, y, z;
};

// Positions then normals of two rings, and of the first ring kept aside.
std::vector<point> rings, first_ring, warped;

point cross(const point &a, const point &b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Scaled to length 1 unless its length is 0 or not a number.
bool unit(point &a) {
  double mag = std::pow(a.x * a.x + a.y * a.y + a.z * a.z, 0.5);
  if (mag == 0.0 || std::isnan(mag)) return false;
  a.x = a.x / mag;
  a.y = a.y / mag;
  a.z = a.z / mag;
  return true;
}

// The skin's s coordinate of a ring at t: 18 t past the bumps' travel (less
// whole 1024s) when the skin moves, else 30 (t + 0.01 sin(time)).
struct skin_s {
  bool moving;
  double travel;
  double sway;
  double at(float t) const { return moving ? travel + 18 * static_cast<double>(t) : 30 * (t + sway); }
};

void send(const point *prev, const point *cur, int n, float prev_t, float t, const skin_s &skin) {
  glBegin(GL_TRIANGLE_STRIP);
  for (int j = 0; j < n; j++) {
    double around = static_cast<double>(j) / (n - 1);
    const float ring_t[2] = {prev_t, t};
    const point *ring[2] = {prev, cur};
    for (int k = 0; k < 2; k++) {
      const point &p = ring[k][j], &normal = ring[k][n + j];
      double texcoords[2] = {skin.at(ring_t[k]), around};
      glNormal3f(static_cast<float>(normal.x), static_cast<float>(normal.y), static_cast<float>(normal.z));
      glTexCoord2dv(texcoords);
      glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
    }
  }
  glEnd();
}

}  // namespace

int straight_line_frame(HWND hwnd) {
  advance_animation_time();
  if (!hRC) return 1;
  HDC dc = GetDC(hwnd);
  wglMakeCurrent(dc, hRC);
  set_up_scene();

  const int n = shape_points, segments = curve_segments;
  rings.resize(4 * static_cast<size_t>(n));
  first_ring.resize(2 * static_cast<size_t>(n));
  warped.resize(n);
  const double time = now_time;
  const double travel = bump_speed * time * 0.1;
  const skin_s skin = {(user_options & OPT_MOVE_TEXTURE) != 0, std::fmod(travel, 1024.0),
                       0.01 * std::sin(time)};

  point *prev = rings.data(), *cur = rings.data() + 2 * n;
  double mat[16];
  point prev_d1 = {};
  const float delta_t = 1.0f / static_cast<float>(segments);
  float t = 0;
  for (int i = 0; i < segments; i++) {
    t = static_cast<float>(static_cast<double>(i) / segments);
    const double td = t;

    // The bumps.
    double scale = 1.0;
    if (user_options & OPT_ANIMATED_BUMPS) {
      double phase = travel + 18 * td;
      double f = phase - std::floor(phase);
      if (user_options & OPT_SMOOTH_BUMPS) {
        double e = 4 * (f - 0.5);
        scale = 0.5 * (2 * std::pow(10.0, -(e * e)) + 1);
      } else {
        scale = f <= 0.5 ? 2.0 : 1.0;
      }
    }
    const float warp = static_cast<float>(scale);
    for (int j = 0; j < n; j++)
      warped[j] = {warp * shape_def[j].x, warp * shape_def[j].y, warp * shape_def[j].z};

    // The curve around t.
    vector3 before, at, after;
    curve_func(time, td - 1e-7, &before);
    curve_func(time, td, &at);
    curve_func(time, td + 1e-7, &after);
    point d1 = {after.x - at.x, after.y - at.y, after.z - at.z};

    if (i == 0) {
      point d2 = {(2 * at.x - before.x) - after.x, (2 * at.y - before.y) - after.y,
                  (2 * at.z - before.z) - after.z};
      point vc = cross(d1, d2);
      unit(d1);
      unit(vc);
      d2 = cross(d1, vc);
      const double first[16] = {vc.x, vc.y, vc.z, 0, d2.x, d2.y, d2.z, 0, d1.x, d1.y, d1.z, 0, 0, 0, 0, 1};
      std::copy(first, first + 16, mat);
      prev_d1 = d1;
    } else if (unit(d1)) {
      // The smallest turn from the previous tangent to this one, in float.
      point v = cross(prev_d1, d1);
      unit(v);
      double cosine = (prev_d1.x * d1.x + prev_d1.y * d1.y) + prev_d1.z * d1.z;
      if (std::isnan(cosine)) {
        v = {0, 0, 0};
        cosine = 1.0;
      }
      float angle = static_cast<float>(-std::acos(std::clamp(cosine, -1.0, 1.0)));
      float s = static_cast<float>(std::sin(static_cast<double>(angle)));
      float c = static_cast<float>(std::cos(static_cast<double>(angle)));
      float u = 1.0f - c;
      const double turn[16] = {u * v.x * v.x + c,       u * v.x * v.y - s * v.z, u * v.x * v.z + s * v.y, 0,
                               u * v.x * v.y + s * v.z, u * v.y * v.y + c,       u * v.y * v.z - s * v.x, 0,
                               u * v.x * v.z - s * v.y, u * v.y * v.z + s * v.x, u * v.z * v.z + c,       0,
                               0,                       0,                       0,                       1};
      double turned[16] = {};
      for (int row = 0; row < 3; row++)
        for (int column = 0; column < 3; column++) {
          float sum = 0.0f;
          for (int k = 0; k < 3; k++)
            sum = static_cast<float>(turn[row + 4 * k] * mat[k + 4 * column] + static_cast<double>(sum));
          turned[row + 4 * column] = sum;
        }
      turned[15] = 1.0;
      std::copy(turned, turned + 16, mat);
      prev_d1 = d1;
    }
    mat[12] = at.x;
    mat[13] = at.y;
    mat[14] = at.z;
    mat[15] = 1.0;

    // The ring: bumped points with the whole frame, normals with its turn.
    for (int j = 0; j < n; j++) {
      const point &p = warped[j];
      const vector3 &q = shape_norm[j];
      cur[j] = {mat[0] * p.x + mat[4] * p.y + mat[8] * p.z + mat[12],
                mat[1] * p.x + mat[5] * p.y + mat[9] * p.z + mat[13],
                mat[2] * p.x + mat[6] * p.y + mat[10] * p.z + mat[14]};
      cur[n + j] = {mat[0] * q.x + mat[4] * q.y + mat[8] * q.z, mat[1] * q.x + mat[5] * q.y + mat[9] * q.z,
                    mat[2] * q.x + mat[6] * q.y + mat[10] * q.z};
    }
    if (i == 0)
      std::copy(cur, cur + 2 * n, first_ring.begin());
    else
      send(prev, cur, n, t - delta_t, t, skin);
    std::swap(prev, cur);
  }
  send(prev, first_ring.data(), n, t, t + delta_t, skin);

  glDisable(GL_TEXTURE_2D);
  SwapBuffers(dc);
  wglMakeCurrent(nullptr, nullptr);
  ReleaseDC(hwnd, dc);
  return 0;
}
