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

# windows_path PATH: PATH as a Windows program sees it.
windows_path() {
  echo "Z:${1//\//\\}"
}

# wine_begin [WxHxD]: strict mode and output folder, the prefix to ourselves,
# an Xvfb, and no stored settings.
wine_begin() {
  e2e_begin
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec {WINE_LOCK}>"$WINEPREFIX.e2e-lock"
  flock "$WINE_LOCK"
  # A Wine server left from an earlier program still serves the display it
  # started with; wait until it is gone so the next one uses our Xvfb.
  wineserver --wait 2>/dev/null || true
  start_xvfb "${1:-1280x720x24}"
  trap wine_end EXIT
  "$WINE_RUN" reg delete 'HKCU\Software\Fenwright Productions' /f >/dev/null 2>&1 || true
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
  for _ in $(seq 60); do
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
    "$WINE_RUN" reg "$@" 2>/dev/null && return 0
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
  if "$WINE_RUN" reg query "$SETTINGS_KEY" >/dev/null 2>&1; then
    fail "the settings key exists: $("$WINE_RUN" reg query "$SETTINGS_KEY" | tr -d '\r')"
  fi
}
