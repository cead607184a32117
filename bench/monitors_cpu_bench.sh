#!/usr/bin/env bash
# Processor time per frame of the full-screen saver (/s) on one monitor and
# on two, on one Xvfb of 2560x720 with Mesa's software GL: first with one
# monitor of 1280x720 (xrandr --setmonitor), then with two side by side.
# Each saver draws as fast as it can; swap_times (bench/swap_times.c,
# LD_PRELOAD) notes each saver's frames and /proc its processor time (all
# threads, the renderer's included) over SECONDS (10) after a 3 s start,
# ROUNDS times (3). It prints the processor time per frame per monitor, per
# round of frames on all monitors, and the ratio of two monitors to one
# (about 2: every monitor costs its own frames).
#
#   monitors_cpu_bench.sh TORVANE SWAP_TIMES_LIBRARY [SECONDS] [ROUNDS]
set -euo pipefail
usage="usage: monitors_cpu_bench.sh TORVANE SWAP_TIMES_LIBRARY [SECONDS] [ROUNDS]"
torvane=${1:?$usage}
swap_times=$(realpath "${2:?$usage}")
seconds=${3:-10}
rounds=${4:-3}

source "$(dirname "$0")/../tests/e2e/lib.sh"
scratch=$(mktemp -d)
start_xvfb 2560x720x24
trap 'stop_xvfb; rm -rf "$scratch"' EXIT
export TORVANE_REGISTRY="$scratch/registry.reg"  # no stored settings: the defaults
mkdir "$scratch/frames"

ticks_per_second=$(getconf CLK_TCK)
# cpu_ticks PID: user and system time of all its threads so far.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
frames() { wc -l <"$scratch/frames/$1"; }

# per_frame MONITORS: runs the saver on that many monitors, prints the
# processor milliseconds per frame of each saver (its time over its frames),
# and sets frame_cost to their sum: the cost of one frame on every monitor.
per_frame() {
  rm -f "$scratch/frames/"*
  SWAP_TIMES_DIR="$scratch/frames" LD_PRELOAD="$swap_times" "$torvane" /s >/dev/null 2>&1 &
  local supervisor=$! savers saver total=0 cost
  sleep 3
  savers=$(pgrep -P "$supervisor")
  [ "$(wc -w <<<"$savers")" -eq "$1" ] || { echo "not $1 savers: $savers" >&2; exit 1; }
  declare -A ticks0 frames0
  for saver in $savers; do
    ticks0[$saver]=$(cpu_ticks "$saver")
    frames0[$saver]=$(frames "$saver")
  done
  sleep "$seconds"
  for saver in $savers; do
    cost=$(awk -v t0="${ticks0[$saver]}" -v t1="$(cpu_ticks "$saver")" -v f0="${frames0[$saver]}" \
      -v f1="$(frames "$saver")" -v hz="$ticks_per_second" \
      'BEGIN { printf "%.2f", (t1 - t0) / hz * 1000 / (f1 - f0) }')
    echo "  saver $saver: $cost ms per frame, $(($(frames "$saver") - frames0[$saver])) frames"
    total=$(awk -v a="$total" -v b="$cost" 'BEGIN { print a + b }')
  done
  kill "$supervisor"
  wait "$supervisor" 2>/dev/null || true
  frame_cost=$total
}

xrandr --setmonitor left 1280/338x720/190+0+0 screen >/dev/null
results=""
for round in $(seq "$rounds"); do
  xrandr --delmonitor right >/dev/null 2>&1 || true
  per_frame 1
  one=$frame_cost
  xrandr --setmonitor right 1280/338x720/190+1280+0 none >/dev/null
  per_frame 2
  echo "round $round: one monitor $one ms per frame, two monitors $frame_cost ms per frame on both"
  results+="$one $frame_cost"$'\n'
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
awk 'NF { one += $1; two += $2; n++ } END {
  printf "one monitor:  %.2f ms of processor time per frame\n", one / n
  printf "two monitors: %.2f ms per frame on both, %.2f per monitor\n", two / n, two / n / 2
  printf "ratio, two monitors to one: %.2f\n", two / one
}' <<<"$results"
