#!/bin/sh
# Runs a command in the project's Debian 13 build root, making it first where there is none:
#   scripts/build-root.sh [--bind PATH]... COMMAND [ARGS...]
# The root is a minimal Debian 13 (trixie) with everything the project's sets need
# (scripts/install-deps.sh run test windows, only what is missing, at every start), kept per
# machine in $DOSECALC_CACHE/debian-13 (default ~/.cache/dosecalc/debian-13). The tree, the cache
# and each PATH are mounted in it at their own paths, so the command sees the same files under the
# same names; it runs in the current folder (scripts/debian-root.sh run). The Windows version is
# built and tested in it (scripts/build-windows.sh), and on a Debian 12 machine the test suite also
# runs there (scripts/test.sh). The machine itself needs only debootstrap and root or sudo.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cache=$(realpath -m "${DOSECALC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dosecalc}")
build_root=$cache/debian-13
export DOSECALC_CACHE="$cache"

[ $# -gt 0 ] || {
  echo "usage: scripts/build-root.sh [--bind PATH]... COMMAND [ARGS...]" >&2
  exit 2
}
if [ -f /etc/dosecalc-build-root ]; then
  exec "$@" # already inside
fi

"$root/scripts/install-deps.sh" root
mkdir -p "$cache"
# One maker of the root at a time; a second waits and then uses it.
(
  flock 9
  if [ ! -d "$build_root" ]; then
    "$root/scripts/debian-root.sh" make trixie "$build_root" --with-sources
  fi
  # The mark by which the project's scripts know they run inside.
  [ -f "$build_root/etc/dosecalc-build-root" ] || (cd / && "$root/scripts/debian-root.sh" run "$build_root" --root \
    sh -c 'echo "the dosecalc build root (scripts/build-root.sh)" >/etc/dosecalc-build-root')
) 9>"$cache/.debian-13.lock"

# What the sets need, as root; then the command, as the caller.
(cd / && "$root/scripts/debian-root.sh" run "$build_root" --root --bind "$root" \
  "$root/scripts/install-deps.sh" run test windows)
exec "$root/scripts/debian-root.sh" run "$build_root" --bind "$root" --bind "$cache" "$@"
