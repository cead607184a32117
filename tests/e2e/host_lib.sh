# Helpers for the saver host's end-to-end scripts; source after lib.sh.

# host_begin WxHxD: e2e_begin, then a private Xvfb of that screen and a
# settings file of the test's own.
host_begin() {
  e2e_begin
  start_xvfb "$1"
  host_settings_in "$(mktemp -d)"
}

# host_settings_in DIR: keeps the saver's settings file inside DIR.
host_settings_in() {
  export TORVANE_REGISTRY="$1/registry.reg"
  export XDG_CONFIG_HOME="$1/config"
}

# The time limits below are for a program that runs natively; a script for
# an emulated one sets E2E_PATIENCE to the factor they stretch by.
E2E_PATIENCE=${E2E_PATIENCE:-1}

# wait_for_window NAME: the id of the first visible window named NAME, once
# it is there (fails after 20 s).
wait_for_window() {
  local id
  for _ in $(seq $((200 * E2E_PATIENCE))); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  fail "no window named $1 appeared"
}

# copy_program DIR: copies the program into DIR as it is laid out, its
# launcher in bin/ and the program proper in libexec/torvane/, for a user
# who may not read the build folder; prints the launcher's path there.
copy_program() {
  install -D -m 755 "$TORVANE" "$1/bin/torvane"
  install -D -m 755 "$(dirname "$TORVANE")/../libexec/torvane/torvane" "$1/libexec/torvane/torvane"
  echo "$1/bin/torvane"
}

# start_saver ARGS...: runs the saver in the background with its output in
# $TORVANE_OUT/saver.{out,err}; sets SAVER_PID.
start_saver() {
  "$TORVANE" "$@" >"$TORVANE_OUT/saver.out" 2>"$TORVANE_OUT/saver.err" &
  SAVER_PID=$!
}

