#!/bin/sh
# Builds the program and writes a PNG of its window as an X server shows it (the face panel's GL
# surface included), on a private Xvfb.
#   scripts/screenshot.sh [OUTPUT.png [NAME=TEXT]... [--air] [--calculate]]
# With no output named it writes docs/screenshot.png after a sample calculation.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run test
"$root/scripts/build.sh" "$root/build/release" -DCMAKE_BUILD_TYPE=Release \
  -DDOSECALC_BUILD_TESTS=OFF -DDOSECALC_BUILD_BENCH=OFF
output=${1:-$root/docs/screenshot.png}
[ $# -gt 0 ] && shift
[ $# -eq 0 ] && set -- EdtBq_Cs137=2000 Edt_C_Bq=1.5 EdtSv=0.8 --calculate
mkdir -p "$(dirname "$output")"
exec "$root/tests/run-with-xvfb.sh" "$root/build/release/tools/dosecalc-screenshot" "$output" "$@"
