#!/bin/sh
# The CPU the running window takes, as a share of one core, with the window shown and minimised,
# on the start face and on verdict level 0:
#   bench/measure-cpu-share.sh PROGRAM [SECONDS]      (default 30 a row)
# Run it under tests/run-with-xvfb.sh (X11; needs xdotool) or tests/run-with-weston.sh (Wayland).
# Starts PROGRAM (the real dosecalc) once. Under X11 it goes through four states, in this order:
# the start face shown, the start face minimised, level 0 shown (Return in the focused field
# calculates the start inputs, a dose of 0), level 0 minimised. Minimised is what a window manager
# leaves of a minimised window, the main window unmapped (xdotool windowunmap; Xvfb has no window
# manager). Under Wayland, where nothing outside the compositor may minimise a window or type into
# it, it measures the start face shown.
# In each state it lets the window settle for 3 s, then reads the user and system time of PROGRAM
# (all its threads, llvmpipe's included) and of the display server from /proc/PID/stat before and
# after SECONDS. The server counts because each frame shown is copied into it and composed (the
# wrapper's server is found as this script's sibling; without one only PROGRAM is measured).
set -eu
program=$1
seconds=${2:-30}
ticks_per_second=$(getconf CLK_TCK)
if [ "${QT_QPA_PLATFORM:-}" = wayland ]; then server_name=weston; else server_name=Xvfb; fi

cpu_ticks() { # utime + stime of a process, in clock ticks (fields 14 and 15; comm has no blanks here)
  if [ -n "$1" ]; then awk '{ print $14 + $15 }' "/proc/$1/stat"; else echo 0; fi
}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
server=$(pgrep -P "$PPID" -x "$server_name" || true)

# Prints one row: the state's name, then the CPU of PROGRAM and of the display server over SECONDS.
measure() {
  sleep 3
  program_before=$(cpu_ticks "$pid")
  server_before=$(cpu_ticks "$server")
  sleep "$seconds"
  program_after=$(cpu_ticks "$pid")
  server_after=$(cpu_ticks "$server")
  awk -v state="$1" -v p="$((program_after - program_before))" -v s="$((server_after - server_before))" \
      -v hz="$ticks_per_second" -v t="$seconds" -v server="$server" 'BEGIN {
    shown = server != "" ? sprintf("%.1f %%", 100 * s / hz / t) : "not measured"
    printf "| %s | %.2f s | %.1f %% | %s |\n", state, p / hz, 100 * p / hz / t, shown
  }'
}

printf "| over %d s in each state | dosecalc CPU seconds (all threads) | dosecalc share of one core | %s share |\n" \
  "$seconds" "$server_name"
echo "|---|---|---|---|"
if [ "$server_name" = weston ]; then
  measure "start face, shown (Wayland)"
else
  window=$(xdotool search --sync --onlyvisible --maxdepth 1 --pid "$pid") # the main window
  measure "start face, shown"
  xdotool windowunmap --sync "$window"
  measure "start face, minimised (unmapped)"
  xdotool windowmap --sync "$window"
  xdotool windowfocus --sync "$window"
  xdotool key Return
  measure "level 0, shown"
  xdotool windowunmap --sync "$window"
  measure "level 0, minimised (unmapped)"
fi

kill "$pid"
wait "$pid" 2>/dev/null || true
trap - EXIT
