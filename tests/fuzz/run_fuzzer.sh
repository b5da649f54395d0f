#!/usr/bin/env bash
# Runs one libFuzzer target for a given time from its seed corpus.
#   run_fuzzer.sh <fuzzer> <seconds> <work folder> <seed corpus folder>
# New inputs go to <work folder>/corpus, a crasher to <work folder>/crash-*; copy a crasher
# into tests/fuzz/regressions/<target>/ once it is fixed, so the replay test keeps it.
set -euo pipefail
fuzzer=$1 seconds=$2 work=$3 seeds=$4
mkdir -p "$work/corpus"
# Every report ends the run with a failure; leaks count.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=0:detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "$seeds" 2>"$work/log" ||
    { status=$?; tail -n 80 "$work/log"; echo "fuzzer failed ($status); inputs in $work"; exit 1; }
grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' "$work/log" || true
