#!/bin/sh
# Renders the program's icon, the start face (face type 1) as the face panel draws its first
# frame, at the usual icon-theme sizes into data/icons/hicolor/<N>x<N>/apps/<app id>.png.
# The PNGs are committed, so installing and packaging the program needs no GL.
#   scripts/make-icons.sh [PATH/TO/dosecalc-snapshot]
# With no tool named it builds the project in build/release and uses the one built there.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

snapshot=${1:-}

# The application id is the name of the one desktop entry in data/.
app_id=""
for entry in "$root"/data/*.desktop; do
  if [ -n "$app_id" ] || [ ! -f "$entry" ]; then
    echo "make-icons: expected exactly one desktop entry in data/" >&2
    exit 1
  fi
  app_id=$(basename "$entry" .desktop)
done

if [ -z "$snapshot" ]; then
  "$root/scripts/install-deps.sh" run
  "$root/scripts/build.sh" "$root/build/release" -DCMAKE_BUILD_TYPE=Release \
    -DDOSECALC_BUILD_TESTS=OFF -DDOSECALC_BUILD_BENCH=OFF
  snapshot=$root/build/release/tools/dosecalc-snapshot
fi

for size in 16 22 24 32 48 64 128 256 512; do
  dir=$root/data/icons/hicolor/${size}x${size}/apps
  mkdir -p "$dir"
  "$snapshot" --out "$dir/$app_id.png" --face 1 --size "${size}x${size}"
  echo "$dir/$app_id.png"
done
