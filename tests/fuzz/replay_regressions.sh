#!/usr/bin/env bash
# Runs one libFuzzer target once on each kept crasher, so a fixed finding stays fixed.
#   replay_regressions.sh <fuzzer> <regressions folder>
set -euo pipefail
fuzzer=$1 folder=$2
shopt -s nullglob
inputs=("$folder"/*)
if [ ${#inputs[@]} -eq 0 ]; then
    echo "no regression inputs in $folder"
    exit 0
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$fuzzer" "${inputs[@]}"
