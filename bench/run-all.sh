#!/bin/sh
# Builds the program and its benchmarks in a release tree and runs every benchmark; prints the
# machine's description and the figures as Markdown (bench/RESULTS.md holds a run's, with notes).
#   bench/run-all.sh [BUILD_DIR]      (default build/bench; about four minutes after the build)
# Run it on an otherwise idle machine: the figures are wall times.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DDOSECALC_BUILD_TESTS=OFF >/dev/null
xvfb="$root/tests/run-with-xvfb.sh"
XDG_RUNTIME_DIR=$(mktemp -d) # Qt wants one; a private one also keeps its warning away
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
package_version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo unknown; }

echo "## Machine"
echo
echo "- CPU: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), $(nproc) cores available to the run"
echo "- Memory: $(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
echo "- System: Debian $(cat /etc/debian_version), Linux $(uname -r)"
echo "- Mesa $(package_version libgl1-mesa-dri) (llvmpipe), GLU $(package_version libglu1-mesa), Qt $(package_version libqt6core6), Xvfb $(package_version xvfb)"
echo "- Build: $(c++ --version | head -n 1), CMAKE_BUILD_TYPE=Release"
echo "- Load before the run: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
echo "## Frame cost per verdict picture (headless, 241 x 177)"
echo
"$build/bench/dosecalc-frame-bench" --frames 300
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
echo "## CPU with the window shown and minimised (the real dosecalc under Xvfb)"
echo
"$xvfb" "$root/bench/measure-cpu-share.sh" "$build/app/dosecalc" 30
