#!/usr/bin/env bash
# Wayland, full screen: SIGTERM, SIGINT and the compositor's end each end the
# saver within a second with status 0 (not a signal's death).
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wayland_lib.sh"
e2e_begin
start_sway

for signal in TERM INT; do
  start_wayland_saver /s
  wait_for_lit "$TORVANE_OUT/saver.png" 0.10
  kill -"$signal" "$SAVER_PID"
  wait_for_end 1
  expect_status 0
  echo "SIG$signal: ended with 0"
done

start_wayland_saver /s
wait_for_lit "$TORVANE_OUT/saver.png" 0.10
kill -KILL "$SWAY_PID"
wait_for_end 1
expect_status 0
echo "the compositor killed: ended with 0"
