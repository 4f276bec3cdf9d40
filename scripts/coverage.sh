#!/usr/bin/env bash
# Lines of the package library's readers and Kelvora's decoders that the fuzz
# corpora reach: builds the fuzz targets with clang's source-based coverage in
# build-coverage/, runs each once over its corpus (build-fuzz/corpus/<name>
# as scripts/fuzz-long.sh grew it, together with the seeds in
# fuzz/corpus/<name>, which a corpus grown before a seed was added lacks), and
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
    corpora=()
    for corpus in build-fuzz/corpus/$name fuzz/corpus/$name; do
        [ -d "$corpus" ] && [ -n "$(ls -A "$corpus")" ] && corpora+=("$corpus")
    done
    [ ${#corpora[@]} -gt 0 ] || continue
    LLVM_PROFILE_FILE="$profiles/$name-%p.profraw" "$binary" -runs=0 -rss_limit_mb=2048 "${corpora[@]}" \
        >"$profiles/$name.log" 2>&1 || echo "note: fuzz_$name ended with a failure over its corpus"
    objects+=(-object "$binary")
done
llvm-profdata merge -sparse "$profiles"/*.profraw -o "$profiles/merged.profdata"
kelvora=$(ls build-coverage/bin/libkelvora.so* 2>/dev/null | head -n 1 || true)
[ -n "$kelvora" ] && objects+=(-object "$kelvora")

# The readers of outside bytes: every file of package/ and support/ but these,
# which parse nothing from outside. Summed from the report's rows, because the
# compiler cache records the sources by relative paths that llvm-cov's own
# file filter does not match; the report above keeps every file.
#   PackageWriter, Recompress: writers of packages.
#   Compress, CompressLevel: the codec's encoders.
#   Kelvora: the exported C shims over the codec's core, which is counted.
#   FileReplace, ScratchFile, ScratchSweep: the save path's scratch files.
#   Folders, Environment: where the program and its data live.
#   RawFile: the operating system's file calls (open, read at an offset, write).
#   FolderListing: the operating system's folder listing.
#   ErrorTrap: hands failures to the error dialog; parses nothing.
#   KelvoraBinding: loads the support library and resolves its exports.
report=$(llvm-cov report -instr-profile "$profiles/merged.profdata" "${objects[@]:1}" "$PWD/package" "$PWD/support")
echo "$report"
echo
echo "Readers and decoders:"
echo "$report" | awk '
    $1 ~ /^(package|support)\/.*\.cpp$/ && $1 !~ /^(package\/(PackageWriter|Recompress)|support\/(Compress|CompressLevel|Kelvora)|package\/base\/(FileReplace|ScratchFile|ScratchSweep|Folders|Environment|RawFile|FolderListing|ErrorTrap|KelvoraBinding))\.cpp$/ {
        lines += $8; missed += $9
    }
    END { if (lines > 0) printf "%d lines, %d missed, %.1f%% covered\n", lines, missed, 100 * (lines - missed) / lines }'
echo "All of package/ and support/:"
echo "$report" | awk '
    $1 ~ /^(package|support)\/.*\.(cpp|h)$/ { lines += $8; missed += $9 }
    END { if (lines > 0) printf "%d lines, %d missed, %.1f%% covered\n", lines, missed, 100 * (lines - missed) / lines }'
