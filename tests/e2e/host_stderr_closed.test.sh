#!/usr/bin/env bash
# A standard error whose reader went (a closed pipe) does not kill the
# program: what it writes there is lost, and it ends with status 0.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/host_lib.sh"
e2e_begin
host_settings_in "$(mktemp -d)"

# with_closed_stderr COMMAND...: runs COMMAND with stderr on a pipe whose
# reading end is closed before it starts.
with_closed_stderr() {
  perl -e 'pipe(my $r, my $w) or die; close $r; open(STDERR, ">&", $w) or die; exec @ARGV' "$@"
}

for line in "/s" "/p 4242"; do
  status=0
  env -u DISPLAY "$TORVANE" $line >/dev/null 2>"$TORVANE_OUT/err" || status=$?
  grep -q . "$TORVANE_OUT/err" || fail "$line without a display wrote nothing to stderr to lose"
  status=0
  with_closed_stderr env -u DISPLAY "$TORVANE" $line >/dev/null || status=$?
  [ "$status" -eq 0 ] || fail "$line, stderr closed: status $status"
  echo "$line without a display, stderr closed: status 0"
done