# signals_of FIELD: whether the saver's /proc status FIELD (SigCgt: has
# handlers for, SigBlk: holds back) holds SIGTERM and SIGINT: "both" or "no".
signals_of() {
  local mask
  mask=$(awk -v field="$1:" '$1 == field { print $2 }' "/proc/$SAVER_PID/status" 2>/dev/null) || true
  if [ -n "$mask" ] && (((16#$mask & 0x4002) == 0x4002)); then echo both; else echo no; fi
}

# wait_for_signal_handlers [held]: waits until the saver has its own
# handlers for SIGTERM and SIGINT in place, which it installs first thing;
# with "held", until its launcher holds them back, its very first step,
# which keeps a signal waiting while the program loads (before that, a
# signal does what it does to any process, and SIGINT is ignored by jobs a
# script starts).
wait_for_signal_handlers() {
  for _ in $(seq 2000); do
    [ "$(signals_of SigCgt)" = both ] && return 0
    [ "${1:-}" = held ] && [ "$(signals_of SigBlk)" = both ] && return 0
    [ "${1:-}" = held ] || sleep 0.01
  done
  fail "the saver never took SIGTERM and SIGINT"
}

# saver_ends_within SECONDS: whether the saver ends within SECONDS
# (fractions allowed), looking every tenth; sets SAVER_STATUS when it does.
saver_ends_within() {
  local tenths tenth
  tenths=$(awk "BEGIN { print int($1 * 10) }")
  for tenth in $(seq 0 "$tenths"); do
    [ "$tenth" -eq 0 ] || sleep 0.1
    if ! kill -0 "$SAVER_PID" 2>/dev/null; then
      SAVER_STATUS=0
      wait "$SAVER_PID" || SAVER_STATUS=$?
      return 0
    fi
  done
  return 1
}

# wait_for_end SECONDS: waits until the saver has ended, at most SECONDS;
# sets SAVER_STATUS, or fails if it is still running.
wait_for_end() {
  local limit
  limit=$(awk "BEGIN { print $1 * $E2E_PATIENCE }")
  saver_ends_within "$limit" && return 0
  kill "$SAVER_PID" 2>/dev/null || true
  fail "the saver was still running after $limit s"
}

# Loop tests count how each round ended and judge all rounds at the end, so
# that a failing run still tells how often each outcome came.
declare -A ROUND_OUTCOMES=()

# end_round SECONDS: waits for the saver's end, at most SECONDS, and counts
# the round as "status N", "core" (a core file was left in the current
# folder, which is then removed) or "hang" (the saver is killed then).
end_round() {
  local outcome
  if saver_ends_within "$1"; then
    outcome="status $SAVER_STATUS"
  else
    kill -KILL "$SAVER_PID" 2>/dev/null || true
    wait "$SAVER_PID" 2>/dev/null || true
    outcome=hang
  fi
  if [ -n "$(find . -maxdepth 1 -name 'core*' -print -quit)" ]; then
    rm -f core*
    outcome=core
  fi
  ROUND_OUTCOMES[$outcome]=$(( ${ROUND_OUTCOMES[$outcome]:-0} + 1 ))
}

# judge_rounds NAME: prints the count of every outcome and fails unless
# every round ended with status 0; the counts start again from zero.
judge_rounds() {
  local summary="" outcome total=0
  for outcome in "${!ROUND_OUTCOMES[@]}"; do
    summary+=", $outcome: ${ROUND_OUTCOMES[$outcome]}"
    total=$((total + ROUND_OUTCOMES[$outcome]))
  done
  local clean=${ROUND_OUTCOMES[status 0]:-0}
  ROUND_OUTCOMES=()
  echo "$1: $total rounds$summary"
  [ "$clean" -eq "$total" ] || fail "$1: not every round ended with status 0"
}

# allow_cores: lets a crashing saver leave a core file in the current folder
# where the system's settings allow it.
allow_cores() { ulimit -c unlimited 2>/dev/null || true; }

# expect_running: fails when the saver has ended.
expect_running() {
  kill -0 "$SAVER_PID" 2>/dev/null || fail "the saver ended: $(cat "$TORVANE_OUT/saver.err")"
}

# expect_status N
expect_status() {
  [ "$SAVER_STATUS" -eq "$1" ] || fail "exit status $SAVER_STATUS, expected $1"
}

# lit_share FILE: the share (0..1) of pixels in FILE that are not near black.
lit_share() {
  convert "$1" -colorspace gray -threshold 6% -format '%[fx:mean]' info:
}

# expect_lit FILE MIN: fails when less than MIN of FILE's pixels are lit.
expect_lit() {
  local share
  share=$(lit_share "$1")
  awk "BEGIN { exit !($share >= $2) }" || fail "$1: only $share of the pixels are lit, expected $2"
}

# mean_of FILE CHANNEL: the mean of one channel (r, g or b) over the lit pixels.
mean_of() {
  convert "$1" \( +clone -colorspace gray -threshold 6% \) -compose copy_opacity -composite \
    -channel "$2" -separate -format '%[fx:mean]' info:
}

# wait_for_lit FILE MIN [WINDOW]: screenshots WINDOW (default the whole
# screen) into FILE until at least MIN of its pixels are lit; fails after
# 20 s. Drawing is in software, so a busy machine may take a while. A parent
# window made by a test is black (xmessage -bg black -fg black), so only the
# saver's drawing counts as lit.
wait_for_lit() {
  local share=0
  for _ in $(seq 40); do
    screenshot "$1" "${3:-root}"
    share=$(lit_share "$1")
    awk "BEGIN { exit !($share >= $2) }" && return 0
    sleep 0.5
  done
  fail "$1: only $share of the pixels are lit, expected $2"
}

# expect_ended_by SIGNAL: the saver ended by that signal (TERM, INT), as
# XScreenSaver's hacks do, rather than with an exit status.
expect_ended_by() {
  local expected=$((128 + $(kill -l "$1")))
  [ "$SAVER_STATUS" -eq "$expected" ] ||
    fail "exit status $SAVER_STATUS, expected the end by SIG$1 ($expected)"
}

# store_still_settings: settings for a still picture (the slowest rotation,
# no moving bumps), so that savers started a moment apart draw alike.
store_still_settings() {
  printf 'REGEDIT4\r\n\r\n[%s]\r\n%s\r\n%s\r\n\r\n' \
    'HKEY_CURRENT_USER\Software\Fenwright Productions\Torvane Screensaver' \
    '"animation_speed"=dword:00000001' '"bump_speed"=dword:00000000' >"$TORVANE_REGISTRY"
}

# One saver per monitor: the full-screen program is a supervisor whose
# children are the savers.

# saver_pids: the savers the supervisor $SAVER_PID runs now, one a line.
saver_pids() {
  pgrep -P "$SAVER_PID" | sort -n || true
}

# wait_for_savers N [SECONDS]: waits until the supervisor runs N savers
# (fails after SECONDS, 20 by default); sets SAVERS to their ids.
wait_for_savers() {
  local tenth
  for tenth in $(seq 0 $((${2:-20} * 10))); do
    [ "$tenth" -eq 0 ] || sleep 0.1
    SAVERS=$(saver_pids)
    [ "$(grep -c . <<<"$SAVERS")" -eq "$1" ] && return 0
  done
  fail "$(grep -c . <<<"$SAVERS") savers run, expected $1"
}

# running PID: whether the process runs (a zombie, ended but not yet reaped
# by the parent it was left to, does not).
running() {
  local state
  state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) && [ -n "$state" ] &&
    [ "$state" != Z ]
}

# expect_gone_within SECONDS PID...: every PID has ended within SECONDS.
expect_gone_within() {
  local seconds=$1 tenth pid left
  shift
  for tenth in $(seq 0 "$(awk "BEGIN { print int($seconds * 10) }")"); do
    [ "$tenth" -eq 0 ] || sleep 0.1
    left=""
    for pid in "$@"; do running "$pid" && left+=" $pid"; done
    [ -z "$left" ] && return 0
  done
  fail "still running after $seconds s:$left"
}
