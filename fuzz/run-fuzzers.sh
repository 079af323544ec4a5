#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into FOLDER (default build-fuzz) and
# runs each for a bounded time under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the seeds in fuzz/corpus/.
# Fails on any crash, hang (2 s for one input), leak, memory blow-up or failed
# check; the input that caused it is kept in FOLDER/fuzz/artifacts/.
#   bash fuzz/run-fuzzers.sh [FOLDER]
# QUARVEL_FUZZ_SECONDS sets the time per target (default 50: six targets stay
# within six minutes).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-fuzz}
seconds=${QUARVEL_FUZZ_SECONDS:-50}
targets=(designfile wholenumber numbermask tracer constructionline constructionplan)

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DQUARVEL_FUZZ=ON \
    -DQUARVEL_BENCHMARKS=OFF -DQUARVEL_WERROR=ON
cmake --build "$build" --target quarvel-fuzzers -j"$(nproc 2>/dev/null || echo 2)"

artifacts="$build/fuzz/artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
for target in "${targets[@]}"; do
    # New inputs go to a scratch folder: the seeds in the repository stay as they are.
    mkdir -p "$work/$target"
    log="$work/$target.log"
    started=$SECONDS
    status=0
    # The outer timeout only guards against libFuzzer itself not stopping.
    timeout -k 10 $((seconds + 60)) "$build/fuzz/quarvel-fuzz-$target" \
        -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" \
        "$work/$target" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" -eq 0 ]; then
        echo "fuzz $target: ${runs:-?} inputs in $((SECONDS - started)) s, no fault"
    else
        echo "fuzz $target: FAILED (exit $status) after $((SECONDS - started)) s" >&2
        grep -E '^(==[0-9]+==ERROR|SUMMARY|fuzz check failed|.*runtime error)' "$log" >&2 || true
        tail -n 40 "$log" >&2
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in $artifacts)" >&2
    exit 1
fi
