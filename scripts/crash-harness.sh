#!/usr/bin/env bash
# Kills varnick-cli at random moments of each write it makes and checks that
# nothing was lost, damaged or left behind (tests/crash/CrashHarness.cpp).
#
#   scripts/crash-harness.sh [KILLS] [-- harness options]
#
# KILLS per operation (default 20, as scripts/test.sh runs it; 1000 for the
# long run). Uses the native build in build/, building what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-20}
shift || true
[ "${1:-}" = "--" ] && shift
source scripts/deps.sh
use_compiler_cache
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --target crash_harness varnick-cli varnick-demo >/dev/null
exec build/bin/crash_harness --cli build/bin/varnick-cli --demo build/bin/varnick-demo --kills "$kills" "$@"
