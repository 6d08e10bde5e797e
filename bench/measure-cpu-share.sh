#!/bin/sh
# The CPU the running window takes, as a share of one core, with the window shown and minimised,
# on the start face and on verdict level 0:
#   bench/measure-cpu-share.sh PROGRAM [SECONDS]      (default 30 a row; needs an X display, xdotool)
# Starts PROGRAM (the real dosecalc) once and goes through four states, in this order: the start
# face shown, the start face minimised, level 0 shown (Return in the focused field calculates the
# start inputs, a dose of 0), level 0 minimised. Minimised is what a window manager leaves of a
# minimised window, the main window unmapped (xdotool windowunmap; Xvfb has no window manager).
# In each state it lets the window settle for 3 s, then reads the user and system time of PROGRAM
# (all its threads, llvmpipe's included) and of the X server from /proc/PID/stat before and after
# SECONDS. The X server counts because with software GL each presented frame is copied into it
# (run-with-xvfb.sh's Xvfb is found as this script's sibling; without one only PROGRAM is measured).
set -eu
program=$1
seconds=${2:-30}
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() { # utime + stime of a process, in clock ticks (fields 14 and 15; comm has no blanks here)
  if [ -n "$1" ]; then awk '{ print $14 + $15 }' "/proc/$1/stat"; else echo 0; fi
}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
server=$(pgrep -P "$PPID" -x Xvfb || true)
window=$(xdotool search --sync --onlyvisible --maxdepth 1 --pid "$pid") # the main window, not the panel in it

# Prints one row: the state's name, then the CPU of PROGRAM and of the X server over SECONDS.
measure() {
  sleep 3
  program_before=$(cpu_ticks "$pid")
  server_before=$(cpu_ticks "$server")
  sleep "$seconds"
  program_after=$(cpu_ticks "$pid")
  server_after=$(cpu_ticks "$server")
  awk -v state="$1" -v p="$((program_after - program_before))" -v s="$((server_after - server_before))" \
      -v hz="$ticks_per_second" -v t="$seconds" -v server="$server" 'BEGIN {
    xvfb = server != "" ? sprintf("%.1f %%", 100 * s / hz / t) : "not measured"
    printf "| %s | %.2f s | %.1f %% | %s |\n", state, p / hz, 100 * p / hz / t, xvfb
  }'
}

printf "| over %d s in each state | dosecalc CPU seconds (all threads) | dosecalc share of one core | Xvfb share |\n" \
  "$seconds"
echo "|---|---|---|---|"
measure "start face, shown"
xdotool windowunmap --sync "$window"
measure "start face, minimised (unmapped)"
xdotool windowmap --sync "$window"
xdotool windowfocus --sync "$window"
xdotool key Return
measure "level 0, shown"
xdotool windowunmap --sync "$window"
measure "level 0, minimised (unmapped)"

kill "$pid"
wait "$pid" 2>/dev/null || true
trap - EXIT
