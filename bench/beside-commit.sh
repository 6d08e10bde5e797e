#!/bin/sh
# Runs one benchmark of this tree and the same benchmark built from another commit, taking turns,
# so that both meet the same machine in one run:
#   bench/beside-commit.sh COMMIT ROUNDS BENCHMARK [ARGS...]
# BENCHMARK is a path inside a release build tree (bench/dosecalc-frame-bench, app/dosecalc, ...);
# the commit's tree is checked out and built in build/beside-COMMIT. Each round prints the
# commit's output, then this tree's, each headed by its name. Example:
#   bench/beside-commit.sh 49212a4 3 bench/dosecalc-frame-bench --frames 300
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 3 ] || { echo "usage: $0 COMMIT ROUNDS BENCHMARK [ARGS...]" >&2; exit 2; }
commit=$(git -C "$root" rev-parse --short "$1")
rounds=$2
benchmark=$3
shift 3
"$root/scripts/install-deps.sh" run test
. "$root/bench/machine.sh"

build_commit_release "$commit"
build_release "$root/build/bench"

describe_machine
for round in $(seq 1 "$rounds"); do
  for tree in "$other/release:$commit" "$root/build/bench:this tree"; do
    echo
    echo "### Round $round: ${tree#*:}"
    echo
    "${tree%%:*}/$benchmark" "$@"
  done
done
