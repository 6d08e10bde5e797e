#!/bin/sh
# The frame cost of every catalogue entry, each face type alone and each decoration over face 1,
# sorted dearest first: builds a release tree and prints the machine and the table as Markdown,
# as bench/RESULTS.md holds them.
#   bench/catalogue-table.sh [BUILD_DIR]      (default build/bench; about a minute after the build)
# Run it on an otherwise idle machine: the figures are wall times.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench}
. "$root/bench/machine.sh"
build_release "$build"
describe_machine
echo
catalogue_table "$build"
