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
"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  exit 0
fi

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "Packages are missing and this is not root and sudo is not available:$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# shellcheck disable=SC2086
$as_root apt-get update -q
# shellcheck disable=SC2086
$as_root apt-get install -y -q --no-install-recommends $missing
