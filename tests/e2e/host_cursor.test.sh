#!/usr/bin/env bash
# The full-screen saver really hides the cursor; a preview leaves it alone.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24
probe="$TORVANE_BUILD_DIR/tests/e2e/x_helpers/host_cursor_probe"

xdotool mousemove 320 240
[ "$("$probe")" = visible ] || fail "no cursor to start with"

start_saver /s
wait_for_window screensaver >/dev/null
sleep 1
[ "$("$probe")" = invisible ] || fail "the full-screen saver shows the cursor"
xdotool key space
wait_for_end 2
expect_status 0
[ "$("$probe")" = visible ] || fail "the cursor did not come back"

xmessage -name cursorparent -geometry 640x480+0+0 "parent" &
parent=$(wait_for_window cursorparent)
start_saver /p "$parent"
sleep 2
expect_running
[ "$("$probe")" = visible ] || fail "the preview hid the cursor"
kill -TERM "$SAVER_PID"
wait_for_end 2
echo "cursor: hidden full screen, back afterwards, left alone in a preview"
