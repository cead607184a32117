#!/usr/bin/env bash
# "/c" and an empty command line open the configuration dialog, laid out as
# its template; Escape and the close box end it with status 0, saving nothing.
# Without a display "/c" says so on stderr and ends with status 0.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/dialog_lib.sh"
e2e_begin
host_settings_in "$(mktemp -d)"

status=0
env -u DISPLAY "$TORVANE" /c >"$TORVANE_OUT/saver.out" 2>"$TORVANE_OUT/saver.err" || status=$?
[ "$status" -eq 0 ] || fail "/c without a display ended with $status"
[ "$(cat "$TORVANE_OUT/saver.err")" = "torvane: cannot open display: DISPLAY is not set" ] ||
  fail "/c without a display: $(cat "$TORVANE_OUT/saver.err")"
[ ! -e "$TORVANE_REGISTRY" ] || fail "/c without a display wrote settings"
echo "/c without a display: said so, status 0"

start_xvfb 800x600x24

start_dialog /c
dialog_shot "$CONFIG_WIN" "$TORVANE_OUT/config-c.png"
# Its defaults: the picture of a dialog showing them, in proportion 272 x 243.
eval "$(xdotool getwindowgeometry --shell "$CONFIG_WIN")"
awk "BEGIN { r = ($WIDTH - 10) / ($HEIGHT - 32); exit !(r > 1.0 && r < 1.5) }" ||
  fail "dialog is ${WIDTH}x${HEIGHT}"
xdotool key Escape
wait_for_end 5
expect_status 0
expect_quiet
[ ! -e "$TORVANE_REGISTRY" ] || fail "Escape wrote settings"
echo "/c: dialog shown, Escape ends it with 0"

start_dialog
dialog_shot "$CONFIG_WIN" "$TORVANE_OUT/config-none.png"
click_close_box "$CONFIG_WIN"
wait_for_end 5
expect_status 0
expect_quiet
[ ! -e "$TORVANE_REGISTRY" ] || fail "the close box wrote settings"
echo "no switch: dialog shown, the close box ends it with 0"

# Both ways show the same dialog.
[ "$(compare -metric AE "$TORVANE_OUT/config-c.png" "$TORVANE_OUT/config-none.png" null: 2>&1)" = 0 ] ||
  fail "/c and no switch show different dialogs"
