// The purge of one object from a thumbnail cache of 100,000 thumbnails (about
// 300 MB) against a plain copy of the same file, in one run. The purge streams
// the kept resources from the old file into a scratch file and replaces the
// cache in one step, so it should cost about one copy (goal at most 2x) and
// hold only the index and directory plus a copy buffer (goal: peak resident
// memory at most the index plus 50 MB).
//
//   bench_thumbnail_purge [--count N] [--average-bytes B] [--folder DIR] [--rounds R]

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
using Clock = std::chrono::steady_clock;

namespace {

void put32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t resourceOf(std::uint32_t i)
{
    return 0x7F000000u | ((i * 2654435761u) >> 8);
}

// Streams a cache of count thumbnails (every ninth one stored with a
// compression header and listed in the directory of compressed files) and the
// directory, without holding the file in memory:
//   0   header (96 bytes, index 7.2)   96  resources   ...  index (24 bytes per entry)
void writeCache(const fs::path& file, std::uint32_t count, std::uint32_t averageBytes)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::uint32_t> sizes(1000, 2 * averageBytes - 1000);
    std::string index;
    std::string directory;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(std::string(96, '\0').data(), 96);
    std::uint64_t offset = 96;
    std::string thumbnail;
    std::uint32_t entries = 0;
    const auto add = [&](std::uint32_t type, std::uint32_t group, std::uint32_t instance, std::uint32_t resource,
                         const std::string& data) {
        out.write(data.data(), static_cast<std::streamsize>(data.size()));
        put32(index, type);
        put32(index, group);
        put32(index, instance);
        put32(index, resource);
        put32(index, static_cast<std::uint32_t>(offset));
        put32(index, static_cast<std::uint32_t>(data.size()));
        offset += data.size();
        ++entries;
    };
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t size = sizes(random);
        thumbnail.assign(size, static_cast<char>(i & 0xFF));
        if (i % 9 == 4) {
            thumbnail[4] = '\x10';
            thumbnail[5] = '\xFB';
            put32(directory, 0xAC2950C1u);
            put32(directory, 0xFFFFFFFFu);
            put32(directory, i + 1);
            put32(directory, resourceOf(i));
            put32(directory, size + 100);
        }
        add(0xAC2950C1u, 0xFFFFFFFFu, i + 1, resourceOf(i), thumbnail);
    }
    add(0xE86B1EEFu, 0xE86B1EEFu, 0x286B1F03u, 0, directory);
    out.write(index.data(), static_cast<std::streamsize>(index.size()));
    std::string header = "DBPF";
    put32(header, 1);
    put32(header, 1);
    header.append(20, '\0');
    put32(header, 7);
    put32(header, entries);
    put32(header, static_cast<std::uint32_t>(offset));
    put32(header, static_cast<std::uint32_t>(index.size()));
    header.append(12, '\0');
    put32(header, 2);
    header.append(32, '\0');
    out.seekp(0);
    out.write(header.data(), static_cast<std::streamsize>(header.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", pathToUtf8(file).c_str());
        std::exit(2);
    }
}

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

// Peak resident memory of the process so far, in bytes; 0 where it cannot be asked.
std::int64_t peakResident()
{
#ifndef _WIN32
    struct rusage usage { };
    getrusage(RUSAGE_SELF, &usage);
#if defined(__APPLE__)
    return static_cast<std::int64_t>(usage.ru_maxrss);
#else
    return static_cast<std::int64_t>(usage.ru_maxrss) * 1024;
#endif
#else
    return 0;
#endif
}

// Lets the disk finish the write-back of earlier rounds, so that each timing
// pays only for its own writes.
void settle()
{
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
    writeCache(cache, count, averageBytes);
    const std::int64_t fileBytes = static_cast<std::int64_t>(fs::file_size(cache));
    const std::int64_t indexBytes = static_cast<std::int64_t>(count + 1) * 24;
    std::printf("cache: %u thumbnails, %.1f MB on disk (index %.2f MB)\n", count, mb(fileBytes), mb(indexBytes));

    PurgeOptions options;
    options.backupFolder = folder / "backups";
    const std::int64_t residentBefore = peakResident();
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
            stored[static_cast<std::size_t>(b)] = static_cast<char>((resourceOf(victim) >> (8 * b)) & 0xFF);

        settle();
        auto start = Clock::now();
        ThumbnailPurge purge(data / "Thumbnails", stored);
        const PurgeResult result = purge.run(options);
        purgeTimes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (result.failure || result.caches[0].outcome != CacheOutcome::Purged) {
            std::fprintf(stderr, "the purge failed\n");
            return 1;
        }
        removed += result.caches[0].resourcesRemoved;
        residentAfterPurges = peakResident();

        settle();
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
    std::printf("\npurge / copy: %.2f x (goal at most 2 x: %s); %lld resources removed in %d rounds\n",
        copyMs > 0 ? purgeMs / copyMs : 0.0, purgeMs <= 2 * copyMs ? "met" : "NOT met", static_cast<long long>(removed),
        rounds);
    std::printf("peak resident memory: %.1f MB before, %.1f MB after the purges: +%.1f MB; goal at most index + 50 MB "
                "= %.1f MB (%s)\n",
        mb(residentBefore), mb(residentAfterPurges), mb(extra), mb(goal), extra <= goal ? "met" : "NOT met");
    fs::remove_all(folder);
    return 0;
}
