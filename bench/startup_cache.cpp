// Start-up cost of the object thumbnail cache: the start-up checks run on a
// machine whose ObjectThumbnails.package holds 100,000 thumbnails (about
// 300 MB) against one whose cache is empty, in one run. The cache is kept as
// its index only, so the extra time should be that of reading the index and
// the extra memory at most the index plus 20 MB. Reading the large cache
// whole is measured beside it for comparison.
//
//   bench_startup_cache [--count N] [--average-bytes B] [--folder DIR] [--keep] [--no-whole]

#include "bench/common/SyntheticCache.h"

#include "app/startup/GamePaths.h"
#include "app/startup/StartupChecks.h"
#include "app/startup/ThumbnailCache.h"
#include "package/PackageReader.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace fs = std::filesystem;
using namespace varnick;
using namespace varnick::bench;
using Clock = std::chrono::steady_clock;

namespace {

struct Options {
    std::uint32_t count = 100000;
    std::uint32_t averageBytes = 3000;
    fs::path folder;
    bool keep = false;
    bool whole = true;
};

// Bytes of the heap in use now (glibc); 0 where it cannot be asked.
std::int64_t heapInUse()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 info = mallinfo2();
    return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
#else
    return 0;
#endif
}

// Resident set size in bytes (Linux); 0 elsewhere.
std::int64_t residentBytes()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atoll(line.c_str() + 6) * 1024;
    }
    return 0;
}

// A machine as the start-up checks see it, with its own cache file.
struct Machine {
    fs::path root;
    fs::path data;
    fs::path program;

    explicit Machine(const fs::path& folder)
        : root(folder)
        , data(folder / "Documents" / "EA Games" / "The Sims 2")
        , program(folder / "Varnick")
    {
        fs::create_directories(data / "Thumbnails");
        fs::create_directories(folder / "Game");
        fs::create_directories(program);
    }
    fs::path cache() const { return data / "Thumbnails" / "ObjectThumbnails.package"; }

    StartupChecks::Seams seams() const
    {
        StartupChecks::Seams seams = StartupChecks::programSeams();
        const fs::path folder = root;
        seams.findGamePaths = [folder] {
            gstrDocumentsPath = pathToUtf8(folder / "Documents");
            gstrSims2InstallPath = pathToUtf8(folder / "Game");
            gstrSims2DataPath = pathToUtf8(folder / "Documents" / "EA Games" / "The Sims 2");
        };
        const fs::path scratch = program;
        seams.scratchParent = [scratch] { return scratch; };
        return seams;
    }
};

// One start-up of machine; exits when a check fails.
double startupMilliseconds(const Machine& machine)
{
    gudtObjectThumbnails().clear();
    const auto start = Clock::now();
    const StartupChecks::Result result = StartupChecks(machine.seams()).run();
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (result.outcome != StartupChecks::Outcome::Passed) {
        std::fprintf(stderr, "start-up failed: %s\n", result.message.c_str());
        std::exit(1);
    }
    return elapsed;
}

