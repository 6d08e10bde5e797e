#!/bin/sh
# Makes the release files of the commit checked out, from a tree without uncommitted changes:
#   scripts/release.sh [OUTDIR]                                   (default dist/)
#   dosecalc_VERSION_amd64.deb      the Debian package
#   dosecalc-VERSION-setup.exe      the Windows installer
#   dosecalc-VERSION-windows.zip    the Windows program's folder, to run from anywhere
#   dosecalc-VERSION.tar.gz         the source, as git archive gives it
#   SHA256SUMS                      their checksums, for sha256sum -c
# Every file carries the commit's time (SOURCE_DATE_EPOCH) and no build path, so every run on the
# same commit writes the same bytes, wherever the tree lies (scripts/check-reproducible.sh). The
# Debian package is the machine's release's; the Windows files come from the Debian 13 build root
# (scripts/build-windows.sh) and are the same on a Debian 12 and a Debian 13 machine.
# The release trees, build/release-linux and build/release-windows, are built from empty folders.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: scripts/release.sh [OUTDIR]"
[ $# -le 1 ] || {
  echo "release: too many arguments; $usage" >&2
  exit 2
}
outdir=$(realpath -m "${1:-$root/dist}")
cd "$root"
git rev-parse --git-dir >/dev/null 2>&1 || {
  echo "release: $root is not a git checkout; a release is made from a commit" >&2
  exit 1
}
[ -z "$(git status --porcelain)" ] || {
  echo "release: the tree has uncommitted changes (see git status); commit or stash them first" >&2
  exit 1
}

"$root/scripts/install-deps.sh" run release
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

linux_build=$root/build/release-linux
windows_build=$root/build/release-windows
rm -rf "$linux_build" "$windows_build"
"$root/scripts/build.sh" "$linux_build" -DCMAKE_BUILD_TYPE=Release -DDOSECALC_BUILD_TESTS=OFF \
  -DDOSECALC_BUILD_BENCH=OFF >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$linux_build/CMakeCache.txt")
(cd "$linux_build" && cpack -G DEB >/dev/null)

"$root/scripts/build-windows.sh" "$windows_build" -DDOSECALC_BUILD_TESTS=OFF >/dev/null

deb=dosecalc_${version}_$(dpkg --print-architecture).deb
installer=dosecalc-$version-setup.exe
zip=dosecalc-$version-windows.zip
source=dosecalc-$version.tar.gz
mkdir -p "$outdir"
rm -f "$outdir/$deb" "$outdir/$installer" "$outdir/$zip" "$outdir/$source" "$outdir/SHA256SUMS"
cp "$linux_build/$deb" "$windows_build/$installer" "$windows_build/$zip" "$outdir/"
git archive --format=tar.gz --prefix="dosecalc-$version/" --output="$outdir/$source" HEAD
(cd "$outdir" && sha256sum "$deb" "$installer" "$zip" "$source" >SHA256SUMS)

echo "dosecalc $version, commit $(git rev-parse --short HEAD), in $outdir:"
for file in "$deb" "$installer" "$zip" "$source" SHA256SUMS; do
  printf '  %-32s %10s bytes\n' "$file" "$(stat -c %s "$outdir/$file")"
done
