#!/usr/bin/env bash
# The frames of torvane as an XScreenSaver hack, on one Xvfb of 1280 x 720
# with Mesa's software GL, each program drawing on the root window:
#
# 1. At the default delay, against glknots (from xscreensaver-gl) at its
#    own: the two take turns, ROUNDS times (3), SECONDS each (15) after a
#    2 s start. For each: frames per second, the median, 95th and 99th
#    percentile of the intervals between frames, and the cores it kept busy
#    (1.0 is one core).
# 2. torvane at -delay 0 on each drawing path, SECONDS each: the skin alone
#    (user_options 0x03, the defaults), the reflection in a second pass
#    (0x43) and in one multitexture pass (0xC3): frames per second and the
#    processor time per frame (all threads, the rasterizer's included).
#
# Beside each program's processor time a frame is the X server's, which
# takes the frames to the screen. XVFB_ARGS adds arguments to Xvfb's
# (XVFB_ARGS="-extension GLX": a server without GLX, where torvane draws
# through EGL).
#
# Frames are timed by swap_times (an LD_PRELOAD shim built in bench/) at
# every buffer swap; processor time comes from /proc.
#
#   hack_pacing_bench.sh BUILD_FOLDER [SECONDS] [ROUNDS]
set -euo pipefail
build=${1:?usage: hack_pacing_bench.sh BUILD_FOLDER [SECONDS] [ROUNDS]}
seconds=${2:-15}
rounds=${3:-3}
torvane="$build/src/torvane"
shim="$(cd "$build/bench" && pwd)/libswap_times.so"
glknots=/usr/libexec/xscreensaver/glknots
[ -x "$torvane" ] || { echo "hack_pacing_bench: no $torvane" >&2; exit 2; }
[ -f "$shim" ] || { echo "hack_pacing_bench: no $shim (build the swap_times target)" >&2; exit 2; }
[ -x "$glknots" ] || { echo "hack_pacing_bench: no $glknots (install xscreensaver-gl)" >&2; exit 2; }

scratch=$(mktemp -d)
fifo="$scratch/display"
mkfifo "$fifo"
# shellcheck disable=SC2086
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp -noreset ${XVFB_ARGS:-} 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"
export DISPLAY=":$display"
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
export TORVANE_REGISTRY="$scratch/registry.reg"  # no stored settings: the defaults
unset XSCREENSAVER_WINDOW

ticks_per_second=$(getconf CLK_TCK)
# cpu_ticks PID: user and system time of all its threads so far.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
now() { date +%s.%N; }

# measure NAME PROGRAM...: runs it for 2 + $seconds s and appends to
# $scratch/NAME.swaps the swap times of the last $seconds, and to
# $scratch/NAME.cpu its processor seconds, wall seconds and the X server's
# processor seconds then.
measure() {
  local name=$1 times="$scratch/run.swaps"
  shift
  rm -f "$times"
  SWAP_TIMES="$times" LD_PRELOAD="$shim" "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 2
  local first ticks0 t0 ticks1 t1 server0 server1
  first=$(wc -l <"$times" 2>/dev/null || echo 0)
  ticks0=$(cpu_ticks "$pid"); t0=$(now); server0=$(cpu_ticks "$xvfb")
  sleep "$seconds"
  ticks1=$(cpu_ticks "$pid"); t1=$(now); server1=$(cpu_ticks "$xvfb")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  # A run's swaps, then a blank line: intervals never span two runs.
  tail -n +"$((first + 1))" "$times" >>"$scratch/$name.swaps"
  echo >>"$scratch/$name.swaps"
  awk -v a="$ticks0" -v b="$ticks1" -v t0="$t0" -v t1="$t1" -v s0="$server0" -v s1="$server1" \
    -v hz="$ticks_per_second" \
    'BEGIN { printf "%.3f %.3f %.3f\n", (b - a) / hz, t1 - t0, (s1 - s0) / hz }' >>"$scratch/$name.cpu"
}

# report NAME: frames per second, intervals and processor use of its runs.
report() {
  local intervals="$scratch/$1.intervals"
  awk 'NF == 0 { last = ""; next }
       { if (last != "") { print ($1 - last) / 1e6; frames++; span += ($1 - last) / 1e9 } last = $1 }
       END { printf "%d %.6f\n", frames, span > "/dev/stderr" }' "$scratch/$1.swaps" \
    2>"$scratch/$1.frames" | sort -n >"$scratch/$1.intervals"
  local count
  count=$(wc -l <"$intervals")
  # pick Q: the interval at quantile Q.
  pick() { sed -n "$(awk -v n="$count" -v q="$1" 'BEGIN { i = int(n * q + 0.5); print i < 1 ? 1 : i }')p" \
    "$intervals"; }
  local median p95 p99
  median=$(pick 0.50) p95=$(pick 0.95) p99=$(pick 0.99)
  read -r frames span <"$scratch/$1.frames"
  awk -v name="$1" -v frames="$frames" -v span="$span" -v median="$median" -v p95="$p95" -v p99="$p99" \
      -v cpu="$(awk '{ c += $1; w += $2; x += $3 } END { print c, w, x }' "$scratch/$1.cpu")" 'BEGIN {
    split(cpu, c, " ")
    printf "%-24s %6.1f frames/s  intervals median %6.1f ms, p95 %6.1f, p99 %6.1f  %5.2f cores  %5.1f ms of processor a frame (X server %4.1f)\n",
      name, frames / span, median, p95, p99, c[1] / c[2], 1000 * c[1] / (frames / span * c[2]),
      1000 * c[3] / (frames / span * c[2]) }'
}

for round in $(seq "$rounds"); do
  measure glknots "$glknots" --root
  measure torvane "$torvane" --root
  echo "round $round of $rounds done"
done
report glknots
report torvane
for path in "skin 0x03:--no-env-lighting --no-multitexture" "reflection 0x43:--env-lighting --no-multitexture" \
            "multitexture 0xC3:--env-lighting --multitexture"; do
  name="delay-0-${path%%:*}" name=${name// /-}
  # shellcheck disable=SC2086
  measure "$name" "$torvane" --root --delay 0 ${path#*:}
  report "$name"
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
