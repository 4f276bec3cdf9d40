#!/usr/bin/env bash
# Runs every fuzz target (or the TARGETs named) in turn for a share of HOURS
# (default 1), at the lowest priority, growing its corpus in build-fuzz/corpus/<name>/ (seeded from
# fuzz/corpus/<name>/ on the first run, kept between runs). Crashes are saved
# in build-fuzz/crashes/<name>/; add them to fuzz/corpus/<name>/ with the fix.
#
#   scripts/fuzz-long.sh [HOURS] [TARGET...]
#
# Prints, per target, the seconds run, executions, corpus size and crashes
# (crashes, leaks, timeouts and out-of-memory inputs; not slow inputs).
set -euo pipefail
cd "$(dirname "$0")/.."
hours=${1:-1}
shift || true
source scripts/deps.sh
use_compiler_cache
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVARNICK_FUZZ=ON -DVARNICK_BUILD_APP=OFF -DVARNICK_BUILD_TESTS=OFF -DVARNICK_BUILD_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    cmake --build build-fuzz -j"$(nproc)" >/dev/null
    for binary in build-fuzz/bin/fuzz_*; do
        [ -x "$binary" ] && targets+=("${binary##*/fuzz_}")
    done
else
    cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null
fi
seconds=$(awk -v h="$hours" -v n="${#targets[@]}" 'BEGIN { printf "%d", h * 3600 / n }')
[ "$seconds" -ge 1 ] || seconds=1
status=0
printf '%-22s %8s %12s %8s %8s\n' target seconds executions corpus crashes
for name in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$name
    crashes=build-fuzz/crashes/$name
    mkdir -p "$corpus" "$crashes"
    if [ -d "fuzz/corpus/$name" ] && [ -z "$(ls -A "$corpus")" ]; then
        cp -r "fuzz/corpus/$name/." "$corpus/"
    fi
    log=build-fuzz/fuzz-$name.log
    set +e
    nice -n 19 "build-fuzz/bin/fuzz_$name" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$corpus" >"$log" 2>&1
    result=$?
    set -e
    executions=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{ print $2 }' | tail -n 1)
    # libFuzzer also keeps inputs that merely ran slowly (slow-unit-*); at the
    # lowest priority on a busy machine that says nothing about the code.
    found=$(find "$crashes" -type f ! -name 'slow-unit-*' | wc -l)
    printf '%-22s %8d %12s %8d %8d\n' "$name" "$seconds" "${executions:-?}" "$(ls -A "$corpus" | wc -l)" "$found"
    if [ $result -ne 0 ]; then
        status=1
        tail -n 30 "$log"
    fi
done
exit $status
