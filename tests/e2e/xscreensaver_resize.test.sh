#!/usr/bin/env bash
# When XScreenSaver's window changes size (a monitor came or went), the
# saver drawing into it follows and fills it again.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
host_begin 640x480x24

xmessage -bg black -fg black -name daemonwindow -geometry 200x150+0+0 "daemon" &
window=$(wait_for_window daemonwindow)
XSCREENSAVER_WINDOW=$(printf '0x%x' "$window") start_saver --root
sleep 2
expect_running

xdotool windowsize "$window" 600 400
sleep 2
screenshot "$TORVANE_OUT/resized.png" "$window"
[ "$(identify -format '%wx%h' "$TORVANE_OUT/resized.png")" = 600x400 ] || fail "the window did not grow"
# The tube spans the window: both its left and its right third are drawn.
for third in 200x400+0+0 200x400+400+0; do
  convert "$TORVANE_OUT/resized.png" -crop "$third" +repage "$TORVANE_OUT/third.png"
  expect_lit "$TORVANE_OUT/third.png" 0.10
done
xwininfo -children -id "$window" | grep '"screensaver"' | grep -q '600x400' ||
  fail "the saver's window is not 600x400: $(xwininfo -children -id "$window" | grep screensaver)"

kill -TERM "$SAVER_PID"
wait_for_end 1
expect_ended_by TERM
echo "resized daemon window: the saver followed it"
