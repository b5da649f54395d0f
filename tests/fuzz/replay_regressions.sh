#!/usr/bin/env bash
# Runs one libFuzzer target once on each file of the given folders: the crashers kept after
# their fix, so a fixed finding stays fixed, and the seed corpus.
#   replay_regressions.sh <fuzzer> <folder>...
set -euo pipefail
fuzzer=$1
shift
shopt -s nullglob
inputs=()
for folder in "$@"; do
    inputs+=("$folder"/*)
done
if [ ${#inputs[@]} -eq 0 ]; then
    echo "no inputs in $*"
    exit 1
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$fuzzer" "${inputs[@]}"
