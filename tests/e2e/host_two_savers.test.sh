#!/usr/bin/env bash
# Two full-screen savers at once (the second cannot take the keyboard and
# pointer the first holds): the first key, click or move ends both.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24

# wait_for_savers: both savers' windows are up and drawing has begun.
wait_for_savers() {
  for _ in $(seq 200); do
    [ "$(xdotool search --onlyvisible --name '^screensaver$' 2>/dev/null | wc -l)" -eq 2 ] && break
    sleep 0.1
  done
  wait_for_lit "$TORVANE_OUT/two.png" 0.10
  sleep 1.5  # the second gives up waiting for the first's grab
}

ends_both_on() {
  xdotool mousemove 100 100
  start_saver /s
  first=$SAVER_PID
  wait_for_window screensaver >/dev/null
  start_saver /s
  second=$SAVER_PID
  wait_for_savers
  SAVER_PID=$first expect_running
  SAVER_PID=$second expect_running
  "$@"
  for SAVER_PID in "$first" "$second"; do
    wait_for_end 3
    expect_status 0
  done
  echo "two savers, both ended on: $*"
}

ends_both_on xdotool key space
ends_both_on xdotool click 1
ends_both_on xdotool mousemove 300 300
