#!/usr/bin/env bash
# torvane.scr as a file: a 64-bit (or 32-bit) Windows GUI program that needs
# no MinGW DLL, whose resources FindResourceA finds under the names the saver
# asks for, with an application manifest that gives the project version, declares
# it DPI aware and asks for the version 6 common controls, and with the name
# the screen saver settings list and the version block Explorer shows.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wine_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/windows_file_lib.sh"
wine_begin

expect_gui_program "$TORVANE" "$PE_KIND"

helper="$TORVANE_BUILD_DIR/tests/e2e/wine_helpers/torvane_resources.exe"
status=0
"$WINE_RUN" "$helper" "$(windows_path "$TORVANE")" | tr -d '\r' >"$TORVANE_OUT/resources.txt" || status=$?
cat "$TORVANE_OUT/resources.txt"
[ "$status" -eq 0 ] || fail "resources missing or of the wrong size"

for declaration in '<dpiAware[^>]*>true/PM</dpiAware>' '<dpiAwareness[^>]*>PerMonitorV2' \
  'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
  "name=\"FenwrightProductions.Torvane\" version=\"$(version_quad)\""; do
  grep -q "$declaration" "$TORVANE_OUT/resources.txt" || fail "the manifest lacks $declaration"
done
echo "manifest: version $(version_quad), DPI aware (per monitor v2), common controls 6"

identity="$TORVANE_OUT/identity.txt"
"$WINE_RUN" "$TORVANE_BUILD_DIR/tests/e2e/wine_helpers/torvane_identity.exe" "$(windows_path "$TORVANE")" |
  tr -d '\r' >"$identity"
cat "$identity"
expect_identity "$identity"
