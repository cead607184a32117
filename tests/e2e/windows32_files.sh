#!/usr/bin/env bash
# The 32-bit Windows build, checked as files, where the machine refuses the
# emulation that runs it (scripts/setup-w32; scripts/test runs this then):
# torvane.scr is a 32-bit GUI program that needs no MinGW DLL and carries its
# resources, its name and its version block (read back with windres);
# `cmake --install` strips it; the installer is a 32-bit program holding that
# stripped saver and an uninstaller (listed and unpacked with 7z).
#
#   tests/e2e/windows32_files.sh [build folder, default build/mingw32]
set -euo pipefail
export TORVANE_SOURCE_DIR
TORVANE_SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd)
export TORVANE_BUILD_DIR
TORVANE_BUILD_DIR=$(cd "${1:-$TORVANE_SOURCE_DIR/build/mingw32}" && pwd)
export TORVANE="$TORVANE_BUILD_DIR/src/torvane.scr" TORVANE_OUT="$TORVANE_BUILD_DIR/e2e/files"
source "$TORVANE_SOURCE_DIR/tests/e2e/lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/windows_file_lib.sh"
e2e_begin

expect_gui_program "$TORVANE" "PE32"

# The resources as a resource script: one statement per resource.
script="$TORVANE_OUT/resources.rc"
i686-w64-mingw32-windres -i "$TORVANE" -o "$script"
for statement in '"SKIN1" RCDATA' '"SKIN2" RCDATA' '"SKIN3" RCDATA' '"SKIN4" RCDATA' \
  '"REFMAP2" RCDATA' '"CONFIGDLG" DIALOGEX .*' '"ABOUTDLG" DIALOGEX .*' \
  '1 14 /\* RT_GROUP_ICON \*/' '1 24 /\* RT_MANIFEST \*/' 'STRINGTABLE' '1 VERSIONINFO'; do
  grep -qx "$statement" "$script" || fail "the program lacks the resource $statement"
done
echo "resources: the images, both dialogs, icon, manifest, string table and version block"

# The name and the version block as "key=value" lines, as Windows shows them.
identity="$TORVANE_OUT/identity.txt"
awk '
  /^STRINGTABLE$/ { strings = 1 }
  strings && /^END$/ { strings = 0 }
  strings && match($0, /^ *[0-9]+, "/) { id = $1; sub(/,$/, "", id); text = $0
    sub(/^ *[0-9]+, "/, "", text); sub(/"$/, "", text); print "string " id "=" text }
  /^ *VALUE "[A-Za-z]+", "/ { split($0, part, "\""); print part[2] "=" part[4] }
  /^ *(FILE|PRODUCT)VERSION / { key = ($1 == "FILEVERSION") ? "FileVersion" : "ProductVersion"
    $1 = ""; gsub(/[ ,]+/, "."); sub(/^\./, ""); print "fixed " key "=" $0 }
' "$script" >"$identity"
cat "$identity"
expect_identity "$identity"

install_stripped
make_installer "PE32"
7z l "$INSTALLER" >"$TORVANE_OUT/installer-list.txt"
grep -q '/torvane\.scr$' "$TORVANE_OUT/installer-list.txt" || fail "the installer holds no torvane.scr"
grep -q ' Uninstall\.exe$' "$TORVANE_OUT/installer-list.txt" || fail "the installer writes no uninstaller"
rm -rf "$TORVANE_OUT/unpacked"
7z e -o"$TORVANE_OUT/unpacked" "$INSTALLER" '*/torvane.scr' >/dev/null
cmp -s "$STRIPPED" "$TORVANE_OUT/unpacked/torvane.scr" || fail "the installer's torvane.scr is not the stripped one"
echo "installer: $(basename "$INSTALLER"), holds the stripped torvane.scr and an uninstaller"
