// Every build of a home computes the same tube to the last bit: the same
// frames, rings and skin coordinates from the same settings and animation
// time. Both Windows builds (64-bit and 32-bit) agree with each other, and
// every Linux build (optimised or not, with or without sanitizers) with the
// others; the homes' sines differ in the last bit (tube_math.h).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "geometry/curves.h"
#include "geometry/ring.h"
#include "geometry/shape.h"
#include "settings/settings.h"
#include "support/reset_modules.h"

namespace {

// FNV-1a over the bits of the doubles added.
struct bits_digest {
  std::uint64_t value = 14695981039346656037ull;
  void add(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    for (int i = 0; i < 8; i++) {
      value = (value ^ ((bits >> (8 * i)) & 0xff)) * 1099511628211ull;
    }
  }
};

// One frame as the frame driver builds it, ring by ring: every position,
// normal and skin coordinate.
std::uint64_t frame_digest(curve_function curve, double time) {
  curve_func = curve;
  now_time = time;
  init_shape();
  std::vector<vector3> warped(shape_points), ring(2 * shape_points);
  double mat[16];
  vector3 prev_d1;
  bits_digest digest;
  for (int i = 0; i < curve_segments; i++) {
    float t = static_cast<float>(static_cast<double>(i) / curve_segments);
    place_ring(i, t, mat, &prev_d1, warped.data(), ring.data());
    for (const vector3 &v : ring) {
      digest.add(v.x);
      digest.add(v.y);
      digest.add(v.z);
    }
    for (int j = 0; j < shape_points; j++) {
      double tds[2];
      texcoord_func(time, t, static_cast<double>(j) / (shape_points - 1), tds);
      digest.add(tds[0]);
      digest.add(tds[1]);
    }
  }
  return digest.value;
}

struct frame_case {
  curve_function curve;
  int options;
  double time;
  std::uint64_t linux_digest, windows_digest;
};

#if TORVANE_PORTABLE_MATH
std::uint64_t home_digest(const frame_case &c) { return c.windows_digest; }
#else
std::uint64_t home_digest(const frame_case &c) { return c.linux_digest; }
#endif

const int plain = default_user_options;
const int bumpy = default_user_options | OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS | OPT_MOVE_TEXTURE;

TEST(FrameBits, EveryBuildOfAHomeComputesTheSameTube) {
  const frame_case cases[] = {
      {func1, plain, 0.0, 0xeb6c5609f9ea43c4ull, 0xde62e61abd102a04ull},
      {func1, bumpy, 1.3, 0x61ed3829e1c967eeull, 0x5f71b7d181ae8215ull},
      {func2, plain, 57.25, 0x38639c770fa65955ull, 0x834f3e1e80f4da02ull},
      {func2, bumpy, 0.0, 0xc5b46463bb3c09baull, 0xce1426068707f654ull},
      {func3, plain, 1.3, 0x36fb77315f97457eull, 0x98f9dd85d5b90433ull},
      // a day at the top speed
      {func3, bumpy, 432000.0, 0x668b19d27ed028c7ull, 0x13c2499d11caa768ull},
  };
  for (const frame_case &c : cases) {
    reset_settings();
    reset_geometry();
    user_options = c.options;
    SCOPED_TRACE(testing::Message() << "func" << (&c - cases) / 2 + 1 << ", options 0x" << std::hex
                                    << c.options << std::dec << ", time " << c.time);
    EXPECT_EQ(home_digest(c), frame_digest(c.curve, c.time))
        << "a different tube: if the geometry was changed on purpose, every build of the home "
           "must agree on the new digest";
  }
}

}  // namespace
