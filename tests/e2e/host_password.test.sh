#!/usr/bin/env bash
# /a ends at once with status 0: no window, no display, no settings file.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
e2e_begin
settings=$(mktemp -d)
host_settings_in "$settings"

# With a display that does not exist, any attempt to open it would say so.
status=0
DISPLAY=:77 "$TORVANE" /a >"$TORVANE_OUT/a.out" 2>"$TORVANE_OUT/a.err" || status=$?
[ "$status" -eq 0 ] || fail "/a ended with $status"
[ ! -s "$TORVANE_OUT/a.err" ] || fail "/a wrote: $(cat "$TORVANE_OUT/a.err")"

# And on a real display it leaves the screen as it was.
start_xvfb 320x240x24
before=$(xwininfo -root -children | grep -c '^ *0x' || true)
status=0
"$TORVANE" /A >"$TORVANE_OUT/a.out" 2>"$TORVANE_OUT/a.err" || status=$?
[ "$status" -eq 0 ] || fail "/A ended with $status"
after=$(xwininfo -root -children | grep -c '^ *0x' || true)
[ "$before" -eq "$after" ] || fail "windows before $before, after $after"
[ -z "$(find "$settings" -type f)" ] || fail "settings written: $(find "$settings" -type f)"
echo "password mode: ended at once, nothing created"
