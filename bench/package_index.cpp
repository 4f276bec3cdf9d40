// Package reading speed, each figure beside a baseline measured in the same run
// on the same files with a warm cache:
//   1. gsLoadPackageIndexOnly over 10,000 packages against a bare loop that
//      opens each file, reads its 96 header bytes and its index range and
//      closes it (goal: ratio at most 1.3);
//   2. gsOpenPackageFile on a 300 MB package against a plain read of the whole
//      file (goal: ratio at most 1.5).
// Usage: bench_package_index [--packages N] [--megabytes M] [--rounds R] [--folder DIR] [--keep]
#include "bench/common/Baselines.h"
#include "bench/common/SyntheticPackages.h"

#include "package/PackageReader.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace varnick;
using namespace varnick::bench;
using Clock = std::chrono::steady_clock;

namespace {

struct Options {
    int packages = 10000;
    std::int64_t megabytes = 300;
    int rounds = 5;
    std::filesystem::path folder;
    bool keep = false;
};

// Fastest of several rounds, in seconds; fn returns a checksum that keeps the work alive.
double bestOf(int rounds, const std::function<std::uint64_t()>& fn, std::uint64_t& checksum)
{
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        checksum += fn();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
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
        else if (argument == "--megabytes")
            options.megabytes = std::stoll(value());
        else if (argument == "--rounds")
            options.rounds = std::max(1, std::stoi(value()));
        else if (argument == "--folder")
            options.folder = pathFromUtf8(value());
        else if (argument == "--keep")
            options.keep = true;
        else {
            std::fprintf(stderr,
                "usage: bench_package_index [--packages N] [--megabytes M] [--rounds R] [--folder DIR] [--keep]\n");
            std::exit(2);
        }
    }
    if (options.folder.empty())
        options.folder = std::filesystem::temp_directory_path() / "varnick-bench-package-index";
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    setErrorTrapHandler([](const ErrorContext& context) {
        std::fprintf(
            stderr, "bench_package_index: %s %s\n", context.Description.c_str(), context.AdditionalData.c_str());
        std::exit(1);
    });

    std::printf("Generating %d packages in %s ...\n", options.packages, pathToUtf8(options.folder).c_str());
    std::fflush(stdout);
    const std::vector<std::filesystem::path> files
        = bench::writeSyntheticPackages(options.folder / "small", options.packages);
    std::uint64_t checksum = 0;

    std::vector<IndexEntry> entries;
    const auto indexOnly = [&] {
        std::uint64_t sum = 0;
        for (const auto& file : files) {
            gsLoadPackageIndexOnly(file, entries);
            sum += entries.size() + static_cast<unsigned char>(entries.empty() ? 0 : entries.back().TypeID[0]);
        }
        return sum;
    };
    std::vector<char> buffer;
    const auto bare = [&] {
        std::uint64_t sum = 0;
        for (const auto& file : files)
            sum += bareIndexRead(file, buffer);
        return sum;
    };
    // Warm the cache and check both loops see the same entries.
    const std::uint64_t a = indexOnly();
    const std::uint64_t b = bare();
    if (a == 0 || b == 0)
        std::abort();

    double indexSeconds = 1e300;
    double bareSeconds = 1e300;
    for (int round = 0; round < options.rounds; ++round) {
        indexSeconds = std::min(indexSeconds, bestOf(1, indexOnly, checksum));
        bareSeconds = std::min(bareSeconds, bestOf(1, bare, checksum));
    }
    std::printf("\nIndex-only load of %d packages (warm cache, best of %d rounds)\n", options.packages, options.rounds);
    std::printf("  gsLoadPackageIndexOnly        %8.1f ms  (%.2f us per package)\n", indexSeconds * 1e3,
        indexSeconds * 1e6 / options.packages);
    std::printf("  bare open/read/read/close     %8.1f ms  (%.2f us per package)\n", bareSeconds * 1e3,
        bareSeconds * 1e6 / options.packages);
    std::printf("  ratio                         %8.2f    (goal: at most 1.30)\n", indexSeconds / bareSeconds);

    const std::filesystem::path large = options.folder / ("large-" + std::to_string(options.megabytes) + ".package");
    std::error_code error;
    if (!std::filesystem::exists(large, error)) {
        std::printf("\nWriting a %lld MB package ...\n", static_cast<long long>(options.megabytes));
        std::fflush(stdout);
        bench::writeLargePackage(large, options.megabytes, 128 * 1024);
    }
    const auto whole = [&] {
        PackageFile pkg;
        gsOpenPackageFile(large, pkg);
        return static_cast<std::uint64_t>(pkg.Files.size()) + pkg.Files.back().Data.size();
    };
    const auto plain = [&] { return plainWholeRead(large); };
    checksum += whole() + plain();
    double wholeSeconds = 1e300;
    double plainSeconds = 1e300;
    for (int round = 0; round < options.rounds; ++round) {
        wholeSeconds = std::min(wholeSeconds, bestOf(1, whole, checksum));
        plainSeconds = std::min(plainSeconds, bestOf(1, plain, checksum));
    }
    const double megabytes = static_cast<double>(std::filesystem::file_size(large)) / (1024.0 * 1024.0);
    std::printf("\nWhole load of a %.0f MB package (warm cache, best of %d rounds)\n", megabytes, options.rounds);
    std::printf(
        "  gsOpenPackageFile             %8.1f ms  (%.0f MB/s)\n", wholeSeconds * 1e3, megabytes / wholeSeconds);
    std::printf(
        "  plain read of the whole file  %8.1f ms  (%.0f MB/s)\n", plainSeconds * 1e3, megabytes / plainSeconds);
    std::printf("  ratio                         %8.2f    (goal: at most 1.50)\n", wholeSeconds / plainSeconds);
    std::printf("\n(checksum %llu)\n", static_cast<unsigned long long>(checksum));

    if (!options.keep)
        std::filesystem::remove_all(options.folder, error);
    return 0;
}
