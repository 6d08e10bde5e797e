#!/bin/sh
# Everything CI checks (.ci/run), in stages; each stage is announced, and the first one that fails
# ends the run with its status:
#   packages, format  install what is missing (scripts/install-deps.sh); every C++ file as
#                     .clang-format has it (scripts/format.sh --check; scripts/format.sh formats)
#   build             g++, every warning an error                        build/test
#   tests             the whole ctest suite (soak runs included)
#   sanitizer build   g++ with AddressSanitizer, LeakSanitizer, UBSan    build/sanitize
#   sanitizer tests   the whole suite again; any sanitizer report fails it
#                     (options and suppressions: tests/sanitizers/)
#   fuzzer build      clang, libFuzzer, ASan + UBSan, the calculation    build/fuzz
#   fuzzing           the calculation for DOSECALC_FUZZ_SECONDS (60) seconds
#   debian 13         on a Debian 12 machine: the code format, the build (every warning an error)
#                     and the whole suite again in the Debian 13 build root
#                     (scripts/build-root.sh)                               build/debian-13
#   windows build     in the build root: mingw-w64, Qt for Windows from Debian's source (built
#                     once per machine and cached), the installer and the portable zip
#                                                                           build/windows
#   windows tests     in the build root, under Wine: the calculation's tests; the window's tests at
#                     96 and 144 dpi, the installer and the installed program on a private Xvfb;
#                     each in a fresh Wine prefix
#   reproducible      the release files of the commit checked out, built twice in two clones
#                     (scripts/check-reproducible.sh): the same bytes, or the first file that
#                     differs; the files are kept in build/release-files
#   fresh install     the release's .deb installed with apt on a brand-new Debian 12 and 13 (only
#                     13 on a Debian 13 machine) and started there (tests/desktop/fresh_install_test.py)
# Tests that need a display start their own Xvfb (tests/run-with-xvfb.sh).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
fuzz_seconds=${DOSECALC_FUZZ_SECONDS:-60}
started=$(date +%s)

stage() {
  printf '\n==> %s  (at %ds)\n' "$*" "$(($(date +%s) - started))"
}

ctest_options="--output-on-failure --timeout 600 --parallel 2"
run_suite() {
  # shellcheck disable=SC2086
  ctest --test-dir "$1" $ctest_options
}

stage "packages, code format"
"$root/scripts/install-deps.sh" run test root
"$root/scripts/format.sh" --check
. "$root/scripts/debian-release.sh"

stage "build: g++, warnings as errors (build/test)"
"$root/scripts/build.sh" "$root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOSECALC_WERROR=ON

stage "tests"
run_suite "$root/build/test"

stage "sanitizer build: ASan + LSan + UBSan (build/sanitize)"
"$root/scripts/build.sh" "$root/build/sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOSECALC_WERROR=ON \
  -DDOSECALC_SANITIZE=ON

stage "sanitizer tests"
run_suite "$root/build/sanitize"

stage "fuzzer build: clang, libFuzzer, ASan + UBSan (build/fuzz)"
"$root/scripts/build.sh" "$root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOSECALC_WERROR=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDOSECALC_SANITIZE=ON -DDOSECALC_FUZZ=ON

stage "fuzzing the calculation for ${fuzz_seconds} s"
"$root/fuzz/run-fuzzer.sh" "$root/build/fuzz" "$fuzz_seconds"

if [ "$release" = bookworm ]; then
  stage "debian 13: code format, build and tests in the build root (build/debian-13)"
  "$root/scripts/build-root.sh" "$root/scripts/format.sh" --check
  "$root/scripts/build-root.sh" "$root/scripts/build.sh" "$root/build/debian-13" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOSECALC_WERROR=ON
  # shellcheck disable=SC2086
  "$root/scripts/build-root.sh" ctest --test-dir "$root/build/debian-13" $ctest_options
fi

stage "windows build in the build root: mingw-w64, Qt for Windows, installer (build/windows)"
"$root/scripts/build-windows.sh" "$root/build/windows"

stage "windows tests under Wine, in the build root"
# shellcheck disable=SC2086
"$root/scripts/build-root.sh" ctest --test-dir "$root/build/windows" $ctest_options

stage "reproducible: the release built twice from two clones of the commit (build/release-files)"
"$root/scripts/check-reproducible.sh" "$root/build/release-files"

stage "fresh install: the release's package with apt on a brand-new Debian, started there"
deb=$(ls "$root"/build/release-files/dosecalc_*.deb)
if [ "$release" = bookworm ]; then
  "$root/tests/run-with-xvfb.sh" "$root/tests/desktop/fresh_install_test.py" "$deb" bookworm trixie
else
  "$root/tests/run-with-xvfb.sh" "$root/tests/desktop/fresh_install_test.py" "$deb" trixie
fi

stage "all stages passed"
