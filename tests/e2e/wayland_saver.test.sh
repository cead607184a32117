#!/usr/bin/env bash
# Wayland, full screen: the tube is drawn over the whole output (a layer
# surface where the compositor has the layer shell, a full-screen toplevel
# elsewhere), the cursor is hidden over it, and a pointer move of 6 right and
# 4 down from where the pointer first came over it keeps the saver; one
# pixel more ends it with 0.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wayland_lib.sh"
e2e_begin
start_sway
start_pointer
cursor set 200 150

# pixels_differing A B: how many pixels two pictures of the same size differ in.
pixels_differing() {
  compare -metric AE "$1" "$2" null: 2>&1 || true
}

# cursor_shows NAME: whether moving the pointer 5 pixels right changes the
# picture; it moves back afterwards. Stopped, the saver draws nothing new,
# so only the cursor could make a difference.
cursor_shows() {
  screenshot "$TORVANE_OUT/$1-here.png"
  cursor move 5 0
  sleep 0.5
  screenshot "$TORVANE_OUT/$1-moved.png"
  cursor move -5 0
  [ "$(pixels_differing "$TORVANE_OUT/$1-here.png" "$TORVANE_OUT/$1-moved.png")" -gt 20 ]
}

cursor_shows desktop || fail "no cursor shows on the desktop, so its hiding could not be seen"

start_wayland_saver /s
wait_for_lit "$TORVANE_OUT/saver.png" 0.10
expect_running
# Nothing of a magenta desktop shows.
as_session_user swaymsg -q output HEADLESS-1 bg '#ff00ff' solid_color
screenshot "$TORVANE_OUT/over-magenta.png"
as_session_user swaymsg -q output HEADLESS-1 bg '#000000' solid_color
[ "$(uncovered_share "$TORVANE_OUT/over-magenta.png")" = 0 ] ||
  fail "the saver does not cover the output"
echo "drawn: the tube, over the whole output"

saver=$(saver_pids)  # the supervisor's one saver, which draws
kill -STOP "$saver"
sleep 0.5
if cursor_shows saver; then
  kill -CONT "$saver"
  fail "the cursor shows over the saver"
fi
kill -CONT "$saver"
echo "cursor: hidden over the saver"

cursor move 6 4
sleep 1
expect_running
cursor move -6 -4
cursor move 6 4
sleep 1
expect_running
cursor move 1 0
wait_for_end 2
expect_status 0
[ ! -s "$TORVANE_OUT/saver.err" ] || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
echo "pointer: 6+4 from where it came over the saver kept it, 7+4 ended it"

# Without the layer shell: a full-screen toplevel, ended the same way.
TORVANE_WAYLAND_SHELL=xdg start_wayland_saver /s
wait_for_toplevel screensaver
expect_full_screen screensaver
wait_for_lit "$TORVANE_OUT/toplevel.png" 0.10
cursor move 11 0
wait_for_end 2
expect_status 0
echo "full-screen toplevel: drawn, ended by a move of 11"
