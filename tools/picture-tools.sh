# Shared by the picture scripts of tools/ (sourced, not run): the repository root, a scratch
# folder removed on exit, the build tree's tools brought up to date before they are used (so that
# a picture never comes from a binary older than the sources), and snapshots rendered in one run
# of dosecalc-snapshot.
# shellcheck shell=sh
root=$(cd "$(dirname "$0")/.." && pwd)
script=$(basename "$0")

fail() {
  echo "$script: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
case $work in
  *[[:space:]]*) fail "the scratch folder $work has a blank in its name; set TMPDIR to one without" ;;
esac

# build_tools BUILD_DIR PATH...: builds the targets of the tools at PATH (relative to the build
# tree, e.g. tools/png-strip; the target is the file's name) and checks that they are there. The
# tests that run these scripts set DOSECALC_TOOLS_BUILT, since ctest runs on a built tree and two
# builds of one tree must not run at once.
build_tools() {
  tree=$1
  shift
  [ -f "$tree/CMakeCache.txt" ] || fail "$tree is not a configured build tree (scripts/build.sh $tree)"
  if [ -z "${DOSECALC_TOOLS_BUILT:-}" ]; then
    targets=""
    for tool in "$@"; do
      targets="$targets ${tool##*/}"
    done
    # shellcheck disable=SC2086
    cmake --build "$tree" --target $targets >"$work/build.log" 2>&1 ||
      { cat "$work/build.log" >&2; fail "could not build$targets in $tree"; }
  fi
  for tool in "$@"; do
    [ -x "$tree/$tool" ] || fail "$tree/$tool is missing; build the tree first"
  done
}

# snapshot NAME OPTION...: adds the snapshot $work/NAME.png with those dosecalc-snapshot options to
# the list that render_snapshots renders.
snapshot() {
  name=$1
  shift
  echo "--out $work/$name.png $*" >>"$work/snapshots"
}

# render_snapshots BUILD_DIR: renders every snapshot listed so far.
render_snapshots() {
  "$1/tools/dosecalc-snapshot" --batch <"$work/snapshots"
  : >"$work/snapshots"
}
