#!/usr/bin/env bash
# cmake --install lays out the program, its link among XScreenSaver's hacks,
# the XScreenSaver description, the desktop entry, MATE's screensaver entry,
# its icons, the manual page and the package's documents.
source "$TORVANE_E2E_LIB"
e2e_begin
prefix=$(mktemp -d)
cmake --install "$TORVANE_BUILD_DIR" --prefix "$prefix" >"$TORVANE_OUT/install.log"

[ -x "$prefix/bin/torvane" ] || fail "no bin/torvane"
[ -x "$prefix/libexec/torvane/torvane" ] || fail "no libexec/torvane/torvane, which bin/torvane runs"
"$prefix/bin/torvane" --help | grep -q "Usage: torvane" || fail "the installed program gives no usage"
hack="$prefix/libexec/xscreensaver/torvane"
[ "$(readlink "$hack")" = ../../bin/torvane ] || fail "libexec/xscreensaver/torvane: $(ls -l "$hack")"
"$hack" --help | grep -q "Usage: torvane" || fail "the hack's link does not run the program"

xml="$prefix/share/xscreensaver/config/torvane.xml"
[ -f "$xml" ] || fail "no $xml"
xmllint --noout "$xml" || fail "xml: not well formed"
grep -q '<screensaver name="torvane" _label="Torvane" gl="yes">' "$xml" || fail "xml: no screensaver element"
grep -q '<command arg="--root"/>' "$xml" || fail "xml: no --root command"
grep -q '<_description>' "$xml" || fail "xml: no description"
# Every control's option is one the program takes, a slider's at both ends:
# without a display it then says so, where a refused option is named.
accepts() {
  env -u DISPLAY "$prefix/bin/torvane" --root "$@" >/dev/null 2>"$TORVANE_OUT/accepts.err" || true
  grep -q "cannot open display" "$TORVANE_OUT/accepts.err" ||
    fail "the XML's \"$*\" is refused: $(cat "$TORVANE_OUT/accepts.err")"
}
# The settings' sliders end where the dialog's do: one past either end is refused.
refuses() {
  if env -u DISPLAY "$prefix/bin/torvane" --root "$@" >/dev/null 2>"$TORVANE_OUT/refuses.err"; then
    fail "the XML's \"$*\" is taken"
  fi
  grep -q -- "$1" "$TORVANE_OUT/refuses.err" || fail "\"$*\": $(cat "$TORVANE_OUT/refuses.err")"
}
sliders=0
while read -r option low high; do
  accepts "$option" "$low"
  accepts "$option" "$high"
  if [ "$option" != "--delay" ]; then
    refuses "$option" $((low - 1))
    refuses "$option" $((high + 1))
  fi
  sliders=$((sliders + 1))
done < <(tr '\n' ' ' <"$xml" | grep -oE '<number [^>]*>' |
         sed -E 's/.*arg="([^ ]+) %".*low="([0-9]+)".*high="([0-9]+)".*/\1 \2 \3/')
[ "$sliders" -eq 5 ] || fail "xml: $sliders sliders, expected 5"
while IFS= read -r option; do
  # shellcheck disable=SC2086
  accepts $option
done < <(grep -oE 'arg-(set|unset)="[^"]*"' "$xml" | sed -E 's/^[^"]*"//; s/"$//')
for label in "Frame rate" "Rotation speed" "Bump speed" "Curve resolution" "Revolution resolution" \
             "Show frame rate" "Skin 4" "Sphere 2 curve" "Bilinear filtering" "Animated bumps" \
             "Smooth bumps" "Move texture with bumps" "Environmental lighting" "Multitexture"; do
  grep -q "_label=\"$label" "$xml" || fail "xml: no control \"$label\""
done
# Every menu offers torvane's own settings first, and that choice passes nothing.
menus=$(grep -c '<select ' "$xml")
stored=$(tr '\n' ' ' <"$xml" | grep -oE '<select [^>]*> *<option [^>]*>' |
         grep -cE '_label="[A-Z][a-z ]* as in Torvane Settings"/>')
[ "$menus" -eq 8 ] && [ "$stored" -eq "$menus" ] ||
  fail "xml: $stored of $menus menus start with their own \"as in Torvane Settings\""

desktop="$prefix/share/applications/torvane.desktop"
[ -f "$desktop" ] || fail "no $desktop"
grep -qx 'Exec=torvane /c' "$desktop" || fail "desktop entry: not opening the settings"
grep -qx 'Icon=torvane' "$desktop" || fail "desktop entry: no icon"
grep -qx 'Type=Application' "$desktop" || fail "desktop entry: no type"

# mate-screensaver lists the files of applications/screensavers/.
screensaver="$prefix/share/applications/screensavers/torvane.desktop"
[ -f "$screensaver" ] || fail "no $screensaver"
desktop-file-validate "$screensaver" | grep -v 'does not contain a registered main category' &&
  fail "MATE's entry: $(desktop-file-validate "$screensaver")"
grep -qx 'Exec=torvane --root' "$screensaver" || fail "MATE's entry: not running the hack"
grep -qx 'Categories=Screensaver;' "$screensaver" || fail "MATE's entry: not a screensaver"

for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/torvane.png"
  [ -f "$icon" ] || fail "no $icon"
  [ "$(identify -format '%m %wx%h %A' "$icon")" = "PNG ${size}x${size} True" ] ||
    fail "icon: $(identify -verbose "$icon" | head -5)"
done
cp "$prefix/share/icons/hicolor/256x256/apps/torvane.png" "$TORVANE_OUT/icon.png"
# The ring of the icon's design is opaque, its hole and corners transparent.
convert "$TORVANE_OUT/icon.png" -alpha extract -format '%[fx:p{128,128}] %[fx:p{2,2}] %[fx:p{40,128}]' info: \
  >"$TORVANE_OUT/icon_alpha.txt"
[ "$(cat "$TORVANE_OUT/icon_alpha.txt")" = "0 0 1" ] || fail "icon alpha: $(cat "$TORVANE_OUT/icon_alpha.txt")"

man="$prefix/share/man/man6/torvane.6.gz"
[ -f "$man" ] || fail "no $man"
MANWIDTH=80 man -l "$man" 2>"$TORVANE_OUT/man.err" | grep -q -- "-bump-speed n" || fail "the manual page lacks the options"
[ ! -s "$TORVANE_OUT/man.err" ] || fail "man: $(cat "$TORVANE_OUT/man.err")"
for doc in copyright changelog.gz; do
  [ -f "$prefix/share/doc/torvane/$doc" ] || fail "no share/doc/torvane/$doc"
done

(cd "$prefix" && find . \( -type f -o -type l \) | sort) >"$TORVANE_OUT/installed.txt"
echo "installed: $(tr '\n' ' ' <"$TORVANE_OUT/installed.txt")"
