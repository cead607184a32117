#!/usr/bin/env bash
# A saver started after OK draws with the new settings: with the rotation
# slowed to its minimum two runs draw the same picture, and choosing another
# curve draws a different one.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/dialog_lib.sh"
host_begin 640x480x24

# saver_shot FILE: a full-screen saver's picture after it has run a while.
saver_shot() {
  start_saver /s
  wait_for_window screensaver >/dev/null
  sleep 2
  screenshot "$1"
  xdotool key space
  wait_for_end 5
  expect_status 0
  expect_lit "$1" 0.05
}

# differing_share A B: the share of pixels that differ clearly between A and B.
differing_share() {
  local count
  count=$(compare -fuzz 10% -metric AE "$1" "$2" null: 2>&1) || true
  awk "BEGIN { print $count / (640 * 480) }"
}

start_dialog /c
slide_to_start $ROTATION_SLIDER
click_config $OK_BUTTON
wait_for_end 5
expect_status 0
expect_stored animation_speed 1
saver_shot "$TORVANE_OUT/original-1.png"
saver_shot "$TORVANE_OUT/original-2.png"
same=$(differing_share "$TORVANE_OUT/original-1.png" "$TORVANE_OUT/original-2.png")
awk "BEGIN { exit !($same < 0.01) }" || fail "two runs with the same settings differ in $same of the pixels"
echo "same settings: runs differ in $same of the pixels"

start_dialog /c
click_config $SPHERE_2_BUTTON
click_config $OK_BUTTON
wait_for_end 5
expect_status 0
expect_stored func_id 3
expect_stored animation_speed 1
saver_shot "$TORVANE_OUT/sphere-2.png"
changed=$(differing_share "$TORVANE_OUT/original-1.png" "$TORVANE_OUT/sphere-2.png")
awk "BEGIN { exit !($changed > 0.1) }" || fail "another curve changed only $changed of the pixels"
echo "another curve: $changed of the pixels differ"
