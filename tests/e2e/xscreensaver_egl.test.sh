#!/usr/bin/env bash
# GL through EGL on X11, as XScreenSaver 6's own hacks draw: on an X server
# without GLX, --root draws the tube (left in $TORVANE_OUT/no-glx.png). When
# GL cannot start (no EGL driver at all), a hack says so in one line on
# stderr and ends with status 1, where the saver's own /s shows its error
# box, waits for OK and then runs on blank until input, as on Windows.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
e2e_begin
start_xvfb 640x480x24 -extension GLX
host_settings_in "$(mktemp -d)"
extensions=$(xdpyinfo -queryExtensions)
grep -q GLX <<<"$extensions" && fail "the server has GLX"

start_saver --root
wait_for_lit "$TORVANE_OUT/no-glx.png" 0.10
expect_running
kill -TERM "$SAVER_PID"
wait_for_end 2
expect_ended_by TERM
[ ! -s "$TORVANE_OUT/saver.err" ] || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
echo "no GLX: --root drew the tube through EGL"

# GLVND's EGL with no vendor library to load: no GL at all.
export __EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent/egl_vendor.json
start_saver --root
wait_for_end 10
expect_status 1
[ "$(wc -l <"$TORVANE_OUT/saver.err")" -eq 1 ] || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
grep -qxF "torvane: no OpenGL on display \"$DISPLAY\": ChoosePixelFormat() failed:  Cannot find format specified." \
  "$TORVANE_OUT/saver.err" || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
[ "$(xwininfo -root -children | grep -c '^ *0x')" -eq 0 ] || fail "a window is left: $(xwininfo -root -children)"
echo "no GL: --root said so in one line and ended with 1"

start_saver /s
box=$(wait_for_window Error)
screenshot "$TORVANE_OUT/error-box.png" "$box"
expect_running
xdotool key --window "$box" Return
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Error$' >/dev/null 2>&1 || break; sleep 0.1; done
expect_running
xdotool key a
wait_for_end 5
expect_status 0
[ ! -s "$TORVANE_OUT/saver.err" ] || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
echo "no GL: /s showed its error box, ran on after OK and ended on a key with 0"
