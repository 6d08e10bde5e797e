#!/bin/sh
# Renders the picture of each verdict level, 0 to 8, with dosecalc-snapshot and puts the nine
# side by side into one PNG (docs/verdict-strip.png unless told otherwise).
# Usage: tools/make-verdict-strip.sh BUILD_DIR [OUTPUT.png] [ANGLE]
# BUILD_DIR is a configured tree (scripts/build.sh BUILD_DIR); the tools are built in it first.
set -eu
. "$(dirname "$0")/picture-tools.sh"
build=${1:?usage: make-verdict-strip.sh BUILD_DIR [OUTPUT.png] [ANGLE]}
out=${2:-$root/docs/verdict-strip.png}
angle=${3:-45}
build_tools "$build" tools/dosecalc-snapshot tools/png-strip

# faceType and decorA of each verdict level, 0 to 8, as the window's verdict table has them
# (decorB is 0 on every level).
level=0
pictures=""
for selectors in "10 14" "19 0" "24 9" "28 0" "15 0" "31 0" "31 0" "31 0" "31 0"; do
  snapshot "level-$level" --face "${selectors% *}" --decor-a "${selectors#* }" --angle "$angle"
  pictures="$pictures $work/level-$level.png"
  level=$((level + 1))
done
render_snapshots "$build"

mkdir -p "$(dirname "$out")"
# shellcheck disable=SC2086
"$build/tools/png-strip" --out "$out" $pictures
echo "wrote $out"
