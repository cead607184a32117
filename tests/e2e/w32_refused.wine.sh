#!/usr/bin/env bash
# A machine that refuses the 32-bit emulation: scripts/setup-w32 says why
# and ends with 77, and wine-run, asked for a 32-bit program, repeats the
# reason and ends with 77, so that ctest counts the 32-bit tests as skipped,
# never as passed. Refusals simulated here, touching nothing of the machine's
# own set-up: a binfmt_misc folder that is not one (for root), or a user who
# is not root; and a set-up that is ready but whose qemu-i386 entry is gone.
source "$TORVANE_E2E_LIB"
e2e_begin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/not-binfmt"
export TORVANE_W32_HOME="$work/home" TORVANE_W32_BINFMT="$work/not-binfmt"

status=0
"$TORVANE_SOURCE_DIR/scripts/setup-w32" >"$TORVANE_OUT/setup.out" 2>"$TORVANE_OUT/setup.err" || status=$?
cat "$TORVANE_OUT/setup.err"
[ "$status" -eq 77 ] || fail "setup-w32 ended with $status on a refusing machine, expected 77"
if [ "$(id -u)" -eq 0 ]; then
  reason="no binfmt_misc at $work/not-binfmt"
else
  reason="not root"
fi
grep -qF "the 32-bit Windows tests will be skipped: $reason" "$TORVANE_OUT/setup.err" ||
  fail "setup-w32 does not say \"$reason\""
[ ! -e "$work/home/ready" ] || fail "setup-w32 left the emulation marked ready"

# expect_skip WHY: wine-run, asked for a 32-bit program, ends with 77 and says WHY.
expect_skip() {
  local status=0
  TORVANE_WINE_ARCH=i686 TORVANE_WINEPREFIX="$work/prefix" \
    "$TORVANE_SOURCE_DIR/tests/e2e/wine-run" cmd /c exit 0 2>"$TORVANE_OUT/wine-run.err" || status=$?
  cat "$TORVANE_OUT/wine-run.err"
  [ "$status" -eq 77 ] || fail "wine-run ended with $status, expected 77 (skipped)"
  grep -qF "skipped, no 32-bit Windows programs here: $1" "$TORVANE_OUT/wine-run.err" ||
    fail "wine-run does not say \"$1\""
  [ ! -e "$work/prefix" ] || fail "wine-run made a prefix it cannot use"
}

expect_skip "$reason"
# Set up once, but qemu-i386 is no longer registered (after a restart, say).
touch "$work/home/ready"
expect_skip "qemu-i386 is not enabled in $work/not-binfmt"
# Never set up.
rm -rf "${work:?}/home"
expect_skip "the emulation is not set up in $work/home"
echo "refusals: skipped with the reason each time"
