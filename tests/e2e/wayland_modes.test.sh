#!/usr/bin/env bash
# Wayland: /c opens the settings dialog through GTK on the compositor, and
# Enter (OK) stores the eight values; a message box shows there and closing
# it answers it; /p refuses clearly with status 0, as a
# Wayland window cannot go inside another program's window; TORVANE_BACKEND=x11
# and XScreenSaver's forms take X11 even in a Wayland session; a
# WAYLAND_DISPLAY with no compositor behind it is said so.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wayland_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/dialog_lib.sh"
e2e_begin
start_sway

start_wayland_saver /c
wait_for_toplevel "Configure..."
wait_for_lit "$TORVANE_OUT/dialog.png" 0.05
"${SESSION_USER[@]}" wtype -s 3000 -k Return -s 10000 &
typist=$!
wait_for_end 8
expect_status 0
kill "$typist"
wait "$typist" || true
expect_quiet
expect_stored animation_speed 100
expect_stored curve_segments 170
expect_stored shape_points 10
expect_stored skin_id 1
expect_stored func_id 1
expect_stored bump_speed 60
expect_stored user_options 3
expect_stored flags 3
[ "$(grep -c '=dword:' "$TORVANE_REGISTRY")" -eq 8 ] || fail "not eight values: $(cat "$TORVANE_REGISTRY")"
echo "/c: the dialog on Wayland; Enter pressed OK and stored the eight values"

# A message box (the probe of dialog_message_box.test.sh); the compositor's
# close, as its close box, answers it.
install -m 755 "$TORVANE_BUILD_DIR/tests/unit/platform/gtk/message_box_probe" "$SESSION_DIR"
"${SESSION_USER[@]}" "$SESSION_DIR/message_box_probe" "No pixel format." "Torvane" \
  >"$TORVANE_OUT/saver.out" 2>"$TORVANE_OUT/saver.err" &
SAVER_PID=$!
wait_for_toplevel Torvane
wait_for_lit "$TORVANE_OUT/message-box.png" 0.02
expect_running
as_session_user swaymsg -q '[title="^Torvane$"] kill'
wait_for_end 5
expect_status 0
expect_quiet
echo "message box: shown on Wayland, its close answered it"

start_wayland_saver /p 1234
wait_for_end 2
expect_status 0
grep -q "no preview on Wayland" "$TORVANE_OUT/saver.err" || fail "/p: $(cat "$TORVANE_OUT/saver.err")"
echo "/p: refused with a message and status 0"

# No X server here: taking X11 shows as its message.
TORVANE_BACKEND=x11 start_wayland_saver /s
wait_for_end 2
expect_status 0
grep -q "cannot open display" "$TORVANE_OUT/saver.err" || fail "TORVANE_BACKEND=x11: $(cat "$TORVANE_OUT/saver.err")"
# As XScreenSaver's hacks do, its forms end with 1 when there is no display.
start_wayland_saver --root
wait_for_end 2
expect_status 1
grep -q "cannot open display" "$TORVANE_OUT/saver.err" || fail "--root: $(cat "$TORVANE_OUT/saver.err")"
echo "TORVANE_BACKEND=x11 and --root: X11"

WAYLAND_DISPLAY=wayland-9 start_wayland_saver /s
wait_for_end 2
expect_status 0
grep -qF 'cannot open display "wayland-9"' "$TORVANE_OUT/saver.err" || fail "no compositor: $(cat "$TORVANE_OUT/saver.err")"
echo "no compositor at WAYLAND_DISPLAY: a clear message and status 0"
