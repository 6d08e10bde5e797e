#!/bin/sh
# Runs a command against a private weston (headless, pixman renderer) that lives only as long as
# the command, with Qt on its Wayland platform.
# Usage: [DOSECALC_OUTPUT_SCALE=N] run-with-weston.sh COMMAND [ARGS...]
#   DOSECALC_OUTPUT_SCALE  the output's scale, the device pixel ratio the program gets (default 1)
# The output is 1024 x 640 logical pixels. --debug lets weston-screenshooter take pictures of the
# whole output; the runtime directory (the socket, and where Qt looks) is private to this run.
set -eu
scale=${DOSECALC_OUTPUT_SCALE:-1}
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket="dosecalc-$$"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug --socket="$socket" \
  --width=1024 --height=640 --scale="$scale" --idle-time=0 \
  >"$runtime/weston.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 1 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.05
done
if [ ! -S "$runtime/$socket" ]; then
  echo "run-with-weston: weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
export XDG_RUNTIME_DIR="$runtime"
export WAYLAND_DISPLAY="$socket"
unset DISPLAY
export QT_QPA_PLATFORM=wayland
"$@"
