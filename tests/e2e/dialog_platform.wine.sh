#!/usr/bin/env bash
# The real Win32 dialog manager and common controls, over the templates of
# res/torvane.rc, meet the expectations the headless controls and the GTK
# dialogs are held to (tests/unit/platform/dialog_platform_test.cpp), under Wine on
# a display.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wine_lib.sh"
wine_begin 800x600x24
"$WINE_RUN" "$TORVANE_BUILD_DIR/tests/unit/platform/win32_dialog_platform_test.exe" \
  >"$TORVANE_OUT/out" 2>"$TORVANE_OUT/err" ||
  fail "Win32 dialogs: $(cat "$TORVANE_OUT/out" "$TORVANE_OUT/err")"
echo "Win32 dialogs: $(grep '^\[  PASSED' "$TORVANE_OUT/out")"
