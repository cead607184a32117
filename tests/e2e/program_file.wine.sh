#!/usr/bin/env bash
# torvane.scr as a file: a 64-bit Windows GUI program that needs no MinGW
# DLL, whose resources FindResourceA finds under the names the saver asks
# for, with an application manifest that declares it DPI aware and asks for
# the version 6 common controls.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wine_lib.sh"
wine_begin

headers="$TORVANE_OUT/headers.txt"
x86_64-w64-mingw32-objdump -p "$TORVANE" >"$headers"
grep -q "^Magic.*PE32+" "$headers" || fail "not a PE32+ program: $(grep ^Magic "$headers")"
grep -q "^Subsystem.*Windows GUI" "$headers" || fail "not a GUI program: $(grep ^Subsystem "$headers")"
dlls=$(awk '/DLL Name:/ { print tolower($3) }' "$headers" | sort -u | tr '\n' ' ')
echo "imports: $dlls"
for dll in $dlls; do
  case "$dll" in
    libstdc++*|libgcc*|libwinpthread*|*mingw*) fail "needs the MinGW DLL $dll" ;;
  esac
done

helper="$TORVANE_BUILD_DIR/tests/e2e/wine_helpers/torvane_resources.exe"
status=0
"$WINE_RUN" "$helper" "Z:${TORVANE//\//\\}" | tr -d '\r' >"$TORVANE_OUT/resources.txt" || status=$?
cat "$TORVANE_OUT/resources.txt"
[ "$status" -eq 0 ] || fail "resources missing or of the wrong size"

for declaration in '<dpiAware[^>]*>true/PM</dpiAware>' '<dpiAwareness[^>]*>PerMonitorV2' \
  'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; do
  grep -q "$declaration" "$TORVANE_OUT/resources.txt" || fail "the manifest lacks $declaration"
done
echo "manifest: DPI aware (per monitor v2), common controls 6"
