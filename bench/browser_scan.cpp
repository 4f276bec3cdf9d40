// Object browser speed, each figure beside a baseline measured in the same run
// on the same files with a warm cache:
//   1. scanFolder over a folder of 10,000 packages (listing, name order,
//      index, classification) against the bare index loop of bench_package_index
//      over the same files (goal: ratio at most 1.2);
//   2. one page of 25 objects (readObjectSummary: index, text list and
//      definitions; the thumbnail's bytes from the cache, decompressed) against
//      reading the 25 package files whole (goal: ratio at most 2);
//   3. a folder of 100,000 packages: when the first page's 25 objects are
//      known against the end of the scan, and the peak resident memory.
// The window decodes the thumbnail pictures with Qt on top of figure 2; this
// program has no Qt and measures the reading only.
// With --cold, instead: figure 1 with an empty page cache, the scan against
// the same bare loop from an empty cache, in R rounds (goal: at most 1.2). The
// page cache is emptied before each timed run where the machine allows it
// (root on Linux); the output says so when it cannot, and the figures are
// then of a warm cache.
// Usage: bench_browser_scan [--packages N] [--large N] [--rounds R] [--folder DIR] [--keep] [--cold]
#include "bench/common/Baselines.h"
#include "bench/common/SyntheticPackages.h"

#include "app/browser/core/ObjectSummary.h"
#include "app/browser/core/PackageScan.h"
#include "app/startup/ThumbnailCache.h"
#include "package/BinarySupport.h"
#include "package/Crc24.h"
#include "package/ObjectDefinition.h"
#include "package/PackageWriter.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace varnick;
using namespace varnick::bench;
using Clock = std::chrono::steady_clock;

namespace {

struct Options {
    int packages = 10000;
    int large = 100000;
    int rounds = 5;
    std::filesystem::path folder;
    bool keep = false;
    bool cold = false;
};

// 25 objects shaped like downloads (a dozen resources of a few kilobytes, a
// real definition and text list) and a cache with a 6 KB picture for each.
std::vector<std::filesystem::path> writePage(const std::filesystem::path& folder, std::filesystem::path& cache)
{
    std::filesystem::create_directories(folder);
    std::vector<std::filesystem::path> files;
    PackageFile thumbnails;
    gsCreateDefaultPackageHeader(thumbnails);
    thumbnails.IndexMinorVersion = 2;
    for (std::uint32_t n = 0; n < 25; ++n) {
        PackageFile pkg = bench::makeSyntheticPackage({}, 50000 + n);
        const std::string title = "Page Object " + std::to_string(n);
        for (PackageResource& resource : pkg.Files) {
            if (resource.TypeID == gstrTypeOBJD) {
                ObjectDefinition objd = makeObjectDefinition(500);
                objd.setRaw(ObjectField::GUID, 0x1000 + n);
                resource.Data = objd.data();
            } else if (resource.TypeID == gstrTypeCTSS) {
                resource.Data = catalogTextList(title, "A description of " + title + ".\nIt spans two lines.");
            }
            resource.Size = static_cast<std::int32_t>(resource.Data.size());
        }
        files.push_back(folder / (title + ".package"));
        writePackage(pkg, files.back());
        PackageResource picture;
        picture.TypeID = gstrTypeAC2950C1;
        picture.GroupID = gfstrLongToStr4(0);
        picture.InstanceID = gfstrLongToStr4(static_cast<std::int32_t>(n));
        picture.ResourceID = gfstr4HexToSimsID(browser::thumbnailKeyFor(title + ".package"));
        picture.Data.assign(6 * 1024, static_cast<char>(n));
        picture.Size = static_cast<std::int32_t>(picture.Data.size());
        thumbnails.Files.push_back(std::move(picture));
    }
    cache = folder / "ObjectThumbnails.package";
    writePackage(thumbnails, cache);
    return files;
}

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s needs a value\n", argument.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (argument == "--packages")
            options.packages = std::stoi(value());
        else if (argument == "--large")
            options.large = std::stoi(value());
        else if (argument == "--rounds")
            options.rounds = std::max(1, std::stoi(value()));
        else if (argument == "--folder")
            options.folder = pathFromUtf8(value());
        else if (argument == "--keep")
            options.keep = true;
        else if (argument == "--cold")
            options.cold = true;
        else {
            std::fprintf(stderr,
                "usage: bench_browser_scan [--packages N] [--large N] [--rounds R] [--folder DIR] [--keep] [--cold]\n");
            std::exit(2);
        }
    }
    if (options.folder.empty())
        options.folder = std::filesystem::temp_directory_path() / "varnick-bench-browser";
    return options;
}

