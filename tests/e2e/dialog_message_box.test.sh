#!/usr/bin/env bash
# MessageBoxA: a GTK message dialog with the caption and text that Enter or
# its close box answer with IDOK; without a display the message goes to stderr.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/dialog_lib.sh"
e2e_begin
probe="$TORVANE_BUILD_DIR/tests/unit/platform/gtk/message_box_probe"

status=0
env -u DISPLAY "$probe" "No pixel format." "Torvane" 2>"$TORVANE_OUT/err" || status=$?
[ "$status" -eq 0 ] || fail "without a display: status $status"
grep -qxF "Torvane: No pixel format." "$TORVANE_OUT/err" || fail "stderr: $(cat "$TORVANE_OUT/err")"
echo "no display: the message on stderr, IDOK"

# show_box: starts the probe and waits for its box; sets SAVER_PID and box.
show_box() {
  "$probe" "No pixel format." "Torvane" >"$TORVANE_OUT/saver.out" 2>"$TORVANE_OUT/saver.err" &
  SAVER_PID=$!
  box=$(wait_for_window Torvane)
  sleep 0.5
}

start_xvfb 640x480x24
show_box
import -window "$box" "$TORVANE_OUT/message-box.png"
expect_lit "$TORVANE_OUT/message-box.png" 0.5
expect_running
xdotool key Return
wait_for_end 5
expect_status 0
expect_quiet
echo "display: a message box that Enter answers with IDOK"

show_box
click_close_box "$box"
wait_for_end 5
expect_status 0
expect_quiet
echo "display: its close box answers IDOK"

show_box
kill -TERM "$SAVER_PID"
wait_for_end 2
expect_status 0
echo "display: SIGTERM takes the box away, so a saver waiting on it can end"
