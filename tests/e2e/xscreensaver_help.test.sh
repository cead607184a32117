#!/usr/bin/env bash
# --help, -help and -h print the usage and end with 0, opening nothing. A
# faulty line in XScreenSaver's forms (an unknown option, a value out of
# range, a switch among the options) names the fault, prints the usage and
# ends with 1: never the dialog, never full screen, no window at all.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
e2e_begin
host_settings_in "$(mktemp -d)"

for switch in --help -help -h; do
  status=0
  env -u DISPLAY "$TORVANE" "$switch" >"$TORVANE_OUT/out" 2>"$TORVANE_OUT/err" || status=$?
  [ "$status" -eq 0 ] || fail "$switch ended with $status"
  [ ! -s "$TORVANE_OUT/err" ] || fail "$switch wrote to stderr: $(cat "$TORVANE_OUT/err")"
  for part in "Usage: torvane" "/s" "/p ID" "/c" "-root" "-window-id" "XSCREENSAVER_WINDOW" \
              "GL: torvane --root" "registry.reg" "-delay N" "-fps" "-speed N" "-curve NAME" \
              "-[no-]env-lighting"; do
    grep -qF -- "$part" "$TORVANE_OUT/out" || fail "$switch: the usage does not mention $part"
  done
done
echo "usage for --help, -help and -h"

start_xvfb 640x480x24
faults=(
  "-speed 9000|-speed 9000: out of range, the rotation speed is 1 to 5000"
  "--segments=19|--segments 19: out of range, the curve resolution is 20 to 500"
  "-points x|-points x: not a whole number"
  "-bump-speed|-bump-speed needs a value"
  "-skin 5|-skin 5: out of range, the skin is 1 to 4"
  "-curve spiral|-curve spiral: the curve is original, sphere1 or sphere2"
  "-delay -1|-delay -1: out of range"
  "-wireframe|unknown option \"-wireframe\""
  "-fps /s|unknown option \"/s\""
  "--help /a|unknown option \"/a\""
  "-root -bumps=no|-bumps takes no value"
  "-window-id 0x|-window-id 0x: not a window id"
)
for fault in "${faults[@]}"; do
  line=${fault%%|*}
  message=${fault#*|}
  status=0
  # shellcheck disable=SC2086
  "$TORVANE" $line >"$TORVANE_OUT/out" 2>"$TORVANE_OUT/err" || status=$?
  [ "$status" -eq 1 ] || fail "$line ended with $status"
  grep -qF -- "torvane: $message" "$TORVANE_OUT/err" || fail "$line: no \"$message\": $(cat "$TORVANE_OUT/err")"
  grep -qF "Usage: torvane" "$TORVANE_OUT/err" || fail "$line: no usage on stderr"
  [ ! -s "$TORVANE_OUT/out" ] || fail "$line wrote to stdout: $(cat "$TORVANE_OUT/out")"
  windows=$(xwininfo -root -children | grep -c '^ *0x') || true
  [ "$windows" -eq 0 ] || fail "$line left a window: $(xwininfo -root -children)"
done
echo "${#faults[@]} faulty lines: named, status 1, no window"

status=0
"$TORVANE" -window-id 0x7fffff >"$TORVANE_OUT/out" 2>"$TORVANE_OUT/err" || status=$?
[ "$status" -eq 1 ] || fail "a window that does not exist: status $status"
grep -qF "torvane: there is no window 0x7fffff" "$TORVANE_OUT/err" || fail "no window: $(cat "$TORVANE_OUT/err")"
echo "a window that does not exist: said so, status 1"

status=0
env -u DISPLAY "$TORVANE" -root >"$TORVANE_OUT/out" 2>"$TORVANE_OUT/err" || status=$?
[ "$status" -eq 1 ] || fail "-root without a display ended with $status"
grep -q "cannot open display" "$TORVANE_OUT/err" || fail "-root without a display: $(cat "$TORVANE_OUT/err")"
echo "no display: said so, status 1"
