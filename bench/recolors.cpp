// Recolor finder speed beside a baseline measured in the same run on the same
// files with a warm cache: findRecolors over a generated library of 20,000
// packages, a fifth of them recolors (a material override, a material and a
// texture of a few kilobytes; one in ten name the searched object), against
// the bare index loop over the same files (goal: ratio at most 1.3; served
// from the library index, where the build has one, at most 1.14 as before). The
// finder reads each package's index and, for recolors only, the first
// material override.
// Usage: bench_recolors [--packages N] [--rounds R] [--folder DIR] [--keep]
#include "bench/common/Baselines.h"
#include "bench/common/SyntheticPackages.h"

#include "app/platform/Utility.h"
#include "app/recolors/core/RecolorSearch.h"
#include "package/BinarySupport.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/PropertySet.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "tools/common/PackageBuilder.h"
#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/IndexedFolderScan.h"
#include "app/health/index/LibraryIndex.h"
#include "app/health/index/LibraryScan.h"
#endif

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

using namespace varnick;
using namespace varnick::bench;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::int32_t kObjectGuid = 0x5EED0013;

struct Options {
    int packages = 20000;
    int rounds = 5;
    std::filesystem::path folder;
    bool keep = false;
};

ByteString filler(std::mt19937& random, std::size_t size)
{
    ByteString data(size, '\0');
    for (char& c : data)
        c = static_cast<char>(random() & 0xFF);
    return data;
}

PackageFile recolorPackage(std::uint32_t n)
{
    std::mt19937 random(n);
    const std::int32_t guid = n % 10 == 0 ? kObjectGuid : static_cast<std::int32_t>(0x10000 + n);
    const ByteString number("\xF7\xE4\x61\xEB", 4);
    const ByteString text(kPropertyTypeString);
    const ByteString props = writeBinPropertySet(
        { { text, "description", "recolor " + std::to_string(n), 0 }, { text, "subsetName", "body", 0 },
            { number, "objectStateIndex", "", 0 }, { number, "objectGUID", "", static_cast<double>(guid) },
            { number, "materialStateFlags", "", 0 }, { text, "name", "material-" + std::to_string(n), 0 } });
    const auto key = [&](const ByteString& type, std::int32_t instance) {
        return ResourceKey { type, gfstrLongToStr4(static_cast<std::int32_t>(0x7F000000u | n)),
            gfstrLongToStr4(instance), gfstrLongToStr4(0) };
    };
    test::PackageBuilder builder;
    builder.add(key(gstrTypeMMAT, 1), props);
    builder.add(key(gstrTypeTXMT, 2), filler(random, 1500));
    builder.add(key(gstrTypeTXTR, 3), filler(random, 6000));
    builder.add(key(gstrTypeMMAT, 4), props);
    return builder.package();
}

