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
#   windows build     mingw-w64, Qt for Windows from Debian's source (built once per machine and
#                     cached), the installer and the portable zip           build/windows
#   windows tests     under Wine: the calculation's tests; the window's tests at 96 and 144 dpi,
#                     the installer and the installed program on a private Xvfb; each in a fresh
#                     Wine prefix
#   reproducible      the release files of the commit checked out, built twice in two clones
#                     (scripts/check-reproducible.sh): the same bytes, or the first file that differs
# Tests that need a display start their own Xvfb (tests/run-with-xvfb.sh).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
fuzz_seconds=${DOSECALC_FUZZ_SECONDS:-60}
started=$(date +%s)

stage() {
  printf '\n==> %s  (at %ds)\n' "$*" "$(($(date +%s) - started))"
}

run_suite() {
  ctest --test-dir "$1" --output-on-failure --timeout 600 --parallel 2
}

stage "packages, code format"
"$root/scripts/install-deps.sh" run test windows
"$root/scripts/format.sh" --check

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

stage "windows build: mingw-w64, Qt for Windows, installer (build/windows)"
"$root/scripts/build-windows.sh" "$root/build/windows"

stage "windows tests under Wine"
run_suite "$root/build/windows"

stage "reproducible: the release built twice from two clones of the commit"
"$root/scripts/check-reproducible.sh"

stage "all stages passed"
