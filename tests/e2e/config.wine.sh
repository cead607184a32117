#!/usr/bin/env bash
# torvane.scr under Wine: "/c" shows the configuration dialog over the stored
# settings; OK stores all eight REG_DWORD values ("flags" equal to
# "user_options", the double-buffer bit set and the axes bit dropped, the
# polygon size held to its slider's range); Cancel (Escape) stores nothing;
# "About..." opens the About box. A key the user may only read is shown, and
# OK then says in a box over the dialog that the settings were not saved,
# naming the key and Windows' reason, and ends with status 0, the key as it
# was.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wine_lib.sh"
wine_begin

# open_dialog SHOT: starts "/c", waits for the dialog and saves it as SHOT.
open_dialog() {
  start_wine_saver /c
  CONFIG_WIN=$(wait_for_window "Configure...")
  sleep 1
  screenshot "$1" "$CONFIG_WIN"
  expect_running
}

# press KEY: sends KEY to the dialog, which then ends the program.
press() {
  xdotool windowfocus --sync "$CONFIG_WIN"
  xdotool key "$1"
  wait_for_end 10
  expect_status 0
}

# Cancel with nothing stored: still nothing stored. The defaults' dialog is
# the one shown in the README. On the way, "About..." (two tabs from OK)
# opens the About box and its "Sure" button closes it again.
open_dialog "$TORVANE_OUT/dialog.png"
xdotool windowfocus --sync "$CONFIG_WIN"
xdotool key Tab Tab space
ABOUT_WIN=$(wait_for_window "About Torvane Screensaver...")
sleep 0.5
screenshot "$TORVANE_OUT/about.png" "$ABOUT_WIN"
xdotool windowfocus --sync "$ABOUT_WIN"
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "^About Torvane" >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name "^About Torvane" >/dev/null 2>&1 && fail "Sure left the About box open"
expect_running
echo "About: opened from the dialog, closed by Sure"
press Escape
expect_no_settings
echo "Cancel: status 0, nothing stored"

# OK over stored settings: what the dialog showed is what gets stored.
set_setting animation_speed 250
set_setting curve_segments 300
set_setting shape_points 60
set_setting skin_id 3
set_setting func_id 2
set_setting bump_speed 120
set_setting user_options 0x27
open_dialog "$TORVANE_OUT/dialog-stored.png"
press Return
expect_setting animation_speed 0xfa
expect_setting curve_segments 0x12c
expect_setting shape_points 0x32
expect_setting skin_id 0x3
expect_setting func_id 0x2
expect_setting bump_speed 0x78
expect_setting user_options 0x7
expect_setting flags 0x7
values=$(wine_reg query "$SETTINGS_KEY" | tr -d '\r' | grep -c REG_DWORD)
[ "$values" -eq 8 ] || fail "$values REG_DWORD values stored, expected 8"
echo "OK: the eight values stored, flags = user_options = 0x7"

# Cancel over stored settings leaves them as they are.
set_setting skin_id 4
open_dialog "$TORVANE_OUT/dialog-cancel.png"
press Escape
expect_setting skin_id 0x4
expect_setting shape_points 0x32
echo "Cancel: the stored settings are untouched"

# A key the user may only read, holding one value.
key_access="$TORVANE_BUILD_DIR/tests/e2e/wine_helpers/torvane_key_access.exe"
wine_reg delete "$SETTINGS_KEY" /f >/dev/null || fail "could not empty the settings key"
set_setting skin_id 2
"$WINE_RUN" "$key_access" read || fail "could not make the settings key read-only"
open_dialog "$TORVANE_OUT/dialog-read-only.png"
xdotool windowfocus --sync "$CONFIG_WIN"
xdotool key Return
box=$(wait_for_window "Torvane Screensaver")
sleep 1
screenshot "$TORVANE_OUT/not-saved.png" "$box"
expect_lit "$TORVANE_OUT/not-saved.png" 0.5
expect_running
xdotool windowfocus --sync "$box"
xdotool key Return
wait_for_end 10
expect_status 0
"$WINE_RUN" "$key_access" full || fail "could not make the settings key writable again"
expect_setting skin_id 0x2
values=$(wine_reg query "$SETTINGS_KEY" | tr -d '\r' | grep -c REG_DWORD)
[ "$values" -eq 1 ] || fail "$values values stored in the read-only key, expected the one there was"
echo "read-only key: shown, OK told in a box that nothing was saved, status 0, the key unchanged"
