// A frame allocates nothing: every buffer comes from start-up. The real
// ss_draw runs against the do-nothing platform, with the global operator new
// replaced by a counting one.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fakes/null_gl.h"
#include "render/multitex.h"
#include "render/torvane.h"
#include "settings/settings.h"
#include "support/reset_modules.h"
#include "unit/render/allocation_count.h"

namespace {

// Every curve and drawing path, with bumps and a moving skin, at the
// defaults and at the largest sizes the dialog offers.
TEST(Frame, AllocatesNothing) {
  setenv("TORVANE_REGISTRY", "/nonexistent/torvane-allocation-test/registry.reg", 1);
  reset_settings();
  reset_geometry();
  reset_render();
  const HWND window = reinterpret_cast<HWND>(0x10);
  const int paths[] = {0, OPT_ENV_LIGHTING, OPT_ENV_LIGHTING | OPT_MULTITEXTURE};
  const struct {
    int rings;
    int points;
  } sizes[] = {{170, 10}, {500, 50}};
  for (int curve = 1; curve <= 3; curve++) {
    for (const auto &size : sizes) {
      for (int path : paths) {
        SCOPED_TRACE(testing::Message() << "curve " << curve << ", " << size.rings << " x "
                                        << size.points << ", options " << path);
        func_id = curve;
        curve_segments = size.rings;
        shape_points = size.points;
        user_options = OPT_DOUBLE_BUFFER | OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS |
                       OPT_MOVE_TEXTURE | path;
        long at_start = allocation_count();
        ASSERT_EQ(ss_initialize(window), 1);
        // The counter sees the start-up allocations, so it is really counting.
        ASSERT_GT(allocation_count(), at_start);
        ASSERT_EQ(multitexturing_enabled, 1);

        null_tick_count += 12500;
        long before = allocation_count();
        EXPECT_EQ(ss_draw(window), 0);
        EXPECT_EQ(allocation_count(), before);
        ss_shutdown(window);
      }
    }
  }
}

}  // namespace
