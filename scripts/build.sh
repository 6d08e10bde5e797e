#!/bin/sh
# Configures and builds the project: scripts/build.sh BUILD_DIR [extra CMake arguments...]
# Compiles through ccache where it is installed (scripts/install-deps.sh test installs it), so that a
# build from an empty folder costs little once the cache (~/.cache/ccache) has seen the sources.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$1
shift
launcher=""
if command -v ccache >/dev/null 2>&1; then
  launcher="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
# Paths under the tree are hashed relative to it, so clones in other folders share the cache.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
# shellcheck disable=SC2086
cmake -S "$root" -B "$build_dir" -G Ninja $launcher "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
