#!/usr/bin/env bash
# Without an X display the saver, its preview and its dialog say so and end
# with status 0.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
e2e_begin
host_settings_in "$(mktemp -d)"

for line in "/s" "/p 4242" "/c"; do
  status=0
  env -u DISPLAY "$TORVANE" $line >"$TORVANE_OUT/out" 2>"$TORVANE_OUT/err" || status=$?
  [ "$status" -eq 0 ] || fail "$line without a display ended with $status"
  grep -q "cannot open display" "$TORVANE_OUT/err" || fail "$line: no message, got: $(cat "$TORVANE_OUT/err")"
done
echo "no display: a clear message and status 0"
