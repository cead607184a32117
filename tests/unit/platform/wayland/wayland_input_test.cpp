// Wayland input as window messages: the kernel's button and key codes, the
// wheel's direction, and Alt as the compositor's keymap defines it.
#include <gtest/gtest.h>
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <cstring>

#include "platform/wayland/backend.h"

namespace {

MSG button(uint32_t code, bool pressed) {
  MSG msg = {};
  EXPECT_TRUE(wayland_button_message(code, pressed, 30, 40, &msg)) << code;
  return msg;
}

TEST(WaylandInput, LeftMiddleAndRightButtonsPressAndRelease) {
  EXPECT_EQ(button(BTN_LEFT, true).message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(button(BTN_MIDDLE, true).message, static_cast<UINT>(WM_MBUTTONDOWN));
  EXPECT_EQ(button(BTN_RIGHT, true).message, static_cast<UINT>(WM_RBUTTONDOWN));
  EXPECT_EQ(button(BTN_LEFT, false).message, static_cast<UINT>(WM_LBUTTONUP));
  EXPECT_EQ(button(BTN_MIDDLE, false).message, static_cast<UINT>(WM_MBUTTONUP));
  EXPECT_EQ(button(BTN_RIGHT, false).message, static_cast<UINT>(WM_RBUTTONUP));
  EXPECT_EQ(button(BTN_LEFT, true).lParam, MAKELPARAM(30, 40));
  MSG msg = {};
  EXPECT_FALSE(wayland_button_message(BTN_SIDE, true, 0, 0, &msg));
  EXPECT_FALSE(wayland_button_message(BTN_EXTRA, true, 0, 0, &msg));
}

// Wayland's axis values grow downwards and rightwards; a Windows wheel step
// is positive away from the user.
TEST(WaylandInput, AxisValuesAreWheelStepsWithTheirDirection) {
  MSG up = wayland_axis_message(wl_fixed_from_int(-15), 5, 6);
  EXPECT_EQ(up.message, static_cast<UINT>(WM_MOUSEWHEEL));
  EXPECT_EQ(static_cast<short>(HIWORD(up.wParam)), 120);
  EXPECT_EQ(up.lParam, MAKELPARAM(5, 6));
  EXPECT_EQ(static_cast<short>(HIWORD(wayland_axis_message(wl_fixed_from_int(15), 5, 6).wParam)),
            -120);
}

// Key codes are the X ones, the kernel's plus 8.
TEST(WaylandInput, KeysCarryXKeyCodesAndAltMakesThemSystemKeys) {
  MSG plain = wayland_key_message(KEY_A, false);
  EXPECT_EQ(plain.message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(plain.wParam, 38u);
  EXPECT_EQ(plain.lParam, 1 | (38 << 16));
  MSG alt = wayland_key_message(KEY_A, true);
  EXPECT_EQ(alt.message, static_cast<UINT>(WM_SYSKEYDOWN));
  EXPECT_EQ(alt.lParam, 1 | (38 << 16) | (1 << 29));
}

// A keymap as a compositor sends it: in a file, NUL-terminated.
class WaylandKeymap : public ::testing::Test {
 protected:
  void SetUp() override {
    context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    ASSERT_NE(context, nullptr);
    xkb_rule_names us = {"evdev", "pc105", "us", "", ""};
    keymap = xkb_keymap_new_from_names(context, &us, XKB_KEYMAP_COMPILE_NO_FLAGS);
    ASSERT_NE(keymap, nullptr) << "no XKB data (xkb-data)";
    alt_mask = 1u << xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_ALT);
    shift_mask = 1u << xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_SHIFT);
  }
  void TearDown() override {
    wayland_keymap(WL_KEYBOARD_KEYMAP_FORMAT_NO_KEYMAP, -1, 0);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
  }
  void send_keymap(uint32_t format) {
    char *text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    size_t size = std::strlen(text) + 1;
    int fd = memfd_create("keymap", MFD_CLOEXEC);
    ASSERT_EQ(write(fd, text, size), static_cast<ssize_t>(size));
    std::free(text);
    wayland_keymap(format, fd, static_cast<uint32_t>(size));
    close(fd);
  }
  xkb_context *context = nullptr;
  xkb_keymap *keymap = nullptr;
  uint32_t alt_mask = 0, shift_mask = 0;
};

TEST_F(WaylandKeymap, AltIsTheKeymapsAltModifierWhileItIsDown) {
  send_keymap(WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1);
  EXPECT_FALSE(wayland_alt_down());
  wayland_modifiers(alt_mask, 0, 0, 0);
  EXPECT_TRUE(wayland_alt_down());
  wayland_modifiers(shift_mask, 0, 0, 0);
  EXPECT_FALSE(wayland_alt_down());
  wayland_modifiers(0, 0, alt_mask, 0);  // locked counts as well
  EXPECT_TRUE(wayland_alt_down());
}

TEST_F(WaylandKeymap, WithoutAKeymapNoKeyIsAnAltKey) {
  wayland_modifiers(alt_mask, 0, 0, 0);
  EXPECT_FALSE(wayland_alt_down());
  send_keymap(WL_KEYBOARD_KEYMAP_FORMAT_NO_KEYMAP);
  wayland_modifiers(alt_mask, 0, 0, 0);
  EXPECT_FALSE(wayland_alt_down());
}

// A new keymap starts with no modifier down.
TEST_F(WaylandKeymap, ANewKeymapForgetsTheOldState) {
  send_keymap(WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1);
  wayland_modifiers(alt_mask, 0, 0, 0);
  send_keymap(WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1);
  EXPECT_FALSE(wayland_alt_down());
}

}  // namespace
