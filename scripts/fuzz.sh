#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every fuzz target of a fuzzing build (make fuzz) for FUZZ_SECONDS (60) each, starting
# from the seed corpus in tests/fuzz/corpus/<target>/, which stays as it is: what the fuzzer
# learns goes to <build>/fuzz-corpus/. A crash, a sanitizer report, a leak or one input taking
# over 5 seconds fails the run; the input is kept in <build>/fuzz-artifacts/ and belongs in
# tests/fuzz/regressions/<target>/ once the fault is fixed. Usage: scripts/fuzz.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

failed=0
for target in generate table_check design_list; do
  program="$build/tests/fuzz/fuzz_$target"
  dict=tests/fuzz/tables.dict
  [ ! -f "tests/fuzz/$target.dict" ] || dict="tests/fuzz/$target.dict"
  work="$build/fuzz-corpus/$target"
  log="$artifacts/fuzz_$target.log"
  mkdir -p "$work"
  echo "fuzz_$target: ${seconds}s from tests/fuzz/corpus/$target"
  if ! "$program" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=16384 \
      -dict="$dict" -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
      "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    failed=1
    echo "fuzz_$target FAILED; the end of $log:"
    tail -n 60 "$log"
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
    "$log" | sed 's/^/  /' || true
done
exit $failed
