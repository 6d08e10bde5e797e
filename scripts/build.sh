#!/bin/sh
# Configures and builds the project: scripts/build.sh BUILD_DIR [extra CMake arguments...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$1
shift
cmake -S "$root" -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
