#!/bin/sh
# Installs what is missing, builds the program and starts it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run
"$root/scripts/build.sh" "$root/build/release" -DCMAKE_BUILD_TYPE=Release \
  -DDOSECALC_BUILD_TESTS=OFF -DDOSECALC_BUILD_BENCH=OFF
exec "$root/build/release/app/dosecalc"
