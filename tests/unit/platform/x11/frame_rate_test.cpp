// The -fps figure: frames counted over each whole second, the text changing
// once a second.
#include "platform/x11/frame_rate.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameRate, NothingIsShownUntilAWholeSecondIsCounted) {
  frame_rate count = {};
  count_frame(&count, 5000);
  EXPECT_EQ(frame_rate_text(count), "");
  for (int ms = 5033; ms < 6000; ms += 33) count_frame(&count, ms);
  EXPECT_EQ(frame_rate_text(count), "");
}

TEST(FrameRate, FramesOfTheSecondGiveTheFigure) {
  frame_rate count = {};
  count_frame(&count, 0);
  for (int frame = 1; frame <= 30; frame++) count_frame(&count, frame * 1000 / 30 + (frame == 30));
  EXPECT_EQ(frame_rate_text(count), "FPS: 30.0");
}

TEST(FrameRate, TheFigureChangesOnlyOnceASecond) {
  frame_rate count = {};
  count_frame(&count, 0);
  for (int ms = 50; ms <= 1000; ms += 50) count_frame(&count, ms);
  EXPECT_EQ(frame_rate_text(count), "FPS: 20.0");
  for (int ms = 1010; ms < 2000; ms += 10) count_frame(&count, ms);
  EXPECT_EQ(frame_rate_text(count), "FPS: 20.0");
  count_frame(&count, 2000);
  EXPECT_EQ(frame_rate_text(count), "FPS: 100.0");
}

TEST(FrameRate, SlowFramesGiveAFigureBelowOne) {
  frame_rate count = {};
  count_frame(&count, 100);
  count_frame(&count, 2100);
  EXPECT_EQ(frame_rate_text(count), "FPS: 0.5");
  count_frame(&count, 2100 + 5000);
  EXPECT_EQ(frame_rate_text(count), "FPS: 0.2");
}

}  // namespace
