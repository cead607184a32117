#!/usr/bin/env bash
# torvane.scr under Wine: settings stored in the registry change what "/s"
# draws. The animation is slowed almost to a stop, so two runs with the same
# settings give nearly the same picture; the third curve with the second skin
# and the reflection pass must give a clearly different one.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wine_lib.sh"
wine_begin

# run_saver SHOT: one full-screen run, its first drawn screen saved as SHOT.
run_saver() {
  start_wine_saver /s
  wait_for_window screensaver >/dev/null
  wait_for_drawing "$1" 0.15
  sleep 1
  screenshot "$1"
  xdotool key space
  wait_for_end 10
  expect_status 0
}

# changed_share A B: the share of pixels that differ by more than 10%.
changed_share() {
  local changed total
  changed=$(compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 || true)
  total=$(identify -format '%[fx:w*h]' "$1")
  awk "BEGIN { print $changed / $total }"
}

set_setting animation_speed 1
run_saver "$TORVANE_OUT/default.png"
run_saver "$TORVANE_OUT/default-again.png"

set_setting func_id 3
set_setting skin_id 2
set_setting user_options 0x43
run_saver "$TORVANE_OUT/changed.png"

same=$(changed_share "$TORVANE_OUT/default.png" "$TORVANE_OUT/default-again.png")
changed=$(changed_share "$TORVANE_OUT/default.png" "$TORVANE_OUT/changed.png")
echo "same settings: $same of the pixels differ; changed settings: $changed"
awk "BEGIN { exit !($same < 0.05) }" || fail "two runs with the same settings differ in $same of the pixels"
awk "BEGIN { exit !($changed > 0.25) }" || fail "the changed settings altered only $changed of the pixels"
