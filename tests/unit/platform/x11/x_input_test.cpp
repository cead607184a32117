// X input events as window messages (the Linux window system's translation).
#include <gtest/gtest.h>

#include "platform/x11/backend.h"

namespace {

XEvent key(unsigned state) {
  XEvent e = {};
  e.xkey.type = KeyPress;
  e.xkey.keycode = 38;
  e.xkey.state = state;
  return e;
}

XEvent button(int type, unsigned number) {
  XEvent e = {};
  e.xbutton.type = type;
  e.xbutton.button = number;
  e.xbutton.x = 30;
  e.xbutton.y = 40;
  e.xbutton.x_root = 130;
  e.xbutton.y_root = 140;
  return e;
}

XEvent focus(int type, int mode, int detail) {
  XEvent e = {};
  e.xfocus.type = type;
  e.xfocus.mode = mode;
  e.xfocus.detail = detail;
  return e;
}

MSG translated(const XEvent &e) {
  MSG msg = {};
  EXPECT_TRUE(x_input_message(e, &msg));
  return msg;
}

bool translates(const XEvent &e) {
  MSG msg = {};
  return x_input_message(e, &msg);
}

TEST(XInput, KeysAreKeyDownAndWithAltSystemKeyDown) {
  MSG plain = translated(key(ShiftMask));
  EXPECT_EQ(plain.message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(plain.wParam, 38u);
  EXPECT_EQ(plain.lParam, 1 | (38 << 16));
  MSG alt = translated(key(Mod1Mask));
  EXPECT_EQ(alt.message, static_cast<UINT>(WM_SYSKEYDOWN));
  EXPECT_EQ(alt.lParam, 1 | (38 << 16) | (1 << 29));
}

TEST(XInput, ButtonsOneToThreeAreLeftMiddleRight) {
  EXPECT_EQ(translated(button(ButtonPress, 1)).message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(translated(button(ButtonPress, 2)).message, static_cast<UINT>(WM_MBUTTONDOWN));
  EXPECT_EQ(translated(button(ButtonPress, 3)).message, static_cast<UINT>(WM_RBUTTONDOWN));
  EXPECT_EQ(translated(button(ButtonRelease, 1)).message, static_cast<UINT>(WM_LBUTTONUP));
  EXPECT_EQ(translated(button(ButtonRelease, 2)).message, static_cast<UINT>(WM_MBUTTONUP));
  EXPECT_EQ(translated(button(ButtonRelease, 3)).message, static_cast<UINT>(WM_RBUTTONUP));
  EXPECT_EQ(translated(button(ButtonPress, 1)).lParam, MAKELPARAM(30, 40));
}

TEST(XInput, WheelStepsAreWheelMessagesAndTheirReleasesNothing) {
  const short deltas[] = {120, -120, 120, -120};
  for (unsigned number = 4; number <= 7; number++) {
    MSG msg = translated(button(ButtonPress, number));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_MOUSEWHEEL)) << number;
    EXPECT_EQ(static_cast<short>(HIWORD(msg.wParam)), deltas[number - 4]) << number;
    EXPECT_EQ(msg.lParam, MAKELPARAM(130, 140));
    EXPECT_FALSE(translates(button(ButtonRelease, number))) << number;
  }
  EXPECT_FALSE(translates(button(ButtonPress, 8)));
}

TEST(XInput, MotionCarries16BitClientCoordinates) {
  XEvent e = {};
  e.xmotion.type = MotionNotify;
  e.xmotion.x = 70000;
  e.xmotion.y = 5;
  MSG msg = translated(e);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(LOWORD(msg.lParam), 70000 & 0xffff);
  EXPECT_EQ(HIWORD(msg.lParam), 5);
}

TEST(XInput, FocusChangesAreActivationButNotGrabsOrInnerMoves) {
  MSG lost = translated(focus(FocusOut, NotifyNormal, NotifyNonlinear));
  EXPECT_EQ(lost.message, static_cast<UINT>(WM_ACTIVATEAPP));
  EXPECT_EQ(lost.wParam, 0u);
  EXPECT_EQ(translated(focus(FocusIn, NotifyNormal, NotifyNonlinear)).wParam, 1u);
  EXPECT_FALSE(translates(focus(FocusOut, NotifyGrab, NotifyNonlinear)));
  EXPECT_FALSE(translates(focus(FocusOut, NotifyUngrab, NotifyNonlinear)));
  EXPECT_FALSE(translates(focus(FocusOut, NotifyWhileGrabbed, NotifyNonlinear)));
  EXPECT_FALSE(translates(focus(FocusOut, NotifyNormal, NotifyInferior)));
  EXPECT_FALSE(translates(focus(FocusOut, NotifyNormal, NotifyPointer)));
}

TEST(XInput, OtherEventsAreNoInput) {
  XEvent e = {};
  for (int type : {KeyRelease, Expose, ConfigureNotify, DestroyNotify, ClientMessage}) {
    e.type = type;
    EXPECT_FALSE(translates(e)) << type;
  }
}

}  // namespace
