#!/usr/bin/env bash
# CPU use of torvane as an XScreenSaver hack at its default frame delay
# against glknots (from xscreensaver-gl) at its own default, on one Xvfb
# with Mesa's software GL, each drawing on the root window. The two take
# turns, ROUNDS times (4), SECONDS each (15) after a 2 s start; it prints the
# mean of each in cores (1.0 is one core kept busy) and whether torvane used
# no more. glknots draws a new random knot from time to time, and what it
# costs changes with the knot: hence several rounds.
#
#   hack_cpu_bench.sh TORVANE [SECONDS] [ROUNDS]
set -euo pipefail
torvane=${1:?usage: hack_cpu_bench.sh TORVANE [SECONDS] [ROUNDS]}
seconds=${2:-15}
rounds=${3:-4}
glknots=/usr/libexec/xscreensaver/glknots
[ -x "$glknots" ] || { echo "hack_cpu_bench: no $glknots (install xscreensaver-gl)" >&2; exit 2; }

scratch=$(mktemp -d)
fifo="$scratch/display"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
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

# cores PROGRAM...: runs it, and prints the cores it used over $seconds.
cores() {
  "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 2
  local ticks0 t0 ticks1 t1
  ticks0=$(cpu_ticks "$pid"); t0=$(now)
  sleep "$seconds"
  ticks1=$(cpu_ticks "$pid"); t1=$(now)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v a="$ticks0" -v b="$ticks1" -v t0="$t0" -v t1="$t1" -v hz="$ticks_per_second" \
      'BEGIN { printf "%.3f\n", (b - a) / hz / (t1 - t0) }'
}

glknots_sum=0 torvane_sum=0
for round in $(seq "$rounds"); do
  g=$(cores "$glknots" --root)
  t=$(cores "$torvane" --root)
  echo "round $round: glknots $g cores, torvane $t cores"
  glknots_sum=$(awk -v s="$glknots_sum" -v x="$g" 'BEGIN { print s + x }')
  torvane_sum=$(awk -v s="$torvane_sum" -v x="$t" 'BEGIN { print s + x }')
done
# glknots' figure falls when other programs keep the processors busy (its
# frames then take longer, and it sleeps its delay after each); torvane's
# processor share holds. The load says how busy the machine was.
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
awk -v g="$glknots_sum" -v t="$torvane_sum" -v n="$rounds" 'BEGIN {
  printf "glknots (default delay):  %.3f cores\n", g / n
  printf "torvane (default delay):  %.3f cores\n", t / n
  print (t <= g ? "torvane uses no more than glknots" : "torvane uses MORE than glknots")
}'
