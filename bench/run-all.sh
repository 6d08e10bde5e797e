#!/bin/sh
# Builds the program and its benchmarks in a release tree and runs every benchmark; prints the
# machine's description and the figures as Markdown (bench/RESULTS.md holds a run's, with notes).
#   bench/run-all.sh [BUILD_DIR]      (default build/bench; about five minutes after the build)
# Run it on an otherwise idle machine: the figures are wall times.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench}
"$root/scripts/install-deps.sh" run test
. "$root/bench/machine.sh"
build_release "$build"
xvfb="$root/tests/run-with-xvfb.sh"
weston="$root/tests/run-with-weston.sh"
XDG_RUNTIME_DIR=$(mktemp -d) # Qt wants one; a private one also keeps its warning away
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
describe_machine
echo
echo "## Frame cost per verdict picture (headless, 241 x 177)"
echo
"$build/bench/dosecalc-frame-bench" --frames 300
echo
catalogue_table "$build"
echo
echo "## Calculation per press of Calculate (dosecalc::calculate, no widgets)"
echo
echo '```'
"$build/bench/dosecalc-calculation-bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  2>/dev/null | grep -E '^Benchmark|^-+$|_median'
echo '```'
echo
echo "## Start-up to the first presented frame (Xvfb)"
echo
"$xvfb" "$build/bench/dosecalc-startup-bench" --runs 10
echo
echo "## Start-up to the face on screen, watched from outside (Xvfb)"
echo
"$xvfb" "$build/bench/dosecalc-first-frame-bench" --runs 10 "$build/app/dosecalc"
echo
echo "## CPU with the window shown and minimised (the real dosecalc under Xvfb)"
echo
"$xvfb" "$root/bench/measure-cpu-share.sh" "$build/app/dosecalc" 30
echo
echo "## CPU with the window shown under Wayland (the real dosecalc under weston)"
echo
"$weston" "$root/bench/measure-cpu-share.sh" "$build/app/dosecalc" 30
