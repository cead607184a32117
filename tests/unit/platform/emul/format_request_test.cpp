// What ChoosePixelFormat asks of a window system's configs, through GLX
// and EGL alike: a third of the display's depth a channel, and the config
// with exactly the sizes asked for before those the GL API ranks first.
#include <gtest/gtest.h>

#include "platform/emul/format_request.h"

namespace {

PIXELFORMATDESCRIPTOR descriptor(int colour_bits, DWORD flags) {
  PIXELFORMATDESCRIPTOR pfd = {};
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | flags;
  pfd.cColorBits = static_cast<BYTE>(colour_bits);
  pfd.cDepthBits = 24;
  return pfd;
}

TEST(FormatRequest, AThirdOfTheDisplayDepthEachChannelAndTheBufferingWished) {
  EXPECT_EQ(read_format_request(descriptor(24, PFD_DOUBLEBUFFER)).channel, 8);
  EXPECT_EQ(read_format_request(descriptor(32, 0)).channel, 8);
  EXPECT_EQ(read_format_request(descriptor(16, 0)).channel, 5);
  EXPECT_TRUE(read_format_request(descriptor(24, PFD_DOUBLEBUFFER)).double_buffered);
  EXPECT_FALSE(read_format_request(descriptor(24, 0)).double_buffered);
  EXPECT_TRUE(read_format_request(descriptor(24, 0)).rgba);
  PIXELFORMATDESCRIPTOR colour_index = descriptor(8, 0);
  colour_index.iPixelType = PFD_TYPE_COLORINDEX;
  EXPECT_FALSE(read_format_request(colour_index).rgba);
}

TEST(FormatRequest, TheSizesAskedForBeforeMoreBits) {
  format_request request = read_format_request(descriptor(24, PFD_DOUBLEBUFFER));
  // As GL ranks them: more colour, then alpha, then a deeper depth buffer.
  std::vector<config_sizes> found = {
      {10, 10, 10, 2, 24}, {8, 8, 8, 8, 24}, {8, 8, 8, 0, 32}, {8, 8, 8, 0, 24}, {8, 8, 8, 0, 16}};
  EXPECT_EQ(preferred_config(found, request), 3);
  found.erase(found.begin() + 3);
  EXPECT_EQ(preferred_config(found, request), 0) << "none as asked: GL's first";
  EXPECT_EQ(preferred_config({}, request), -1);
}

}  // namespace
