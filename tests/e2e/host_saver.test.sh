#!/usr/bin/env bash
# Full screen: the tube is drawn; a mouse move of 6 right and 4 down keeps
# the saver, one pixel more ends it with status 0.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 800x600x24

xdotool mousemove 200 150
start_saver /s
wait_for_window screensaver >/dev/null
wait_for_lit "$TORVANE_OUT/saver.png" 0.10
expect_running

xdotool mousemove 206 154
sleep 1
expect_running

xdotool mousemove 207 154
wait_for_end 2
expect_status 0
[ ! -s "$TORVANE_OUT/saver.err" ] || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
echo "saver: drawn, 6+4 kept it, 7+4 ended it"
