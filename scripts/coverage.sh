#!/usr/bin/env bash
# Lines of the package library's readers and Kelvora's decoders that the fuzz
# corpora reach: builds the fuzz targets with clang's source-based coverage in
# build-coverage/, runs each once over its corpus (build-fuzz/corpus/<name>
# as scripts/fuzz-long.sh grew it, else the seeds in fuzz/corpus/<name>), and
# prints llvm-cov's report for package/ and support/ with the readers' total.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
use_compiler_cache
CC=clang CXX=clang++ cmake -S . -B build-coverage -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVARNICK_FUZZ=ON -DVARNICK_COVERAGE=ON -DVARNICK_BUILD_APP=OFF -DVARNICK_BUILD_TESTS=OFF \
    -DVARNICK_BUILD_BENCH=OFF >/dev/null
nice -n 10 cmake --build build-coverage -j"$(nproc)" >/dev/null

profiles=build-coverage/profiles
rm -rf "$profiles"
mkdir -p "$profiles"
objects=()
for binary in build-coverage/bin/fuzz_*; do
    [ -x "$binary" ] || continue
    name=${binary##*/fuzz_}
    corpus=build-fuzz/corpus/$name
    [ -d "$corpus" ] && [ -n "$(ls -A "$corpus")" ] || corpus=fuzz/corpus/$name
    [ -d "$corpus" ] || continue
    LLVM_PROFILE_FILE="$profiles/$name-%p.profraw" "$binary" -runs=0 -rss_limit_mb=2048 "$corpus" \
        >"$profiles/$name.log" 2>&1 || echo "note: fuzz_$name ended with a failure over its corpus"
    objects+=(-object "$binary")
done
llvm-profdata merge -sparse "$profiles"/*.profraw -o "$profiles/merged.profdata"
kelvora=$(ls build-coverage/bin/libkelvora.so* 2>/dev/null | head -n 1 || true)
[ -n "$kelvora" ] && objects+=(-object "$kelvora")

# The readers of outside bytes: every file of package/ and support/ but the
# writers, the encoder and the codec's library glue. Summed from the report's
# rows, because the compiler cache records the sources by relative paths that
# llvm-cov's own file filter does not match.
report=$(llvm-cov report -instr-profile "$profiles/merged.profdata" "${objects[@]:1}" "$PWD/package" "$PWD/support")
echo "$report"
echo
echo "Readers and decoders:"
echo "$report" | awk '
    $1 ~ /^(package|support)\/.*\.cpp$/ && $1 !~ /^(package\/(PackageWriter|Recompress)|support\/(Compress|CompressLevel|Kelvora)|package\/base\/(FileReplace|ScratchFile|ScratchSweep|Folders|Environment))\.cpp$/ {
        lines += $8; missed += $9
    }
    END { if (lines > 0) printf "%d lines, %d missed, %.1f%% covered\n", lines, missed, 100 * (lines - missed) / lines }'
