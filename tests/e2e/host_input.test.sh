#!/usr/bin/env bash
# Full screen: a key, an Alt key and each of the three buttons end the saver
# with status 0; the wheel and button releases do not.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24

ends_on() {
  start_saver /s
  wait_for_window screensaver >/dev/null
  sleep 0.5
  "$@"
  wait_for_end 2
  expect_status 0
  echo "ended on: $*"
}

ends_on xdotool key space
ends_on xdotool key alt+x
ends_on xdotool click 1
ends_on xdotool click 2
ends_on xdotool click 3

# Wheel steps (up, down, left, right) and a release alone leave it running.
start_saver /s
wait_for_window screensaver >/dev/null
sleep 0.5
xdotool mouseup 1 click 4 click 5 click 6 click 7
sleep 1
expect_running
xdotool key Escape
wait_for_end 2
expect_status 0
echo "wheel and release: kept running"
