#!/usr/bin/env bash
# Wayland, full screen: a key, an Alt key, each of the three buttons and the
# loss of the keyboard focus end the saver with status 0; the wheel and a
# button release do not. The saver's protocol log (WAYLAND_DEBUG) shows that
# the input reached it.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wayland_lib.sh"
e2e_begin
start_sway
start_pointer
cursor set 320 240

# expect_logged PATTERN: the saver's protocol log has a line matching PATTERN.
expect_logged() {
  grep -aqE "$1" "$TORVANE_OUT/saver.err" || fail "the saver never received $1"
}

# wait_for_logged PATTERN: waits until it has (fails after 20 s).
wait_for_logged() {
  for _ in $(seq 200); do
    grep -aqE "$1" "$TORVANE_OUT/saver.err" && return 0
    sleep 0.1
  done
  expect_logged "$1"
}

# The saver, once the pointer is over it.
start_logged_saver() {
  WAYLAND_DEBUG=1 start_wayland_saver /s
  wait_for_logged 'wl_pointer@[0-9]+\.enter\('
}

# A virtual keyboard exists only while wtype runs, and a seat losing its
# keyboard takes the focus away, which ends the saver too. So wtype waits
# before the keys, until the saver has the keyboard, and after them, so that
# only the keys can have ended the saver.
ends_on_keys() {
  start_logged_saver
  "${SESSION_USER[@]}" wtype -s 3000 "$@" -s 10000 &
  local typist=$!
  wait_for_end 8
  expect_status 0
  kill -0 "$typist" 2>/dev/null || fail "the saver outlived the keys: $*"
  kill "$typist"
  wait "$typist" || true
  expect_logged 'wl_keyboard@[0-9]+\.key\([0-9]+, [0-9]+, [0-9]+, 1\)'
  echo "ended on: wtype $*"
}

ends_on_keys x
ends_on_keys -M alt x -m alt

for button in button1 button2 button3; do
  start_logged_saver
  cursor press $button
  cursor release $button
  wait_for_end 3
  expect_status 0
  expect_logged 'wl_pointer@[0-9]+\.button\('
  echo "ended on: $button"
done

# Wheel steps up, down, left and right, and a release alone.
start_logged_saver
sleep 0.5
for step in button4 button5 button6 button7; do cursor press $step; done
cursor release button1
sleep 1
expect_running
expect_logged 'wl_pointer@[0-9]+\.axis\([0-9]+, 0, -'
expect_logged 'wl_pointer@[0-9]+\.axis\([0-9]+, 0, [0-9]'
expect_logged 'wl_pointer@[0-9]+\.axis\([0-9]+, 1, '
expect_logged 'wl_pointer@[0-9]+\.button\([0-9]+, [0-9]+, 272, 0\)'
echo "wheel and release: kept running"

kill -TERM "$SAVER_PID"
wait_for_end 2

# The keyboard's focus moving to another workspace is deactivation. A layer
# surface keeps the keyboard on every workspace; a full-screen toplevel (the
# saver on a compositor without the layer shell) loses it.
export TORVANE_WAYLAND_SHELL=xdg
"${SESSION_USER[@]}" wtype -s 10000 &
typist=$!
start_logged_saver
wait_for_logged 'wl_keyboard@[0-9]+\.enter\('
as_session_user swaymsg -q workspace 2
wait_for_end 3
expect_status 0
kill "$typist"
wait "$typist" || true
echo "ended on: the keyboard focus going to another workspace (full-screen toplevel)"
