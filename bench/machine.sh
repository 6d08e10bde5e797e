# Shared by the benchmark scripts of bench/ (sourced, not run): the release tree they measure and
# the description of the machine that heads their figures.
# shellcheck shell=sh

# build_release BUILD_DIR: configures and builds the program and its benchmarks for release.
build_release() {
  "$root/scripts/build.sh" "$1" -DCMAKE_BUILD_TYPE=Release -DDOSECALC_BUILD_TESTS=OFF >/dev/null
}

# build_commit_release COMMIT: checks out another commit beside this tree and builds it for release
# in build/beside-COMMIT/release (reused when there), so that benchmarks can run both in one run.
# Sets `other` to build/beside-COMMIT.
build_commit_release() {
  other=$root/build/beside-$(git -C "$root" rev-parse --short "$1")
  if [ ! -d "$other/src" ]; then
    mkdir -p "$other"
    git -C "$root" worktree add --detach "$other/src" "$1" >/dev/null
  fi
  (root=$other/src && build_release "$other/release")
}

package_version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo unknown; }

# describe_machine: the "## Machine" section, as Markdown.
describe_machine() {
  echo "## Machine"
  echo
  echo "- CPU: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), $(nproc) cores available to the run"
  echo "- Memory: $(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
  echo "- System: Debian $(cat /etc/debian_version), Linux $(uname -r)"
  echo "- Mesa $(package_version libgl1-mesa-dri) (llvmpipe), GLU $(package_version libglu1-mesa), Qt $(package_version libqt6core6), Xvfb $(package_version xvfb)"
  echo "- Build: $(c++ --version | head -n 1), CMAKE_BUILD_TYPE=Release"
  echo "- Load before the run: $(cut -d ' ' -f 1-3 /proc/loadavg)"
  echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
}

# catalogue_table BUILD_DIR: the frame cost of every catalogue entry, dearest first.
catalogue_table() {
  echo "## Frame cost per catalogue entry (headless, 241 x 177)"
  echo
  "$1/bench/dosecalc-frame-bench" --catalogue
}
