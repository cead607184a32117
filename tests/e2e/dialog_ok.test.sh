#!/usr/bin/env bash
# OK writes all eight values from the controls and ends with status 0;
# Cancel writes nothing, neither a new file nor a change to an old one. OK
# has the focus, so Enter is OK and Tab then Enter is Cancel. A radio button
# clears the others of its group.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/dialog_lib.sh"
host_begin 800x600x24

start_dialog /c
slide_to_start $REVOLUTION_SLIDER
click_config $SMOOTH_BUMPS_BOX
dialog_shot "$CONFIG_WIN" "$TORVANE_OUT/changed.png"
click_config $OK_BUTTON
wait_for_end 5
expect_status 0
expect_quiet
expect_stored animation_speed 100
expect_stored flags 0x13
expect_stored curve_segments 170
expect_stored shape_points 4
expect_stored skin_id 1
expect_stored func_id 1
expect_stored bump_speed 60
expect_stored user_options 0x13
[ "$(grep -c '=dword:' "$TORVANE_REGISTRY")" -eq 8 ] || fail "not eight values: $(cat "$TORVANE_REGISTRY")"
echo "OK: slider and check box saved with the other six values"

# The next dialog shows what was saved; Cancel after changes keeps the file.
cp "$TORVANE_REGISTRY" "$TORVANE_OUT/saved.reg"
start_dialog
click_config $SMOOTH_BUMPS_BOX
click_config $SPHERE_2_BUTTON
slide_to_start $ROTATION_SLIDER
click_config $CANCEL_BUTTON
wait_for_end 5
expect_status 0
expect_quiet
cmp "$TORVANE_REGISTRY" "$TORVANE_OUT/saved.reg" || fail "Cancel changed the settings file"
echo "Cancel: the settings file is unchanged"

rm "$TORVANE_REGISTRY"
start_dialog /c
click_config $SPHERE_2_BUTTON
click_config $CANCEL_BUTTON
wait_for_end 5
expect_status 0
[ ! -e "$TORVANE_REGISTRY" ] || fail "Cancel wrote a settings file"
echo "Cancel: no settings file written"

start_dialog /c
xdotool key Tab Return
wait_for_end 5
expect_status 0
[ ! -e "$TORVANE_REGISTRY" ] || fail "Tab and Enter (Cancel) wrote a settings file"
echo "keys: Tab and Enter press Cancel"

start_dialog /c
xdotool key Return
wait_for_end 5
expect_status 0
expect_quiet
expect_stored user_options 3
expect_stored shape_points 10
echo "keys: Enter presses OK, which saves the defaults"

# OK takes the last checked button of a group, so a button left checked by
# mistake would win over the one clicked after it.
start_dialog /c
click_config $SPHERE_2_BUTTON
click_config $ORIGINAL_BUTTON
click_config $SKIN_4_BUTTON
click_config $SKIN_2_BUTTON
dialog_shot "$CONFIG_WIN" "$TORVANE_OUT/radio.png"
click_config $OK_BUTTON
wait_for_end 5
expect_status 0
expect_stored func_id 1
expect_stored skin_id 2
echo "radio buttons: a click clears the rest of the group"

# A stored skin the dialog has no button for: every skin button is clear, and
# OK keeps the number.
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Fenwright Productions\\Torvane Screensaver]\r\n"skin_id"=dword:00000007\r\n\r\n' >"$TORVANE_REGISTRY"
start_dialog /c
dialog_shot "$CONFIG_WIN" "$TORVANE_OUT/no-skin.png"
click_config $OK_BUTTON
wait_for_end 5
expect_status 0
expect_stored skin_id 7
echo "unknown skin: no button checked, kept by OK"
