// The figures of -fps: frames and load counted over each whole second, the
// text changing once a second, and the polygons a frame draws.
#include "platform/linux/frame_stats.h"

#include <gtest/gtest.h>

namespace {

const long long ms = 1000000;

typedef std::vector<std::string> lines;

// Frames every `interval` ms from `from` up to `until` ms, each followed by
// a wait of `waited` ms.
void frames(frame_stats *stats, long long from, long long until, long long interval,
            long long waited = 0) {
  for (long long at = from; at <= until; at += interval) {
    count_frame(stats, at * ms);
    count_wait(stats, waited * ms);
  }
}

TEST(FrameStats, NothingIsShownUntilAWholeSecondIsCounted) {
  frame_stats stats = {};
  frames(&stats, 5000, 5990, 33);
  EXPECT_EQ(frame_stats_lines(stats, 3060), lines{});
}

TEST(FrameStats, TheSecondsFramesAndWaitsGiveFrameRateAndLoad) {
  frame_stats stats = {};
  frames(&stats, 0, 1000, 40, 30);  // 25 frames, each 10 ms of work and 30 of waiting
  EXPECT_EQ(frame_stats_lines(stats, 3060), (lines{"FPS:   25.0", "Load:  25.0%", "Polys: 3,060"}));
}

TEST(FrameStats, TheFiguresChangeOnlyOnceASecond) {
  frame_stats stats = {};
  frames(&stats, 0, 1000, 50);
  EXPECT_EQ(frame_stats_lines(stats, 7)[0], "FPS:   20.0");
  frames(&stats, 1010, 1990, 10, 5);
  EXPECT_EQ(frame_stats_lines(stats, 7), (lines{"FPS:   20.0", "Load:  100.0%", "Polys: 7"}));
  count_frame(&stats, 2000 * ms);
  EXPECT_EQ(frame_stats_lines(stats, 7), (lines{"FPS:   100.0", "Load:  50.5%", "Polys: 7"}));
}

TEST(FrameStats, SlowFramesGiveAFigureBelowOneAndWaitsBeforeTheFirstFrameDoNotCount) {
  frame_stats stats = {};
  count_wait(&stats, 900 * ms);
  count_frame(&stats, 100 * ms);
  count_frame(&stats, 2100 * ms);
  EXPECT_EQ(frame_stats_lines(stats, 0)[0], "FPS:   0.5");
  EXPECT_EQ(frame_stats_lines(stats, 0)[1], "Load:  100.0%");
  count_frame(&stats, (2100 + 5000) * ms);
  EXPECT_EQ(frame_stats_lines(stats, 0)[0], "FPS:   0.2");
}

TEST(FrameStats, PolygonsAreTheBandsTrianglesOncePerPass) {
  EXPECT_EQ(frame_polygons(170, 10, false), 3060);  // the defaults
  EXPECT_EQ(frame_polygons(170, 10, true), 6120);   // reflections in a second pass
  EXPECT_EQ(frame_polygons(500, 50, true), 98000);
  EXPECT_EQ(frame_polygons(20, 4, false), 120);
  frame_stats stats = {true, 0, 0, 0, 60, 1};
  EXPECT_EQ(frame_stats_lines(stats, 98000)[2], "Polys: 98,000");
  EXPECT_EQ(frame_stats_lines(stats, 1234567)[2], "Polys: 1,234,567");
  EXPECT_EQ(frame_stats_lines(stats, 999)[2], "Polys: 999");
}

}  // namespace
