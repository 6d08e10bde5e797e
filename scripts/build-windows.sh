#!/bin/sh
# Builds dosecalc for 64-bit Windows and packages it, in the Debian 13 build root
# (scripts/build-root.sh) on any machine, so that the Windows files do not depend on the machine's
# own release:
#   scripts/build-windows.sh [BUILD_DIR [CMAKE_ARGUMENTS...]]      (default build/windows)
# 1. Qt for mingw-w64 from Debian's own source package qt6-base, of the version of the root's Qt
#    tools, and GoogleTest from Debian's googletest sources: built once per machine into
#    $DOSECALC_CACHE/windows (default ~/.cache/dosecalc/windows), one folder per version and
#    configuration, reused while present;
# 2. the program (Release, stripped), the calculation's and the window's tests (unless
#    -DDOSECALC_BUILD_TESTS=OFF), in BUILD_DIR;
# 3. BUILD_DIR/dosecalc-VERSION-setup.exe (NSIS) and BUILD_DIR/dosecalc-VERSION-windows.zip
#    (portable), holding the same files: the program, Qt's libraries and plugins, the mingw
#    runtime, Qt's Japanese translation and the fallback Japanese fonts with their licences.
# With SOURCE_DATE_EPOCH set (scripts/release.sh sets it), both carry that time for every file and
# are the same bytes in every build of the same sources.
# The tests run in the root too: scripts/build-root.sh ctest --test-dir BUILD_DIR.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath -m "${1:-$root/build/windows}")
[ $# -gt 0 ] && shift
if [ ! -f /etc/dosecalc-build-root ]; then
  mkdir -p "$build_dir"
  exec "$root/scripts/build-root.sh" --bind "$build_dir" "$root/scripts/build-windows.sh" "$build_dir" "$@"
fi
cache=${DOSECALC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dosecalc}/windows
toolchain=$root/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc)

installed_version() {
  dpkg-query -W -f='${Version}' "$1"
}

# The Qt source must be the very version of the root's Qt tools (moc, rcc, uic) it is built with.
qt_version=$(installed_version qt6-base-dev-tools)

# Qt: the modules the program and its tests use, shared, built as Qt's unity build (its sources
# compiled in batches, which more than halves the time), desktop OpenGL, the libraries Qt bundles
# (Debian's +dfsg tarball keeps them; only the tablet SDK header is gone). DirectWrite 3 and
# Direct2D as Qt finds them in mingw-w64's headers: fonts come through DirectWrite, Qt's default on
# Windows (Qt's GUI library builds its custom font loader only with Direct2D, and does not compile
# without it); without Direct2D 1.1, which only Qt's Direct2D platform plugin needs, not shipped. No timestamps in the DLLs' headers; build paths are mapped in build_qt, so that two
# machines building the same version get the same bytes.
qt_options="
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_UNITY_BUILD=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DINPUT_opengl=desktop
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
  -DCMAKE_SHARED_LINKER_FLAGS=-Wl,--no-insert-timestamp
  -DCMAKE_EXE_LINKER_FLAGS=-Wl,--no-insert-timestamp
"
# The cache folder is named by the version and these options, so changing them builds Qt again.
qt_key=$qt_version-$(printf '%s' "$qt_options" | sha256sum | cut -c1-8)
qt_prefix=$cache/qt-$qt_key
gtest_version=$(installed_version googletest)
gtest_prefix=$cache/googletest-$gtest_version

mkdir -p "$cache"
# One build of each at a time on this machine; a second run waits and then reuses it.
exec 9>"$cache/.lock"
flock 9

# Runs a step of a build with its output appended to the log; a failing step shows the log's end
# and ends the script. The log is kept beside the cache's folders.
logged() {
  log=$1
  shift
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "build-windows: failed: $*; the whole log: $log" >&2
    exit 1
  fi
}

