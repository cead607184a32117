#!/usr/bin/env bash
# As an XScreenSaver hack: --root draws into $XSCREENSAVER_WINDOW (hex or
# decimal), or on the root window when it is not set, and SIGTERM or SIGINT
# end it with status 0 within a second.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
e2e_begin
start_xvfb 640x480x24
host_settings_in "$(mktemp -d)"

xmessage -bg black -fg black -name daemonwindow -geometry 320x240+20+20 "daemon" &
window=$(wait_for_window daemonwindow)
hex=$(printf '0x%x' "$window")

XSCREENSAVER_WINDOW=$hex start_saver --root
wait_for_lit "$TORVANE_OUT/root_hex.png" 0.10 "$window"
expect_running
kill -TERM "$SAVER_PID"
wait_for_end 1
expect_status 0
echo "--root with XSCREENSAVER_WINDOW=$hex: drawn, SIGTERM ended it with 0"

XSCREENSAVER_WINDOW=$window start_saver -root
wait_for_lit "$TORVANE_OUT/root_decimal.png" 0.10 "$window"
expect_running
kill -INT "$SAVER_PID"
wait_for_end 1
expect_status 0
echo "-root with XSCREENSAVER_WINDOW=$window: drawn, SIGINT ended it with 0"

env -u XSCREENSAVER_WINDOW "$TORVANE" --root >"$TORVANE_OUT/saver.out" 2>"$TORVANE_OUT/saver.err" &
SAVER_PID=$!
wait_for_lit "$TORVANE_OUT/root_window.png" 0.10
expect_running
kill -TERM "$SAVER_PID"
wait_for_end 1
expect_status 0
[ ! -s "$TORVANE_OUT/saver.err" ] || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
echo "--root alone: drawn on the root window, SIGTERM ended it with 0"
