#!/bin/sh
# Installs the packages of the named sets that are missing, on Debian 12 (bookworm) or 13 (trixie):
#   scripts/install-deps.sh SET...
#   run      building and running the program (scripts/start.sh)
#   test     the test suite, sanitizers, fuzzer, benchmarks, Wayland, desktop and release checks
#   root     making and entering the Debian 13 build root (scripts/build-root.sh)
#   release  the release files (scripts/release.sh): the Debian package's tools and the build root's
#   windows  the Windows build and its tests under Wine, inside the build root
#            (scripts/build-windows.sh); also adds deb-src entries to apt's sources where there are
#            none, since Qt for Windows is built from Debian's source
# Idempotent: when everything is present it changes nothing and needs no root.
set -eu

usage="usage: scripts/install-deps.sh SET... (SET: run, test, root, release, windows)"
[ $# -gt 0 ] || {
  echo "$usage" >&2
  exit 2
}

# The release's own clang (its runtime, for the sanitizers and the fuzzer) and clang-format.
. "$(dirname "$0")/debian-release.sh"

run_packages="
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-wayland qt6-translations-l10n
  libgl-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri libegl-mesa0 libglx-mesa0
  libpng-dev fonts-ipafont-gothic
"
test_packages="
  ccache make git file weston
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-$llvm-dev clang-format-$llvm
  xvfb xauth x11-utils xdotool
  dbus dbus-x11 at-spi2-core python3 python3-pyatspi python3-pil
  desktop-file-utils appstream dpkg-dev lintian diffoscope-minimal
"
root_packages="debootstrap"
release_packages="dpkg-dev git $root_packages"
windows_packages="
  cmake ninja-build dpkg-dev
  g++-mingw-w64-x86-64-posix qt6-base-dev-tools qt6-translations-l10n googletest fonts-ipafont-gothic
  nsis icoutils zip
  wine wine64 xvfb xauth xdotool xclip python3 python3-pil procps
"

packages=""
need_sources=""
for set in "$@"; do
  case $set in
  run) packages="$packages $run_packages" ;;
  test) packages="$packages $test_packages" ;;
  root) packages="$packages $root_packages" ;;
  release) packages="$packages $release_packages" ;;
  windows)
    packages="$packages $windows_packages"
    # The same URIs and suites as the machine's Debian entries, as deb-src.
    if ! grep -qs '^Types:.*deb-src' /etc/apt/sources.list.d/*.sources &&
      ! grep -qs '^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list; then
      need_sources=yes
    fi
    ;;
  *)
    echo "install-deps: unknown set '$set'; $usage" >&2
    exit 2
    ;;
  esac
done

missing=""
for p in $(echo "$packages" | tr ' ' '\n' | sort -u); do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ] && [ -z "$need_sources" ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "install-deps: missing:$missing${need_sources:+ (and Debian's deb-src entries)}; as root run: $0 $*" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ -n "$need_sources" ]; then
  echo "install-deps: adding Debian's deb-src entries to apt's sources (Qt for Windows is built from Debian's source)"
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $as_root tee /etc/apt/sources.list.d/dosecalc-debian-src.sources >/dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $as_root tee /etc/apt/sources.list.d/dosecalc-debian-src.list >/dev/null
  fi
fi
echo "install-deps: installing$missing"
$as_root apt-get update -q
if [ -n "$missing" ]; then
  # shellcheck disable=SC2086
  $as_root apt-get install -y -q --no-install-recommends $missing
fi