std::vector<std::filesystem::path> writeLibrary(const std::filesystem::path& folder, int count)
{
    std::filesystem::create_directories(folder / "recolors");
    std::vector<std::filesystem::path> files = writeSyntheticPackages(folder, count - count / 5);
    for (int n = 0; n < count / 5; ++n) {
        const std::filesystem::path file = folder / "recolors" / ("recolor-" + std::to_string(n) + ".package");
        std::error_code error;
        if (!std::filesystem::exists(file, error)) {
            PackageFile pkg = recolorPackage(static_cast<std::uint32_t>(n));
            writePackage(pkg, file);
        }
        files.push_back(file);
    }
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
            options.packages = std::max(5, std::stoi(value()));
        else if (argument == "--rounds")
            options.rounds = std::max(1, std::stoi(value()));
        else if (argument == "--folder")
            options.folder = pathFromUtf8(value());
        else if (argument == "--keep")
            options.keep = true;
        else {
            std::fprintf(stderr, "usage: bench_recolors [--packages N] [--rounds R] [--folder DIR] [--keep]\n");
            std::exit(2);
        }
    }
    if (options.folder.empty())
        options.folder = std::filesystem::temp_directory_path() / "varnick-bench-recolors";
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    setErrorTrapHandler([](const ErrorContext& context) {
        std::fprintf(stderr, "bench_recolors: %s %s\n", context.Description.c_str(), context.AdditionalData.c_str());
        std::exit(1);
    });
    std::printf("Generating %d packages (%d recolors) in %s ...\n", options.packages, options.packages / 5,
        pathToUtf8(options.folder).c_str());
    std::fflush(stdout);
    const std::vector<std::filesystem::path> files = writeLibrary(options.folder, options.packages);

    std::uint64_t checksum = 0;
    std::size_t found = 0;
    std::vector<char> buffer;
    const auto finder = [&] {
        const recolors::RecolorSearchResult result = recolors::findRecolors(options.folder, kObjectGuid);
        if (!result.skipped.empty())
            std::abort();
        found = result.recolors.size();
        checksum += found;
    };
    const auto bare = [&] {
        for (const auto& file : files)
            checksum += bareIndexRead(file, buffer);
    };
    finder();
    bare();
    double finderSeconds = 1e300;
    double bareSeconds = 1e300;
    for (int round = 0; round < options.rounds; ++round) {
        finderSeconds = std::min(finderSeconds, seconds(finder));
        bareSeconds = std::min(bareSeconds, seconds(bare));
    }
    std::printf("\nRecolor search over %d packages, %d recolors, %zu found (warm cache, best of %d rounds)\n",
        options.packages, options.packages / 5, found, options.rounds);
    std::printf("  findRecolors (list, index, first override) %8.1f ms\n", finderSeconds * 1e3);
    std::printf("  bare open/read/read/close loop             %8.1f ms\n", bareSeconds * 1e3);
    double listSeconds = 1e300;
    double indexSeconds = 1e300;
    for (int round = 0; round < options.rounds; ++round) {
        listSeconds
            = std::min(listSeconds, seconds([&] { checksum += findFiles(options.folder, "*.package").size(); }));
        indexSeconds = std::min(indexSeconds, seconds([&] {
            for (const auto& file : files)
                checksum += readPackageIndex(file).entries.size();
        }));
    }
    std::printf("  of which listing (findFiles)               %8.1f ms\n", listSeconds * 1e3);
    std::printf("  readPackageIndex loop alone                %8.1f ms\n", indexSeconds * 1e3);
    std::printf("  ratio                                      %8.2f    (goal: at most 1.30: %s)\n",
        finderSeconds / bareSeconds, verdictAtMost(finderSeconds / bareSeconds, 1.3));
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    {
        // After one library scan has filled the index, unchanged packages are
        // answered from it (one stat each) instead of being read.
        const std::filesystem::path indexFile = options.folder.parent_path() / "bench-recolors-index.sqlite";
        std::filesystem::remove(indexFile);
        {
            health::LibraryIndex index(indexFile);
            health::ScanOptions scan;
            scan.root = options.folder;
            health::scanLibrary(index, scan);
        }
        double indexedSeconds = 1e300;
        std::size_t served = 0;
        for (int round = 0; round < options.rounds; ++round)
            indexedSeconds = std::min(indexedSeconds, seconds([&] {
                health::IndexedRecolorLookup lookup(options.folder, indexFile);
                const recolors::RecolorSearchResult result
                    = recolors::findRecolors(options.folder, kObjectGuid, {}, nullptr, &lookup);
                if (result.recolors.size() != found)
                    std::abort();
                served = lookup.served();
            }));
        std::printf("  findRecolors served from the library index %8.1f ms (%zu of %d packages not read); "
                    "ratio to the bare loop %.2f (goal: at most 1.14: %s)\n",
            indexedSeconds * 1e3, served, options.packages, indexedSeconds / bareSeconds,
            verdictAtMost(indexedSeconds / bareSeconds, 1.14));
        std::filesystem::remove(indexFile);
        for (const char* suffix : { "-wal", "-shm" })
            std::filesystem::remove(indexFile.string() + suffix);
    }
#endif
    std::printf("\n(checksum %llu)\n", static_cast<unsigned long long>(checksum));

    if (!options.keep) {
        std::error_code error;
        std::filesystem::remove_all(options.folder, error);
    }
    return 0;
}
