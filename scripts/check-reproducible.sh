#!/bin/sh
# Checks that the release files of the commit checked out are reproducible: clones it into two
# folders of different names and depths, runs scripts/release.sh in each, one after the other, and
# compares what they wrote. Names the first file that differs (with diffoscope's account of how,
# where it is installed) and fails; the checked-out commit is what is checked, not uncommitted
# changes. With OUTDIR, the release files checked are left there.
#   scripts/check-reproducible.sh [OUTDIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -le 1 ] || {
  echo "check-reproducible: too many arguments; usage: scripts/check-reproducible.sh [OUTDIR]" >&2
  exit 2
}
outdir=${1:+$(realpath -m "$1")}
commit=$(git -C "$root" rev-parse HEAD)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for clone in one/dosecalc two/elsewhere/dosecalc-clone; do
  git clone -q --no-local --no-checkout "$root" "$work/$clone"
  git -C "$work/$clone" checkout -q --detach "$commit"
  echo "check-reproducible: release of $(git -C "$root" rev-parse --short HEAD) in $work/$clone"
  "$work/$clone/scripts/release.sh" "$work/$clone/dist" >/dev/null
done

first=$work/one/dosecalc/dist
second=$work/two/elsewhere/dosecalc-clone/dist
for file in $(cut -d' ' -f3 "$first/SHA256SUMS") SHA256SUMS; do
  if ! cmp "$first/$file" "$second/$file"; then
    if command -v diffoscope >/dev/null 2>&1; then
      diffoscope --text - "$first/$file" "$second/$file" | head -n 60 || true
    fi
    echo "check-reproducible: $file differs between two builds of the same commit" >&2
    exit 1
  fi
done
echo "check-reproducible: the same bytes twice:"
cat "$first/SHA256SUMS"
if [ -n "$outdir" ]; then
  rm -rf "$outdir"
  mkdir -p "$(dirname "$outdir")"
  cp -a "$first" "$outdir"
fi
