# Checks of the Windows build as files, for both architectures, needing no
# Windows to run: program headers, the name and version block, the stripped
# install and the installer CPack makes. Source after lib.sh; works on
# $TORVANE_BUILD_DIR and writes into $TORVANE_OUT.

OBJDUMP=x86_64-w64-mingw32-objdump  # reads 32-bit programs as well

# expect_gui_program FILE MAGIC: FILE is a Windows GUI program of the PE
# kind MAGIC ("PE32" or "PE32+") that needs no MinGW DLL.
expect_gui_program() {
  local headers dlls dll
  headers="$TORVANE_OUT/$(basename "$1").headers.txt"
  "$OBJDUMP" -p "$1" >"$headers"
  grep "^Magic" "$headers" | grep -qF "($2)" || fail "$1: not a $2 program: $(grep ^Magic "$headers")"
  grep -q "^Subsystem.*Windows GUI" "$headers" || fail "$1: not a GUI program: $(grep ^Subsystem "$headers")"
  dlls=$(awk '/DLL Name:/ { print tolower($3) }' "$headers" | sort -u | tr '\n' ' ')
  for dll in $dlls; do
    case "$dll" in
      libstdc++*|libgcc*|libwinpthread*|*mingw*) fail "$1 needs the MinGW DLL $dll" ;;
    esac
  done
  echo "$(basename "$1"): $2 GUI program, imports $dlls"
}

# project_version: the version of the project the build was made from.
project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$TORVANE_BUILD_DIR/CMakeCache.txt"
}

# version_quad: the project version as Windows writes it, in four numbers.
version_quad() {
  project_version | awk -F. '{ printf "%d.%d.%d.%d", $1, $2, $3, $4 }'
}

# expect_identity FILE: FILE holds "key=value" lines of what Windows shows of
# the program: "string 1" (its name in the screen saver settings), the
# version block's strings and its "fixed" numbers.
expect_identity() {
  local version quad line
  version=$(project_version)
  quad=$(version_quad)
  for line in "string 1=Torvane" "CompanyName=Fenwright Productions" \
    "FileDescription=Torvane Screensaver" "ProductName=Torvane Screensaver" \
    "LegalCopyright=Copyright Fenwright Productions" \
    "OriginalFilename=torvane.scr" "FileVersion=$version" "ProductVersion=$version" \
    "fixed FileVersion=$quad" "fixed ProductVersion=$quad"; do
    grep -qxF "$line" "$1" || fail "$1 lacks \"$line\""
  done
  echo "name Torvane, version block: Fenwright Productions (and its copyright), Torvane Screensaver $version ($quad)"
}

# install_stripped: `cmake --install` into $TORVANE_OUT/dist; the installed
# program must be the build's without its debug sections. Sets STRIPPED.
install_stripped() {
  rm -rf "$TORVANE_OUT/dist"
  cmake --install "$TORVANE_BUILD_DIR" --prefix "$TORVANE_OUT/dist" >"$TORVANE_OUT/install.log"
  STRIPPED="$TORVANE_OUT/dist/torvane.scr"
  [ -f "$STRIPPED" ] || fail "cmake --install left no torvane.scr"
  "$OBJDUMP" -h "$TORVANE_BUILD_DIR/src/torvane.scr" | grep -q '\.debug_' ||
    fail "the build's program has no debug sections, so stripping cannot be seen"
  if "$OBJDUMP" -h "$STRIPPED" | grep -q '\.debug_'; then
    fail "the installed program keeps its debug sections"
  fi
  echo "cmake --install: torvane.scr stripped, $(stat -c %s "$STRIPPED") bytes" \
    "(the build's: $(stat -c %s "$TORVANE_BUILD_DIR/src/torvane.scr"))"
}

# make_installer MAGIC: the NSIS installer from CPack, into
# $TORVANE_OUT/package, a GUI program of the PE kind MAGIC. Sets INSTALLER.
make_installer() {
  rm -rf "$TORVANE_OUT/package"
  cpack -G NSIS --config "$TORVANE_BUILD_DIR/CPackConfig.cmake" -B "$TORVANE_OUT/package" \
    >"$TORVANE_OUT/cpack.log" || fail "cpack failed: $(cat "$TORVANE_OUT/cpack.log")"
  INSTALLER=$(ls "$TORVANE_OUT"/package/torvane-*.exe)
  expect_gui_program "$INSTALLER" "$1"
}