// Heap and resident memory that the cache of machine holds after a start-up.
std::pair<std::int64_t, std::int64_t> startupMemory(const Machine& machine)
{
    gudtObjectThumbnails().clear();
    const std::int64_t heapBefore = heapInUse();
    const std::int64_t residentBefore = residentBytes();
    startupMilliseconds(machine);
    return { heapInUse() - heapBefore, residentBytes() - residentBefore };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double mb(std::int64_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--count" && i + 1 < argc)
            options.count = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--average-bytes" && i + 1 < argc)
            options.averageBytes = std::max<std::uint32_t>(1000, std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--folder" && i + 1 < argc)
            options.folder = pathFromUtf8(argv[++i]);
        else if (arg == "--keep")
            options.keep = true;
        else if (arg == "--no-whole")
            options.whole = false;
        else {
            std::fprintf(
                stderr, "usage: %s [--count N] [--average-bytes B] [--folder DIR] [--keep] [--no-whole]\n", argv[0]);
            return 2;
        }
    }
    setErrorTrapHandler([](const ErrorContext& context) {
        std::fprintf(stderr, "trapped: %s.%s: %s\n", context.Module.c_str(), context.Procedure.c_str(),
            context.Description.c_str());
        std::exit(1);
    });

    const fs::path folder
        = options.folder.empty() ? fs::temp_directory_path() / "varnick-bench-startup-cache" : options.folder;
    fs::remove_all(folder);
    const Machine empty(folder / "empty");
    const Machine large(folder / "large");
    writeSyntheticThumbnailCache(empty.cache(), 0, options.averageBytes);
    const auto generateStart = Clock::now();
    const std::vector<std::uint32_t> ids
        = writeSyntheticThumbnailCache(large.cache(), options.count, options.averageBytes);
    const double generateSeconds = std::chrono::duration<double>(Clock::now() - generateStart).count();
    const std::int64_t fileBytes = static_cast<std::int64_t>(fs::file_size(large.cache()));
    const std::int64_t indexBytes = static_cast<std::int64_t>(options.count) * 24;
    std::printf("cache: %u thumbnails, %.1f MB on disk (index %.2f MB), generated in %.1f s\n", options.count,
        mb(fileBytes), mb(indexBytes), generateSeconds);

    // Warm both files into the page cache so that the figures compare work, not the disk.
    (void)readPackageIndex(large.cache());
    (void)StartupChecks(empty.seams()).run();

    // Memory first, the empty cache before the large one.
    const auto [emptyHeap, emptyResident] = startupMemory(empty);
    const auto [largeHeap, largeResident] = startupMemory(large);

    // Times: the three kinds of work interleaved, so that each runs under the
    // same allocator and page-cache conditions; medians of 15 rounds.
    std::vector<double> emptyTimes, largeTimes, indexTimes;
    for (int round = 0; round < 15; ++round) {
        const auto start = Clock::now();
        const PackageIndex index = readPackageIndex(large.cache());
        indexTimes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (index.entries.size() != options.count)
            return 1;
        emptyTimes.push_back(startupMilliseconds(empty));
        largeTimes.push_back(startupMilliseconds(large));
    }
    const double indexMs = median(indexTimes);
    struct {
        double milliseconds;
        std::int64_t heap;
        std::int64_t resident;
    } const base { median(emptyTimes), emptyHeap, emptyResident }, big { median(largeTimes), largeHeap, largeResident };

    // Thumbnails are read when they are drawn: the cost of one on-demand read.
    std::mt19937 random(7);
    const int lookups = 10000;
    std::int64_t bytesRead = 0;
    const auto lookupStart = Clock::now();
    for (int i = 0; i < lookups && !ids.empty(); ++i) {
        std::string id(4, '\0');
        const std::uint32_t value = ids[random() % ids.size()];
        for (int b = 0; b < 4; ++b)
            id[static_cast<std::size_t>(b)] = static_cast<char>((value >> (8 * b)) & 0xFF);
        if (const auto bytes = gudtObjectThumbnails().uniqueThumbnail(id))
            bytesRead += static_cast<std::int64_t>(bytes->size());
    }
    const double lookupUs
        = std::chrono::duration<double, std::micro>(Clock::now() - lookupStart).count() / std::max(1, lookups);

    const double extraMs = big.milliseconds - base.milliseconds;
    const std::int64_t extraHeap = big.heap - base.heap;
    std::printf("\n%-34s %12s %12s %12s\n", "", "time ms", "heap MB", "RSS MB");
    std::printf(
        "%-34s %12.2f %12.2f %12.2f\n", "start-up, empty cache", base.milliseconds, mb(base.heap), mb(base.resident));
    std::printf(
        "%-34s %12.2f %12.2f %12.2f\n", "start-up, large cache", big.milliseconds, mb(big.heap), mb(big.resident));
    std::printf("%-34s %12.2f\n", "reading the index alone", indexMs);
    std::printf(
        "\nextra start-up time: %.2f ms = %.2f x the index read\n", extraMs, indexMs > 0 ? extraMs / indexMs : 0.0);
    std::printf("extra memory held: %.2f MB; goal at most index + 20 MB = %.2f MB (%s)\n", mb(extraHeap),
        mb(indexBytes + 20 * 1024 * 1024), extraHeap <= indexBytes + 20 * 1024 * 1024 ? "met" : "NOT met");
    std::printf("one thumbnail on demand: %.1f us (%d lookups, %.1f MB read)\n", lookupUs, lookups, mb(bytesRead));

    if (options.whole) {
        gudtObjectThumbnails().clear();
        const std::int64_t heapBefore = heapInUse();
        const auto start = Clock::now();
        const PackageFile whole = readPackage(large.cache());
        const double wholeMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        const std::int64_t wholeHeap = heapInUse() - heapBefore;
        std::printf("\nfor comparison, reading the cache whole: %.2f ms (%.1f x the lazy start-up), %.1f MB held "
                    "(%.1f x the lazy cache), %zu resources\n",
            wholeMs, big.milliseconds > 0 ? wholeMs / big.milliseconds : 0.0, mb(wholeHeap),
            big.heap > 0 ? static_cast<double>(wholeHeap) / static_cast<double>(big.heap) : 0.0, whole.Files.size());
    }

    if (!options.keep)
        fs::remove_all(folder);
    else
        std::printf("\nmachines kept in %s\n", pathToUtf8(folder).c_str());
    return 0;
}
