#!/bin/sh
# Fuzzes the calculation for a bounded time:  fuzz/run-fuzzer.sh FUZZ_BUILD_DIR [SECONDS]
# The build directory is a fuzzing tree (clang, libFuzzer, ASan + UBSan), configured with
#   -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDOSECALC_FUZZ=ON -DDOSECALC_SANITIZE=ON
# The fuzzer starts from the committed seeds and keeps the inputs it finds in FUZZ_BUILD_DIR/corpus
# (the seeds stay as committed). A crash, a sanitizer report, a broken invariant or an input that
# takes longer than 10 s leaves the input in FUZZ_BUILD_DIR/artifacts and fails the run.
# libFuzzer's progress goes to FUZZ_BUILD_DIR/fuzz.log; its summary (or, on a failure, the end of
# the log with the report) is printed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1
seconds=${2:-60}
mkdir -p "$build/corpus" "$build/artifacts"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:report_error_type=1:${UBSAN_OPTIONS:-}"
log="$build/fuzz.log"
status=0
"$build/fuzz/calculation_fuzzer" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -use_value_profile=1 -dict="$here/calculation.dict" -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" \
  "$build/corpus" "$here/corpus/calculation" >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 80 "$log"
  echo "fuzzing failed (status $status); the input is in $build/artifacts, the whole log in $log" >&2
  exit "$status"
fi
grep -E '^(Done|stat::)' "$log"
