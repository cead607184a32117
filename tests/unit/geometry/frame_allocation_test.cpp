#include <gtest/gtest.h>

#include <cmath>

#include "allocation_count.h"
#include "frame_geometry.h"
#include "geometry/curves.h"
#include "settings/settings.h"

namespace {

// Every buffer comes from start-up: a frame's geometry allocates nothing, for
// every curve, with bumps and a moving skin, at the defaults and at the
// largest sizes the dialog offers.
TEST(FrameGeometry, AllocatesNothing) {
  user_options |= OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS | OPT_MOVE_TEXTURE;
  const struct {
    int rings;
    int points;
  } sizes[] = {{170, 10}, {500, 50}};
  for (curve_function curve : {func1, func2, func3}) {
    curve_func = curve;
    for (const auto &size : sizes) {
      curve_segments = size.rings;
      shape_points = size.points;
      long at_start = allocation_count();
      prepare_frame_geometry();
      // The counter sees the start-up allocations, so it is really counting.
      ASSERT_GT(allocation_count(), at_start);

      now_time = 1.25;
      long before = allocation_count();
      double sum = compute_frame_geometry();
      EXPECT_EQ(before, allocation_count()) << size.rings << " x " << size.points;
      EXPECT_TRUE(std::isfinite(sum));
    }
  }
}

}  // namespace
