#!/bin/sh
# Runs a command against a private Xvfb server that lives only as long as the command.
# Usage: run-with-xvfb.sh COMMAND [ARGS...]
set -eu
fd_file=$(mktemp)
trap 'rm -f "$fd_file"' EXIT
# -displayfd lets the server pick a free display number and tell us which one it took. The screen
# holds the whole window also at a device pixel ratio of 2 (QT_SCALE_FACTOR=2).
Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp -noreset 3>"$fd_file" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$fd_file"' EXIT
for _ in $(seq 1 100); do
  [ -s "$fd_file" ] && break
  sleep 0.05
done
display=$(head -n 1 "$fd_file")
if [ -z "$display" ]; then
  echo "run-with-xvfb: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$display"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
"$@"
