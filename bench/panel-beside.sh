#!/bin/sh
# What the face panel costs, this tree beside another commit's build in one run, so that both meet
# the same machine: start-up to the face on screen (X11), and the CPU the running window takes,
# shown and minimised under X11 and shown under Wayland.
#   bench/panel-beside.sh [COMMIT [SECONDS]]   (default 49212a4, the panel as a native child window,
#                                               and 30 s a state; about 12 minutes after the builds)
# The commit's tree is checked out and built for release in build/beside-COMMIT; this tree's
# release build is build/bench. Run it on an otherwise idle machine.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse --short "${1:-49212a4}")
seconds=${2:-30}
"$root/scripts/install-deps.sh" run test
. "$root/bench/machine.sh"

build_commit_release "$commit"
build_release "$root/build/bench"
xvfb="$root/tests/run-with-xvfb.sh"
weston="$root/tests/run-with-weston.sh"
XDG_RUNTIME_DIR=$(mktemp -d) # Qt wants one under X11; a private one also keeps its warning away
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
# The tables name the builds, not their paths.
named() { sed -e "s|$other/release/app/dosecalc|$commit|" -e "s|$root/build/bench/app/dosecalc|this tree|"; }

describe_machine
echo
echo "## Start-up to the face on screen (Xvfb)"
echo
"$xvfb" "$root/build/bench/bench/dosecalc-first-frame-bench" --runs 10 "$other/release/app/dosecalc" \
  "$root/build/bench/app/dosecalc" | named
for platform in "X11:$xvfb" "Wayland:$weston"; do
  echo
  echo "## CPU with the window shown and minimised under ${platform%%:*}"
  for program in "$other/release/app/dosecalc" "$root/build/bench/app/dosecalc"; do
    echo
    echo "### $program" | named
    echo
    "${platform#*:}" "$root/bench/measure-cpu-share.sh" "$program" "$seconds"
  done
done
