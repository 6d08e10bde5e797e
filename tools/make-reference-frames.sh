#!/bin/sh
# Writes the reference frames of the catalogue again (tests/visualizer/reference/frames/), for
# when a change to a picture is intended: every face type calm and excited and every decoration
# alone and over face 1, at two angles, drawn exactly as the reference-frame test draws them.
# Frames of entries no longer in the catalogue are removed. Look at what changed before
# committing it (git status; tools/make-catalogue-sheet.sh shows the whole catalogue).
# Usage: tools/make-reference-frames.sh BUILD_DIR
# BUILD_DIR is a configured tree with the tests (scripts/build.sh BUILD_DIR); the writer is built
# in it first.
set -eu
. "$(dirname "$0")/picture-tools.sh"
build=${1:?usage: make-reference-frames.sh BUILD_DIR}
build_tools "$build" tests/visualizer/write-reference-frames
"$build/tests/visualizer/write-reference-frames" "$root/tests/visualizer/reference/frames"
