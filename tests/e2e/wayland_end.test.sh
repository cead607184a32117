#!/usr/bin/env bash
# Wayland, full screen: the picture follows the output's size; SIGTERM,
# SIGINT and the compositor's end each end the saver within a second with
# status 0 (not a signal's death).
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wayland_lib.sh"
e2e_begin
start_sway

# A wider output reaches the saver as a configure, then WM_SIZE: its picture
# follows, out to the new right edge. (No pointer here: the pointer coming
# over the saver anew while it changes size could end it.)
start_wayland_saver /s
wait_for_lit "$TORVANE_OUT/saver.png" 0.10
as_session_user swaymsg -q output HEADLESS-1 mode 800x480
edge=0
for _ in $(seq 40); do
  screenshot "$TORVANE_OUT/wider.png"
  if [ "$(identify -format %w "$TORVANE_OUT/wider.png")" = 800 ]; then
    convert "$TORVANE_OUT/wider.png" -crop 60x480+740+0 +repage "$TORVANE_OUT/right-edge.png"
    edge=$(lit_share "$TORVANE_OUT/right-edge.png")
    awk "BEGIN { exit !($edge >= 0.02) }" && break
  fi
  sleep 0.5
done
awk "BEGIN { exit !($edge >= 0.02) }" || fail "nothing drawn at the right edge of the wider output ($edge)"
expect_running
echo "resized: the picture follows the output"

# signal_ends_it SIGNAL: the running saver ends on SIGNAL within a second, with 0.
signal_ends_it() {
  kill -"$1" "$SAVER_PID"
  wait_for_end 1
  expect_status 0
  echo "SIG$1: ended with 0"
}

signal_ends_it TERM
start_wayland_saver /s
wait_for_lit "$TORVANE_OUT/saver.png" 0.10
signal_ends_it INT

start_wayland_saver /s
wait_for_lit "$TORVANE_OUT/saver.png" 0.10
kill -KILL "$SWAY_PID"
wait_for_end 1
expect_status 0
echo "the compositor killed: ended with 0"