// Figure 1 from an empty page cache: the scan and the bare loop, each after
// the cache was emptied.
void coldScan(const Options& options, const std::filesystem::path& scanFolder,
    const std::vector<std::filesystem::path>& files, std::uint64_t& checksum)
{
    std::string why;
    const bool canDrop = dropPageCache(why);
    if (canDrop)
        std::printf("Cold cache: the page cache is emptied (sync; echo 3 > /proc/sys/vm/drop_caches) before "
                    "each timed run.\n");
    else
        std::printf("Cold cache NOT AVAILABLE: %s.\nThe figures below are of a WARM cache and say nothing "
                    "about the cold-cache goal.\n",
            why.c_str());
    std::vector<char> buffer;
    std::vector<double> ratios;
    for (int round = 0; round < options.rounds; ++round) {
        if (canDrop)
            dropPageCache(why);
        const double bare = seconds([&] {
            for (const auto& file : files)
                checksum += bareIndexRead(file, buffer);
        });
        if (canDrop)
            dropPageCache(why);
        const double scan = seconds([&] { checksum += browser::scanFolder(scanFolder).files.size(); });
        ratios.push_back(scan / bare);
        std::printf("round %d: %s scanFolder of %d packages %8.1f ms; bare open/read/read/close loop %8.1f ms; "
                    "ratio %.2f\n",
            round + 1, canDrop ? "cold" : "warm", options.packages, scan * 1e3, bare * 1e3, scan / bare);
    }
    std::sort(ratios.begin(), ratios.end());
    const double median = ratios[ratios.size() / 2];
    std::printf("goal: cold scan <= 1.2 x the cold bare loop: median ratio %.2f: %s%s\n", median,
        median <= 1.2 ? "met" : "MISSED", canDrop ? "" : " (warm cache: not a cold figure)");
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    setErrorTrapHandler([](const ErrorContext& context) {
        std::fprintf(
            stderr, "bench_browser_scan: %s %s\n", context.Description.c_str(), context.AdditionalData.c_str());
        std::exit(1);
    });
    std::uint64_t checksum = 0;

    // 1. The scan of a folder against the bare index loop.
    std::printf("Generating %d packages in %s ...\n", options.packages, pathToUtf8(options.folder).c_str());
    std::fflush(stdout);
    const std::filesystem::path scanFolder = options.folder / "scan";
    const std::vector<std::filesystem::path> files = bench::writeSyntheticPackages(scanFolder, options.packages);
    if (options.cold) {
        coldScan(options, scanFolder, files, checksum);
        std::printf("(checksum %llu)\n", static_cast<unsigned long long>(checksum));
        if (!options.keep) {
            std::error_code error;
            std::filesystem::remove_all(options.folder, error);
        }
        return 0;
    }
    std::vector<char> buffer;
    const auto scan = [&] { checksum += browser::scanFolder(scanFolder).files.size(); };
    const auto bare = [&] {
        for (const auto& file : files)
            checksum += bareIndexRead(file, buffer);
    };
    scan();
    bare();
    double scanSeconds = 1e300;
    double bareSeconds = 1e300;
    for (int round = 0; round < options.rounds; ++round) {
        scanSeconds = std::min(scanSeconds, seconds(scan));
        bareSeconds = std::min(bareSeconds, seconds(bare));
    }
    std::printf(
        "\nScan of a folder of %d packages (warm cache, best of %d rounds)\n", options.packages, options.rounds);
    std::printf("  scanFolder (list, sort, index, classify) %8.1f ms\n", scanSeconds * 1e3);
    std::printf("  bare open/read/read/close loop           %8.1f ms\n", bareSeconds * 1e3);
    double listSeconds = 1e300;
    for (int round = 0; round < options.rounds; ++round)
        listSeconds = std::min(listSeconds, seconds([&] { checksum += browser::listPackageFiles(scanFolder).size(); }));
    std::printf("  of which listing and name order          %8.1f ms\n", listSeconds * 1e3);
    std::printf("  ratio                                    %8.2f    (goal: at most 1.20: %s)\n",
        scanSeconds / bareSeconds, verdictAtMost(scanSeconds / bareSeconds, 1.2));

    // 2. A page of 25 objects with their thumbnails against reading the 25 files raw.
    std::filesystem::path cacheFile;
    const std::vector<std::filesystem::path> page = writePage(options.folder / "page", cacheFile);
    ThumbnailCache cache;
    cache.load(cacheFile);
    std::vector<std::string> pageNames;
    for (const auto& file : page)
        pageNames.push_back(pathToUtf8(file.filename()));
    // As the thumbnail pane draws a page: the cache checked for changes once for
    // the page, where each picture lies handed to the loader, which opens the
    // cache file once for the page.
    const auto drawPage = [&] {
        const std::vector<browser::ThumbnailSource> sources = browser::resolveThumbnails(cache, pageNames);
        browser::ThumbnailReader reader;
        for (std::size_t i = 0; i < page.size(); ++i) {
            const browser::ObjectSummary summary = browser::readObjectSummary(page[i]);
            const auto picture = reader.read(sources[i]);
            if (!summary.readable || !picture)
                std::abort();
            checksum += summary.name.size() + picture->size() + static_cast<std::uint32_t>(summary.guid);
        }
    };
    const auto raw = [&] {
        for (const auto& file : page)
            checksum += plainWholeRead(file);
    };
    drawPage();
    raw();
    double pageSeconds = 1e300;
    double rawSeconds = 1e300;
    for (int round = 0; round < options.rounds * 20; ++round) {
        pageSeconds = std::min(pageSeconds, seconds(drawPage));
        rawSeconds = std::min(rawSeconds, seconds(raw));
    }
    std::printf("\nOne page of 25 objects (warm cache, best of %d rounds)\n", options.rounds * 20);
    std::printf("  summaries and thumbnails                 %8.3f ms\n", pageSeconds * 1e3);
    std::printf("  reading the 25 files whole               %8.3f ms\n", rawSeconds * 1e3);
    std::printf("  ratio                                    %8.2f    (goal: at most 2.00: %s)\n",
        pageSeconds / rawSeconds, verdictAtMost(pageSeconds / rawSeconds, 2.0));

    // 3. A folder of 100,000 packages: the first page before the scan ends, and memory.
    std::printf("\nGenerating %d small packages ...\n", options.large);
    std::fflush(stdout);
    const std::filesystem::path largeFolder = options.folder / "large";
    if (options.large > 0)
        bench::writeSyntheticPackages(largeFolder, options.large, { 3, 100, 300, 5 });
    const long before = (peakResidentBytes() / 1024);
    double firstPage = -1;
    std::vector<std::string> found;
    const auto start = Clock::now();
    const browser::ScanResult result = browser::scanFolder(largeFolder, [&](const browser::ScanResult& batch) {
        found.insert(found.end(), batch.files.begin(), batch.files.end());
        if (firstPage < 0 && found.size() >= 25) {
            firstPage = std::chrono::duration<double>(Clock::now() - start).count();
            for (std::size_t i = 0; i < 25; ++i)
                checksum += browser::readObjectSummary(largeFolder / pathFromUtf8(found[i])).file.size();
            firstPage = std::chrono::duration<double>(Clock::now() - start).count();
        }
    });
    const double whole = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("\nFolder of %d packages (%zu catalog objects)\n", options.large, result.files.size());
    std::printf("  first page read after                    %8.1f ms\n", firstPage * 1e3);
    std::printf("  scan ended after                         %8.1f ms\n", whole * 1e3);
    std::printf("  peak resident memory                     %8.1f MB (before the scan %.1f MB; goal: below 100)\n",
        static_cast<double>((peakResidentBytes() / 1024)) / 1024.0, static_cast<double>(before) / 1024.0);
    std::printf("\n(checksum %llu)\n", static_cast<unsigned long long>(checksum));

    if (!options.keep) {
        std::error_code error;
        std::filesystem::remove_all(options.folder, error);
    }
    return 0;
}
