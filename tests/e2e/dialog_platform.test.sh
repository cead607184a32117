#!/usr/bin/env bash
# The GTK dialog calls meet the expectations the headless controls are held
# to (tests/unit/platform/dialog_platform_test.cpp), on a real display.
source "$TORVANE_E2E_LIB"
e2e_begin
start_xvfb 800x600x24
"$TORVANE_BUILD_DIR/tests/unit/platform/gtk_dialog_platform_test" 2>"$TORVANE_OUT/err" ||
  fail "GTK dialogs: $(cat "$TORVANE_OUT/err")"
[ ! -s "$TORVANE_OUT/err" ] || fail "stderr: $(cat "$TORVANE_OUT/err")"
