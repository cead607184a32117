#!/usr/bin/env bash
# When the X server goes away the saver ends with status 0, no core dump.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
e2e_begin
host_settings_in "$(mktemp -d)"

for line in "/s" "--root"; do
  start_xvfb 640x480x24
  cd "$TORVANE_OUT"
  start_saver $line
  sleep 2
  expect_running
  stop_xvfb
  wait_for_end 5
  expect_status 0
  [ -z "$(find "$TORVANE_OUT" -name 'core*')" ] || fail "a core file was left"
  echo "$line: the server's end ended the saver with 0"
done
