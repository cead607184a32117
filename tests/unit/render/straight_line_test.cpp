// The frame driver's geometry, inlined and with its per-point quotients
// worked out once, against the same arithmetic written as one straight loop
// (bench/straight_line_frame.cpp, the geometry benchmark's yardstick): the
// recorded calls, every number in them written back exactly, must be the
// same line for line.
#include "geometry/curves.h"
#include "render/torvane.h"
#include "settings/settings.h"
#include "straight_line_frame.h"
#include "unit/render/render_fixture.h"

namespace {

class straight_line : public render_test {
 protected:
  // One frame `elapsed` ms after start-up by ss_draw and by the straight
  // loop, each into its own log.
  void draw_both(int rings, int points, DWORD elapsed) {
    shape_points = points;
    start_renderer();
    curve_segments = rings;  // after start-up, which would raise 1 to 20
    fake_tick_count += elapsed;
    ASSERT_EQ(ss_draw(window), 0);
    saver = call_log;
    call_log.clear();
    ASSERT_EQ(straight_line_frame(window), 0);
    straight = call_log;
  }
  lines saver, straight;
};

// Every curve with every skin and bump setting, at times from the start to
// some hours in; then the default size and the others, from one ring to the
// most points.
TEST_F(straight_line, every_curve_skin_bump_and_size_sends_the_same_numbers) {
  const int options[] = {0, OPT_ANIMATED_BUMPS, OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS,
                         OPT_MOVE_TEXTURE, OPT_ANIMATED_BUMPS | OPT_SMOOTH_BUMPS | OPT_MOVE_TEXTURE};
  const DWORD times[] = {0, 4321, 98765432};
  const struct {
    int rings, points;
  } sizes[] = {{30, 10}, {170, 10}, {23, 50}, {37, 4}, {1, 7}};
  int frames = 0;
  for (int curve = 1; curve <= 3; curve++)
    for (const auto &size : sizes)
      for (int option : options) {
        if (size.rings != 30 && option != options[4]) continue;
        DWORD elapsed = times[frames++ % 3];
        SCOPED_TRACE(testing::Message() << "curve " << curve << ", options 0x" << std::hex
                                        << option << std::dec << ", " << size.rings << " x "
                                        << size.points << ", " << elapsed << " ms");
        SetUp();
        func_id = curve;
        user_options = OPT_DOUBLE_BUFFER | OPT_BILINEAR | option;
        draw_both(size.rings, size.points, elapsed);
        ASSERT_EQ(strips_in(saver).size(), static_cast<size_t>(size.rings));
        ASSERT_EQ(saver, straight);
      }
  EXPECT_EQ(frames, 3 * (5 + 4));
}

}  // namespace
