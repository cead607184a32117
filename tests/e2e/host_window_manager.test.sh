#!/usr/bin/env bash
# Under a window manager (twm, focus follows the mouse) with another
# application focused, the full-screen saver covers everything, keeps running
# while the manager moves the focus about, and ends on a key with status 0.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24

twm >/dev/null 2>&1 &
manager=$!
sleep 1
xmessage -name otherapp -geometry 300x200+50+50 "another application" &
other=$!
wait_for_window otherapp >/dev/null
xdotool mousemove 100 100

start_saver /s
wait_for_window screensaver >/dev/null
sleep 2  # time for the window manager to act, if it were to cover the saver
wait_for_lit "$TORVANE_OUT/covered.png" 0.10
expect_running
# The other window's white face would show through anywhere it was not covered.
white=$(convert "$TORVANE_OUT/covered.png" -crop 300x200+50+50 -colorspace gray -threshold 97% \
        -format '%[fx:mean]' info:)
awk "BEGIN { exit !($white < 0.02) }" || fail "the other application shows through ($white white)"

xdotool key a
wait_for_end 2
expect_status 0
kill "$other" "$manager" 2>/dev/null || true
echo "under twm: covered, kept running, ended on a key"
