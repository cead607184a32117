#!/usr/bin/env bash
# torvane.scr under Wine: "/s" draws the tube full screen and ends with
# status 0 on a key and on a mouse button; "/a" ends at once with 0 and
# leaves no settings behind.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wine_lib.sh"
wine_begin

start_wine_saver /a
wait_for_end 30
expect_status 0
expect_no_settings
echo "/a: status 0, no settings key"

xdotool mousemove 300 200
start_wine_saver /s
wait_for_window screensaver >/dev/null
wait_for_drawing "$TORVANE_OUT/saver.png" 0.15
echo "/s: $(lit_share "$TORVANE_OUT/saver.png") of the screen lit"
expect_running
xdotool key space
wait_for_end 10
expect_status 0
echo "/s: a key ended it with status 0"

start_wine_saver /s
wait_for_window screensaver >/dev/null
wait_for_drawing "$TORVANE_OUT/saver-button.png" 0.15
expect_running
xdotool click 1
wait_for_end 10
expect_status 0
echo "/s: a mouse button ended it with status 0"
expect_no_settings