# Qt's sources come from Debian's archive; the build's file paths are mapped to fixed ones and
# SOURCE_DATE_EPOCH is the source package's date. A build that was interrupted goes on where it
# stopped.
build_qt() {
  work=$cache/qt-$qt_key.work
  log=$cache/qt-$qt_key.log
  rm -rf "$qt_prefix.partial"
  echo "Building Qt $qt_version for Windows into $qt_prefix (once per machine, about 30 min on 2 idle cores; log: $log)"
  if [ ! -f "$work/src.extracted" ]; then
    rm -rf "$work"
    mkdir -p "$work"
    : >"$log"
    logged "$log" sh -c 'cd "$1" && apt-get source --only-source --download-only -q "qt6-base=$2" &&
      dpkg-source -x ./*.dsc src' sh "$work" "$qt_version"
    touch "$work/src.extracted"
  fi
  SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$work/src/debian/changelog" -S Timestamp)
  export SOURCE_DATE_EPOCH
  prefix_map="-ffile-prefix-map=$work/src=/usr/src/qt6-base -ffile-prefix-map=$work/build=/usr/src/qt6-base/build"
  # shellcheck disable=SC2086
  logged "$log" cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix.partial" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_C_FLAGS="$prefix_map" -DCMAKE_CXX_FLAGS="$prefix_map" \
    $qt_options
  logged "$log" cmake --build "$work/build" --parallel "$jobs"
  logged "$log" cmake --install "$work/build"
  mv "$qt_prefix.partial" "$qt_prefix"
  rm -rf "$work"
}

build_gtest() {
  work=$cache/googletest-$gtest_version.work
  log=$cache/googletest-$gtest_version.log
  rm -rf "$work" "$gtest_prefix.partial"
  : >"$log"
  echo "Building GoogleTest $gtest_version for Windows into $gtest_prefix"
  logged "$log" cmake -S /usr/src/googletest -B "$work" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix.partial" \
    -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON
  logged "$log" cmake --build "$work" --parallel "$jobs"
  logged "$log" cmake --install "$work"
  mv "$gtest_prefix.partial" "$gtest_prefix"
  rm -rf "$work"
}

[ -d "$qt_prefix" ] || build_qt
[ -d "$gtest_prefix" ] || build_gtest
flock -u 9

echo "Building dosecalc for Windows in $build_dir"
# Through ccache where it is installed, as scripts/build.sh builds for Linux.
launcher=""
if command -v ccache >/dev/null 2>&1; then
  launcher="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
# Paths under the tree are hashed relative to it, so clones in other folders share the cache.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
# Qt is found through a link in the build folder, so the linker is given its import libraries by
# paths relative to the build: ld orders a program's imported DLLs by the file names of their
# import libraries, and an absolute path would put Qt's before or after the system's depending on
# where the cache lies.
mkdir -p "$build_dir"
ln -sfn "$qt_prefix" "$build_dir/qt"
# shellcheck disable=SC2086
cmake -S "$root" -B "$build_dir" -G Ninja $launcher \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$build_dir/qt;$gtest_prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DDOSECALC_WERROR=ON -DDOSECALC_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build "$build_dir" --parallel "$jobs"

# The program's folder, stripped, as both packages ship it.
folder=$build_dir/dosecalc
rm -rf "$folder"
cmake --install "$build_dir" --prefix "$folder" >/dev/null
find "$folder" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  find "$folder" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
fi

# The installer writes the folder's files, and the uninstaller deletes exactly these files and then
# the folders, deepest first; in a fixed order, so the installer's bytes do not follow the order
# in which the file system lists a folder.
install_list=$build_dir/install-list.nsh
uninstall_list=$build_dir/uninstall-list.nsh
(cd "$folder" && find . -type f | LC_ALL=C sort | sed 's|^\./||') >"$build_dir/folder-files"
awk -v folder="$folder" '{
  dir = $0
  if (!sub(/\/[^\/]*$/, "", dir)) dir = ""
  if (NR == 1 || dir != last) {
    out = dir
    gsub(/\//, "\\", out)
    printf "  SetOutPath \"$INSTDIR%s\"\n", out == "" ? "" : "\\" out
    last = dir
  }
  printf "  File \"%s/%s\"\n", folder, $0
}' "$build_dir/folder-files" >"$install_list"
(sed 's|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|' "$build_dir/folder-files" &&
  (cd "$folder" && find . -mindepth 1 -type d | LC_ALL=C sort -r) |
  sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') >"$uninstall_list"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
installer=dosecalc-$version-setup.exe
zip=dosecalc-$version-windows.zip
rm -f "$build_dir/$installer" "$build_dir/$zip"
makensis -V2 -INPUTCHARSET UTF8 \
  -DINSTALL_LIST="$install_list" -DUNINSTALL_LIST="$uninstall_list" -DICON="$build_dir/dosecalc.ico" \
  -DVERSION="$version" -DOUTFILE="$build_dir/$installer" "$root/data/windows/dosecalc.nsi"
# The zip: files only, in the same order, with no extra attributes beyond their (UTC) times.
(cd "$build_dir" && sed 's|^|dosecalc/|' folder-files | TZ=UTC zip -q -X -D -9 "$zip" -@)

for package in "$installer" "$zip"; do
  echo "Wrote $build_dir/$package ($(du -k "$build_dir/$package" | cut -f1) KiB)"
done
