#!/usr/bin/env bash
# --help and -h alone print the usage and end with 0, opening nothing; with
# anything else on the line the saver's own scan reads it.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
e2e_begin
host_settings_in "$(mktemp -d)"

for switch in --help -h; do
  status=0
  env -u DISPLAY "$TORVANE" "$switch" >"$TORVANE_OUT/out" 2>"$TORVANE_OUT/err" || status=$?
  [ "$status" -eq 0 ] || fail "$switch ended with $status"
  [ ! -s "$TORVANE_OUT/err" ] || fail "$switch wrote to stderr: $(cat "$TORVANE_OUT/err")"
  for part in "Usage: torvane" "/s" "/p ID" "/c" "--root" "--window-id" "XSCREENSAVER_WINDOW" \
              "GL: torvane --root" "registry.reg"; do
    grep -qF -- "$part" "$TORVANE_OUT/out" || fail "$switch: the usage does not mention $part"
  done
done

# Not alone: "--help /a" is the password switch to the saver, which ends quietly.
status=0
env -u DISPLAY "$TORVANE" --help /a >"$TORVANE_OUT/out" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "--help /a ended with $status"
[ ! -s "$TORVANE_OUT/out" ] || fail "--help /a printed: $(cat "$TORVANE_OUT/out")"
echo "usage for --help and -h alone; other lines reach the saver"
