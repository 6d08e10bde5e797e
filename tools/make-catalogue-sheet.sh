#!/bin/sh
# Renders every face type, 1 to 36, and every decoration, A1 to A24, B1 to B16 and C1 to C4, with
# dosecalc-snapshot at one angle, and lays them out labelled with their ids in one PNG
# (docs/catalogue.png unless told otherwise). Each decoration is shown over face 1, and alone on
# the backdrop as well where it overlaps the face (where one may hide the other).
# Usage: tools/make-catalogue-sheet.sh BUILD_DIR [OUTPUT.png] [ANGLE]
# BUILD_DIR is a configured tree (scripts/build.sh BUILD_DIR); the tools are built in it first.
set -eu
. "$(dirname "$0")/picture-tools.sh"
build=${1:?usage: make-catalogue-sheet.sh BUILD_DIR [OUTPUT.png] [ANGLE]}
out=${2:-$root/docs/catalogue.png}
angle=${3:-45}
build_tools "$build" tools/dosecalc-snapshot tools/png-strip tools/png-overlap
columns=9

# Every picture first.
snapshot backdrop --face 0 --angle "$angle"
for id in $(seq 1 36); do
  snapshot "face$id" --face "$id" --angle "$angle"
done
for catalogue in A:24:--decor-a B:16:--decor-b C:4:--decor-c; do
  letter=${catalogue%%:*}
  option=${catalogue##*:}
  count=${catalogue#*:}
  count=${count%:*}
  for id in $(seq 1 "$count"); do
    snapshot "$letter$id" --face 1 "$option" "$id" --angle "$angle"
    snapshot "$letter$id-alone" --face 0 "$option" "$id" --angle "$angle"
  done
done
render_snapshots "$build"

# The sheet: the faces in rows of nine, then each decoration catalogue from a new row.
set --
for id in $(seq 1 36); do
  set -- "$@" --label "face $id" "$work/face$id.png"
done
for catalogue in A:24 B:16 C:4; do
  letter=${catalogue%%:*}
  set -- "$@" --next-row
  for id in $(seq 1 "${catalogue#*:}"); do
    set -- "$@" --label "$letter$id" "$work/$letter$id.png"
    overlap=$("$build/tools/png-overlap" "$work/backdrop.png" "$work/face1.png" "$work/$letter$id-alone.png")
    if [ "$overlap" -gt 0 ]; then
      set -- "$@" --label "$letter$id alone" "$work/$letter$id-alone.png"
    fi
  done
done
mkdir -p "$(dirname "$out")"
"$build/tools/png-strip" --out "$out" --columns "$columns" "$@"
echo "wrote $out"
