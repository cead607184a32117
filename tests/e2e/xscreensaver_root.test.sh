#!/usr/bin/env bash
# As an XScreenSaver hack: --root draws into $XSCREENSAVER_WINDOW (hex or
# decimal), or on the root window itself when it is not set, with no window
# of its own; SIGTERM or SIGINT end it by that signal within a second.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24

xmessage -bg black -fg black -name daemonwindow -geometry 320x240+20+20 "daemon" &
daemon_window_pid=$!
window=$(wait_for_window daemonwindow)
hex=$(printf '0x%x' "$window")

XSCREENSAVER_WINDOW=$hex start_saver --root
wait_for_lit "$TORVANE_OUT/root_hex.png" 0.10 "$window"
expect_running
kill -TERM "$SAVER_PID"
wait_for_end 1
expect_ended_by TERM
echo "--root with XSCREENSAVER_WINDOW=$hex: drawn, SIGTERM ended it"

XSCREENSAVER_WINDOW=$window start_saver -root
wait_for_lit "$TORVANE_OUT/root_decimal.png" 0.10 "$window"
expect_running
kill -INT "$SAVER_PID"
wait_for_end 1
expect_ended_by INT
echo "-root with XSCREENSAVER_WINDOW=$window: drawn, SIGINT ended it"

kill "$daemon_window_pid"
wait "$daemon_window_pid" 2>/dev/null || true
[ "$(xwininfo -root -children | grep -c '^ *0x')" -eq 0 ] || fail "windows are left: $(xwininfo -root -children)"
env -u XSCREENSAVER_WINDOW "$TORVANE" --root >"$TORVANE_OUT/saver.out" 2>"$TORVANE_OUT/saver.err" &
SAVER_PID=$!
wait_for_lit "$TORVANE_OUT/root_window.png" 0.10
expect_running
children=$(xwininfo -root -children | grep -c '^ *0x') || true
[ "$children" -eq 0 ] || fail "--root alone made a window: $(xwininfo -root -children)"
kill -TERM "$SAVER_PID"
wait_for_end 1
expect_ended_by TERM
[ ! -s "$TORVANE_OUT/saver.err" ] || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
screenshot "$TORVANE_OUT/root_after.png"
[ "$(lit_share "$TORVANE_OUT/root_after.png")" = 0 ] || fail "the tube was left on the root window"
echo "--root alone: drawn on the root window itself, SIGTERM ended it and cleared it"
