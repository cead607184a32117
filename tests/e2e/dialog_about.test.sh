#!/usr/bin/env bash
# "About..." opens the About box over the dialog; Escape and its close box
# leave it open, "Sure" closes it, and the configuration dialog is still
# there and still works.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/dialog_lib.sh"
host_begin 800x600x24

ABOUT="About Torvane Screensaver..."
start_dialog /c
click_config $ABOUT_BUTTON
ABOUT_WIN=$(wait_for_window "$ABOUT")
sleep 0.5
dialog_shot "$ABOUT_WIN" "$TORVANE_OUT/about.png"
screenshot "$TORVANE_OUT/about-over-config.png"

xdotool key Escape
sleep 0.5
expect_window_open "$ABOUT"
click_close_box "$ABOUT_WIN"
sleep 0.5
expect_window_open "$ABOUT"
expect_running
echo "About: Escape and the close box leave it open"

click_about $SURE_BUTTON
sleep 0.5
expect_window_gone "$ABOUT"
expect_window_open "Configure..."
expect_running
echo "About: Sure closes it, the dialog is still open"

xdotool key Escape
wait_for_end 5
expect_status 0
expect_quiet
[ ! -e "$TORVANE_REGISTRY" ] || fail "the About box wrote settings"
echo "dialog: Escape ends it after the About box"
