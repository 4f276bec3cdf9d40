// The purge of one object from a thumbnail cache of 100,000 thumbnails (about
// 300 MB) against a plain copy of the same file, in one run. The purge streams
// the kept resources from the old file into a scratch file and replaces the
// cache in one step, so it should cost about one copy (goal at most 1.5x) and
// hold only the index and directory plus a copy buffer (goal: peak resident
// memory at most the index plus 50 MB).
//
//   bench_thumbnail_purge [--count N] [--average-bytes B] [--folder DIR] [--rounds R]

#include "bench/common/Baselines.h"
#include "bench/common/SyntheticCache.h"

#include "app/recolors/core/ThumbnailPurge.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace varnick;
using namespace varnick::bench;
using Clock = std::chrono::steady_clock;

namespace {

// A plain copy: the file read and written in the purge's chunk size, then made durable.
void plainCopy(const fs::path& from, const fs::path& to)
{
    constexpr std::size_t chunk = 4 * 1024 * 1024;
    const std::unique_ptr<char[]> buffer(new char[chunk]);
    RawFile source(from, RawFile::Mode::Read);
    RawFile target(to, RawFile::Mode::CreateTruncate);
    for (std::int64_t at = 0;;) {
        const std::size_t got = source.readUpTo(at, buffer.get(), chunk);
        if (got == 0)
            break;
        target.writeAt(at, buffer.get(), got);
        at += static_cast<std::int64_t>(got);
    }
    target.flushToDisk();
    target.close();
}

// Lets the disk finish the write-back of earlier rounds, so that each timing
// pays only for its own writes, and reads source once so that each timing
// starts with it in the system's cache, as a cache the game just wrote would
// be: the purge leaves what it writes out of the cache, and the timing that
// follows it should not pay for that.
void settle(const fs::path& source)
{
    constexpr std::size_t chunk = 4 * 1024 * 1024;
    const std::unique_ptr<char[]> buffer(new char[chunk]);
    RawFile file(source, RawFile::Mode::Read);
    for (std::int64_t at = 0;;) {
        const std::size_t got = file.readUpTo(at, buffer.get(), chunk);
        if (got == 0)
            break;
        at += static_cast<std::int64_t>(got);
    }
#ifndef _WIN32
    ::sync();
#endif
}

double mb(std::int64_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    std::uint32_t count = 100000;
    std::uint32_t averageBytes = 3000;
    int rounds = 5;
    fs::path folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--count" && i + 1 < argc)
            count = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--average-bytes" && i + 1 < argc)
            averageBytes = std::max<std::uint32_t>(1000, std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--folder" && i + 1 < argc)
            folder = pathFromUtf8(argv[++i]);
        else {
            std::fprintf(stderr, "usage: %s [--count N] [--average-bytes B] [--folder DIR] [--rounds R]\n", argv[0]);
            return 2;
        }
    }
    if (folder.empty())
        folder = fs::temp_directory_path() / "varnick-bench-thumbnail-purge";
    fs::remove_all(folder);
    const fs::path data = folder / "The Sims 2";
    const fs::path cache = data / "Thumbnails" / "ObjectThumbnails.package";
    fs::create_directories(cache.parent_path());
    writeSyntheticThumbnailCache(cache, count, averageBytes, { 0xFFFFFFFFu, false, 9 });
    const std::int64_t fileBytes = static_cast<std::int64_t>(fs::file_size(cache));
    const std::int64_t indexBytes = static_cast<std::int64_t>(count + 1) * 24;
    std::printf("cache: %u thumbnails, %.1f MB on disk (index %.2f MB)\n", count, mb(fileBytes), mb(indexBytes));

    PurgeOptions options;
    options.backupFolder = folder / "backups";
    const std::int64_t residentBefore = peakResidentBytes();
    std::vector<double> purgeTimes;
    std::vector<double> copyTimes;
    std::int64_t removed = 0;
    std::int64_t residentAfterPurges = 0;
    for (int round = 0; round < rounds; ++round) {
        // A different object each round: each purge removes one thumbnail.
        const std::uint32_t victim
            = (count / 2 + static_cast<std::uint32_t>(round)) % std::max<std::uint32_t>(1, count);
        ByteString stored(4, '\0');
        for (int b = 0; b < 4; ++b)
            stored[static_cast<std::size_t>(b)]
                = static_cast<char>((syntheticThumbnailResource(victim) >> (8 * b)) & 0xFF);

        settle(cache);
        auto start = Clock::now();
        ThumbnailPurge purge(data / "Thumbnails", stored);
        const PurgeResult result = purge.run(options);
        purgeTimes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (result.failure || result.caches[0].outcome != CacheOutcome::Purged) {
            std::fprintf(stderr, "the purge failed\n");
            return 1;
        }
        removed += result.caches[0].resourcesRemoved;
        residentAfterPurges = peakResidentBytes();

        settle(cache);
        start = Clock::now();
        plainCopy(cache, folder / "copy.package");
        copyTimes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    for (std::size_t r = 0; r < purgeTimes.size(); ++r)
        std::printf("round %zu: purge %.1f ms, copy %.1f ms\n", r + 1, purgeTimes[r], copyTimes[r]);
    const double purgeMs = median(purgeTimes);
    const double copyMs = median(copyTimes);
    const std::int64_t extra = residentAfterPurges - residentBefore;
    const std::int64_t goal = indexBytes + 50 * 1024 * 1024;
    std::printf("\n%-40s %12s\n", "", "time ms");
    std::printf("%-40s %12.1f\n", "plain copy of the cache (baseline)", copyMs);
    std::printf("%-40s %12.1f\n", "purge of one object", purgeMs);
    const double ratio = copyMs > 0 ? purgeMs / copyMs : 0.0;
    std::printf("\npurge / copy: %.2f x (goal at most 1.5 x: %s); %lld resources removed in %d rounds\n", ratio,
        verdictAtMost(ratio, 1.5), static_cast<long long>(removed), rounds);
    std::printf("peak resident memory: %.1f MB before, %.1f MB after the purges: +%.1f MB; goal at most index + 50 MB "
                "= %.1f MB (%s)\n",
        mb(residentBefore), mb(residentAfterPurges), mb(extra), mb(goal), extra <= goal ? "met" : "MISSED");
    fs::remove_all(folder);
    return 0;
}
