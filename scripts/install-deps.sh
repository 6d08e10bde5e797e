#!/bin/sh
# Installs every Debian 12 package the project needs to build, run and test.
# Idempotent: when everything is present it changes nothing and needs no root.
set -eu

packages="
  g++ cmake ninja-build ccache pkg-config make git
  qt6-base-dev qt6-wayland qt6-translations-l10n weston
  libgl-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri libegl-mesa0 libglx-mesa0
  libpng-dev
  fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format-14
  xvfb xauth x11-utils xdotool
  dbus dbus-x11 at-spi2-core python3 python3-pyatspi
  desktop-file-utils appstream dpkg-dev file
  g++-mingw-w64-x86-64-posix qt6-base-dev-tools qt6-translations-l10n googletest
  wine wine64 nsis icoutils zip python3-pil xclip procps
"

# The Windows build compiles Qt from Debian's source package qt6-base, so apt needs the source
# entries beside the machine's Debian ones: the same URIs and suites, as deb-src.
need_sources=""
if ! grep -qs '^Types:.*deb-src' /etc/apt/sources.list.d/*.sources &&
  ! grep -qs '^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list; then
  need_sources=yes
fi

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ] && [ -z "$need_sources" ]; then
  exit 0
fi

echo "Installing:$missing${need_sources:+ (and Debian's source entries)}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "Packages are missing and this is not root and sudo is not available:$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ -n "$need_sources" ]; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $as_root tee /etc/apt/sources.list.d/dosecalc-debian-src.sources >/dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $as_root tee /etc/apt/sources.list.d/dosecalc-debian-src.list >/dev/null
  fi
fi
# shellcheck disable=SC2086
$as_root apt-get update -q
if [ -n "$missing" ]; then
  # shellcheck disable=SC2086
  $as_root apt-get install -y -q --no-install-recommends $missing
fi
