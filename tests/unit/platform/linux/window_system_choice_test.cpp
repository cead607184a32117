// Which window system the Linux program takes from its environment.
#include "platform/linux/window_system_choice.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowSystemChoice, WaylandWhenItsDisplayIsNamedElseX11) {
  EXPECT_EQ(choose_window_system(nullptr, "wayland-1", false), WINDOW_SYSTEM_WAYLAND);
  EXPECT_EQ(choose_window_system(nullptr, nullptr, false), WINDOW_SYSTEM_X11);
  EXPECT_EQ(choose_window_system(nullptr, "", false), WINDOW_SYSTEM_X11);
  EXPECT_EQ(choose_window_system("", "wayland-1", false), WINDOW_SYSTEM_WAYLAND);
}

TEST(WindowSystemChoice, TorvaneBackendDecidesWhenSet) {
  EXPECT_EQ(choose_window_system("x11", "wayland-1", false), WINDOW_SYSTEM_X11);
  EXPECT_EQ(choose_window_system("wayland", nullptr, false), WINDOW_SYSTEM_WAYLAND);
}

// They draw into the X window they are given, whatever else is said.
TEST(WindowSystemChoice, XScreenSaverFormsDrawOnX11) {
  EXPECT_EQ(choose_window_system(nullptr, "wayland-1", true), WINDOW_SYSTEM_X11);
  EXPECT_EQ(choose_window_system("wayland", "wayland-1", true), WINDOW_SYSTEM_X11);
}

TEST(WindowSystemChoice, AnUnknownBackendIsReportedAndIgnored) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(choose_window_system("mir", "wayland-1", false), WINDOW_SYSTEM_WAYLAND);
  EXPECT_EQ(choose_window_system("X11", nullptr, false), WINDOW_SYSTEM_X11);
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("TORVANE_BACKEND is \"mir\""), std::string::npos) << said;
  EXPECT_NE(said.find("TORVANE_BACKEND is \"X11\""), std::string::npos) << said;
}

TEST(WindowSystemChoice, GtkIsToldTheSameWindowSystem) {
  EXPECT_STREQ(window_system_gdk_name(WINDOW_SYSTEM_WAYLAND), "wayland");
  EXPECT_STREQ(window_system_gdk_name(WINDOW_SYSTEM_X11), "x11");
}

}  // namespace
