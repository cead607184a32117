#!/usr/bin/env bash
# cmake --install lays out the program, the XScreenSaver description, the
# desktop entry and its icon.
source "$TORVANE_E2E_LIB"
e2e_begin
prefix=$(mktemp -d)
cmake --install "$TORVANE_BUILD_DIR" --prefix "$prefix" >"$TORVANE_OUT/install.log"

[ -x "$prefix/bin/torvane" ] || fail "no bin/torvane"
"$prefix/bin/torvane" --help | grep -q "Usage: torvane" || fail "the installed program gives no usage"

xml="$prefix/share/xscreensaver/config/torvane.xml"
[ -f "$xml" ] || fail "no $xml"
grep -q '<screensaver name="torvane" _label="Torvane" gl="yes">' "$xml" || fail "xml: no screensaver element"
grep -q '<command arg="--root"/>' "$xml" || fail "xml: no --root command"
grep -q '<_description>' "$xml" || fail "xml: no description"
grep -q 'torvane /c' "$xml" || fail "xml: the description does not say how to change settings"

desktop="$prefix/share/applications/torvane.desktop"
[ -f "$desktop" ] || fail "no $desktop"
grep -qx 'Exec=torvane /c' "$desktop" || fail "desktop entry: not opening the settings"
grep -qx 'Icon=torvane' "$desktop" || fail "desktop entry: no icon"
grep -qx 'Type=Application' "$desktop" || fail "desktop entry: no type"

icon="$prefix/share/icons/hicolor/32x32/apps/torvane.png"
[ -f "$icon" ] || fail "no $icon"
[ "$(identify -format '%m %wx%h' "$icon")" = "PNG 32x32" ] || fail "icon: $(identify "$icon")"
cp "$icon" "$TORVANE_OUT/icon.png"

(cd "$prefix" && find . -type f | sort) >"$TORVANE_OUT/installed.txt"
echo "installed: $(tr '\n' ' ' <"$TORVANE_OUT/installed.txt")"
