#!/usr/bin/env bash
# Builds everything and runs every test: the native build, the crash harness
# (20 kills per write; VARNICK_CRASH_KILLS to change), the same tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, the threaded tests
# under ThreadSanitizer (VARNICK_RUN_TSAN=0 leaves them out), and a short run of each fuzz
# target, after checking the formatting and the names. Installs what it needs
# on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_packages "${BUILD_PACKAGES[@]}" clang clang-format clang-tidy libclang-rt-14-dev xvfb xauth
use_compiler_cache

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
summary=()
passed=0
failed=0

run_ctest() {
    local dir=$1 label=$2 log
    shift 2
    log=$(mktemp)
    set +e
    ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 300 "$@" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    set -e
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$log" | tail -n 1 || true)
    if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        failed=$((failed + BASH_REMATCH[1]))
        passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    fi
    summary+=("$label: ${line:-no result}")
    rm -f "$log"
    return "$status"
}

status=0

# Each stage's header; the time each took is printed with the summary.
stage_names=()
stage_starts=()
stage() {
    echo "== $1"
    stage_names+=("${1%% (*}")
    stage_starts+=("$SECONDS")
}

stage "Formatting (clang-format)"
if git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror; then
    passed=$((passed + 1)); summary+=("format: ok")
else
    failed=$((failed + 1)); summary+=("format: FAILED (run clang-format -i on the files above)"); status=1
fi

stage "Names (clang-tidy's naming rules over every header)"
# Needs only the configured build's compile commands, not a build.
cmake -S . -B build -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if scripts/check-names.sh build; then
    passed=$((passed + 1)); summary+=("names: ok")
else
    failed=$((failed + 1)); summary+=("names: FAILED (see the names above and .clang-tidy)"); status=1
fi

stage "Native build"
cmake --build build -j"$jobs"
run_ctest build native || status=1

stage "Crash harness (kills during every write)"
if scripts/crash-harness.sh "${VARNICK_CRASH_KILLS:-20}"; then
    passed=$((passed + 1)); summary+=("crash harness: ok")
else
    failed=$((failed + 1)); summary+=("crash harness: FAILED"); status=1
fi

stage "Sanitizer build (ASan + UBSan)"
cmake -S . -B build-asan -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=Debug -DVARNICK_SANITIZE=ON -DVARNICK_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
# The leak checker's tracking of dynamically loaded thread-local storage
# crashes at exit once Qt's JPEG plugin has loaded libjpeg (its TLS block is
# the only one made after start); that block holds no pointers, so leaks are
# still found without the tracking.
ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_ctest build-asan sanitizers || status=1

if [ "${VARNICK_RUN_TSAN:-1}" = 1 ]; then
    stage "ThreadSanitizer (the threaded tests only)"
    # Scan, library index, batch save, object table rows and thumbnail loading:
    # only these test targets are built, to keep the stage short.
    tsan_targets=(health_tests platform_tests browser_tests app_ObjectTableWindowTest app_BrowserWindowTest)
    cmake -S . -B build-tsan -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNICK_TSAN=ON \
        -DVARNICK_BUILD_BENCH=OFF >/dev/null
    cmake --build build-tsan -j"$jobs" --target "${tsan_targets[@]}" kelvora
    TSAN_OPTIONS="suppressions=$PWD/scripts/tsan.supp halt_on_error=1 second_deadlock_stack=1" run_ctest build-tsan \
        threadsanitizer -R '^(app_ObjectTableWindowTest|app_BrowserWindowTest)$|^(LibraryIndex|LibraryHealth|IndexedFolderScan|BatchEditTest|ObjectRows|BrowserScan|BrowserPages|HealthCli)\.' \
        || status=1
fi

stage "Fuzz targets (libFuzzer, short runs)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNICK_FUZZ=ON \
    -DVARNICK_BUILD_APP=OFF -DVARNICK_BUILD_TESTS=OFF -DVARNICK_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
fuzz_seconds=${VARNICK_FUZZ_SECONDS:-20}
# Each target runs for fuzz_seconds on its seed corpus; as many run at once as
# there are cores, so adding a target costs a share of a core, not a slot in line.
fuzz_results=$(mktemp -d)
run_fuzz_target() {
    local target=$1 results=$2 seconds=$3 name corpus
    name=${target##*/fuzz_}
    corpus=$(mktemp -d)
    [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
    if "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 "$corpus" >"$results/$name.log" 2>&1; then
        echo ok >"$results/$name.status"
    else
        echo FAILED >"$results/$name.status"
    fi
    rm -rf "$corpus"
}
export -f run_fuzz_target
find build-fuzz/bin -maxdepth 1 -name 'fuzz_*' -type f -perm -u+x -print0 | sort -z |
    xargs -0 -r -P "$jobs" -I{} bash -c 'run_fuzz_target "$@"' _ {} "$fuzz_results" "$fuzz_seconds"
for result in "$fuzz_results"/*.status; do
    [ -e "$result" ] || continue
    name=$(basename "$result" .status)
    if [ "$(cat "$result")" = ok ]; then
        passed=$((passed + 1)); summary+=("fuzz $name: ok")
    else
        failed=$((failed + 1)); summary+=("fuzz $name: FAILED"); status=1
        tail -n 40 "$fuzz_results/$name.log"
    fi
done
rm -rf "$fuzz_results"

if [ -x scripts/test-windows.sh ] && [ "${VARNICK_SKIP_WINDOWS:-0}" != 1 ]; then
    stage "Windows build under Wine"
    # With Qt for Windows in the cache (kept between runs) this is the
    # program's cross build, mostly from the compiler cache, and the runs
    # under Wine; without it, the one-time build of Qt comes first.
    win_started=$SECONDS
    set +e
    scripts/test-windows.sh
    win_status=$?
    set -e
    if [ -f build-mingw/ctest-result.txt ]; then
        read -r wp wf < build-mingw/ctest-result.txt
        passed=$((passed + wp)); failed=$((failed + wf))
        summary+=("windows: $wp passed, $wf failed ($(((SECONDS - win_started) / 60)) min)")
    fi
    [ $win_status -eq 0 ] || status=1
fi

echo
for i in "${!stage_names[@]}"; do
    next=$SECONDS
    [ $((i + 1)) -lt ${#stage_names[@]} ] && next=${stage_starts[$((i + 1))]}
    echo "time: ${stage_names[$i]}: $((next - stage_starts[$i])) s"
done
printf '%s\n' "${summary[@]}"
echo "$passed passed, $failed failed"
exit $status
