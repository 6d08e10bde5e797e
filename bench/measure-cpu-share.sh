#!/bin/sh
# The CPU the running window takes while it animates, as a share of one core:
#   bench/measure-cpu-share.sh PROGRAM [SECONDS]      (default 30; needs an X display)
# Starts PROGRAM (the real dosecalc), lets it settle for 3 s, then reads the user and system time
# of PROGRAM (all its threads, llvmpipe's included) and of the X server from /proc/PID/stat before
# and after SECONDS of animation, and stops PROGRAM. The X server counts because with software GL
# each presented frame is copied into it (run-with-xvfb.sh's Xvfb is found as this script's
# sibling; without one only PROGRAM is measured).
set -eu
program=$1
seconds=${2:-30}
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() { # utime + stime of a process, in clock ticks (fields 14 and 15; comm has no blanks here)
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
server=$(pgrep -P "$PPID" -x Xvfb || true)
sleep 3
program_before=$(cpu_ticks "$pid")
server_before=0
[ -n "$server" ] && server_before=$(cpu_ticks "$server")
sleep "$seconds"
program_after=$(cpu_ticks "$pid")
server_after=0
[ -n "$server" ] && server_after=$(cpu_ticks "$server")
kill "$pid"
wait "$pid" 2>/dev/null || true
trap - EXIT

awk -v p="$((program_after - program_before))" -v s="$((server_after - server_before))" \
    -v hz="$ticks_per_second" -v t="$seconds" -v server="$server" 'BEGIN {
  printf "| over %d s of animation | CPU seconds | share of one core |\n|---|---|---|\n", t
  printf "| dosecalc (all threads) | %.2f s | %.1f %% |\n", p / hz, 100 * p / hz / t
  if (server != "")
    printf "| Xvfb (receives each frame) | %.2f s | %.1f %% |\n", s / hz, 100 * s / hz / t
}'
