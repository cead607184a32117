# Helpers for the Windows build's end-to-end scripts (*.wine.sh): torvane.scr
# under Wine on a private Xvfb. Source after lib.sh; brings host_lib.sh's
# window, exit-status and pixel helpers with it.
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"

WINE_RUN="$TORVANE_SOURCE_DIR/tests/e2e/wine-run"
SETTINGS_KEY='HKCU\Software\Fenwright Productions\Torvane Screensaver'

# The Wine scripts share one prefix (made once by wine-run; a new one takes a
# while) and take turns on it, since the settings key is the same for all.
export TORVANE_WINEPREFIX="${TORVANE_WINEPREFIX:-$TORVANE_BUILD_DIR/wineprefix}"
export WINEPREFIX="$TORVANE_WINEPREFIX" WINEDEBUG=-all

# The build under test: 64-bit (x86_64) or 32-bit (i686, under qemu-i386,
# where it draws a few frames a second and starts in seconds rather than at
# once). What Windows shows differently of a 32-bit program on 64-bit
# Windows: its kind of program file, its system folder, its registry view
# and its program files folder.
export TORVANE_WINE_ARCH="${TORVANE_WINE_ARCH:-x86_64}"
if [ "$TORVANE_WINE_ARCH" = i686 ]; then
  PE_KIND=PE32 SYSTEM_FOLDER=SysWOW64 REGISTRY_VIEW=/reg:32 PROGRAM_FILES="Program Files (x86)"
  E2E_PATIENCE=3
else
  PE_KIND=PE32+ SYSTEM_FOLDER=system32 REGISTRY_VIEW=/reg:64 PROGRAM_FILES="Program Files"
fi

# windows_path PATH: PATH as a Windows program sees it.
windows_path() {
  echo "Z:${1//\//\\}"
}

# wine_begin [WxHxD]: strict mode and output folder, the prefix to ourselves,
# an Xvfb, and no stored settings.
wine_begin() {
  e2e_begin
  wine_can_run
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec {WINE_LOCK}>"$WINEPREFIX.e2e-lock"
  flock "$WINE_LOCK"
  # A Wine server left from an earlier program still serves the display it
  # started with; wait until it is gone so the next one uses our Xvfb.
  wineserver --wait 2>/dev/null || true
  start_xvfb "${1:-1280x720x24}"
  trap wine_end EXIT
  wine_tool reg delete 'HKCU\Software\Fenwright Productions' /f >/dev/null 2>&1 || true
}

# wine_can_run: ends the script with 77, saying why, where wine-run cannot
# run the build's architecture here (the first run makes the prefix).
wine_can_run() {
  local status=0
  "$WINE_RUN" --version >/dev/null 2>"$TORVANE_OUT/wine-run.err" || status=$?
  [ "$status" -ne 77 ] || { cat "$TORVANE_OUT/wine-run.err" >&2; exit 77; }
  [ "$status" -eq 0 ] || fail "wine-run: $(cat "$TORVANE_OUT/wine-run.err")"
}

# wine_tool PROGRAM ARGS...: one of Wine's own tools (reg), always the
# 64-bit one: quicker than under emulation, and it sees what 32-bit
# programs store too (HKCU's software keys are shared; REGISTRY_VIEW picks
# the 32-bit view of HKLM's).
wine_tool() {
  TORVANE_WINE_ARCH=x86_64 "$WINE_RUN" "$@"
}

# wine_end: ends every Wine program this script left running, then Xvfb.
wine_end() {
  wineserver --kill 2>/dev/null || true
  wineserver --wait 2>/dev/null || true
  stop_xvfb
}

# start_wine_saver ARGS...: runs torvane.scr with ARGS in the background
# (output in $TORVANE_OUT/saver.{out,err}); sets SAVER_PID for host_lib.sh.
start_wine_saver() {
  "$WINE_RUN" "$TORVANE" "$@" >"$TORVANE_OUT/saver.out" 2>"$TORVANE_OUT/saver.err" &
  SAVER_PID=$!
}

# wait_for_drawing FILE MIN: screenshots into FILE until at least MIN of the
# screen is lit (fails after 30 s).
wait_for_drawing() {
  for _ in $(seq $((60 * E2E_PATIENCE))); do
    screenshot "$1"
    if awk "BEGIN { exit !($(lit_share "$1") >= $2) }"; then return 0; fi
    sleep 0.5
  done
  fail "$1: the screen stayed dark ($(lit_share "$1") lit)"
}

# wine_reg ARGS...: Wine's reg with ARGS, its output on stdout. Now and then
# a reg run right after another Wine program ends fails with no word; a
# failure is tried twice more before it counts.
wine_reg() {
  local try
  for try in 1 2 3; do
    wine_tool reg "$@" 2>/dev/null && return 0
    [ "$try" -eq 3 ] || sleep 0.5
  done
  return 1
}

# set_setting NAME VALUE: stores a REG_DWORD under the settings key.
set_setting() {
  wine_reg add "$SETTINGS_KEY" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null ||
    fail "could not store $1 = $2"
}

# value_of NAME: from the output of reg query on stdin, the value NAME as
# "TYPE DATA" (fails when missing).
value_of() {
  awk -v name="$1" '$1 == name { $1 = ""; sub(/^ +/, ""); print; found = 1 } END { exit !found }'
}

# registry_value KEY NAME: the value NAME under KEY as "TYPE DATA" (fails
# when missing).
registry_value() {
  wine_reg query "$1" /v "$2" | tr -d '\r' | value_of "$2" ||
    fail "no value $2 under $1"
}

# setting NAME: the stored value as "REG_DWORD 0x..." (fails when missing).
setting() {
  registry_value "$SETTINGS_KEY" "$1"
}

# expect_setting NAME VALUE: VALUE in hex, as reg prints it (0x3).
expect_setting() {
  local got
  got=$(setting "$1")
  [ "$got" = "REG_DWORD $2" ] || fail "$1 is \"$got\", expected REG_DWORD $2"
}

# expect_no_settings: the settings key does not exist.
expect_no_settings() {
  if wine_tool reg query "$SETTINGS_KEY" >/dev/null 2>&1; then
    fail "the settings key exists: $(wine_tool reg query "$SETTINGS_KEY" | tr -d '\r')"
  fi
}
