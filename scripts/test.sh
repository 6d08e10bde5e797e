#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite.
# Tests that need a display start their own Xvfb (tests/run-with-xvfb.sh).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

"$root/scripts/build.sh" "$root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOSECALC_WERROR=ON
ctest --test-dir "$root/build/test" --output-on-failure --timeout 600
