// Object table speed: the rows of a folder of 10,000 catalog objects
// (readObjectRows: index, text list and definition of each package, on
// several threads) against the browser's bare scan of the same folder
// (scanFolder: listing, name order, index, classification), both measured in
// this run with a warm cache. Also the rows read on one thread, and whether the
// rows are ready within the window's goal of 2 seconds.
// Usage: bench_object_table [--packages N] [--rounds R] [--threads T] [--folder DIR] [--keep]
#include "bench/common/Baselines.h"
#include "bench/common/SyntheticPackages.h"

#include "app/browser/core/ObjectRows.h"
#include "app/browser/core/PackageScan.h"
#include "package/ObjectDefinition.h"
#include "package/PackageWriter.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

using namespace varnick;
using namespace varnick::bench;
using Clock = std::chrono::steady_clock;

namespace {

struct Options {
    int packages = 10000;
    int rounds = 5;
    unsigned threads = 0;
    std::filesystem::path folder;
    bool keep = false;
};

// count objects shaped like downloads (a dozen resources of a few kilobytes,
// a real definition with catalog fields and a text list); kept when present.
void writeObjects(const std::filesystem::path& folder, int count)
{
    std::filesystem::create_directories(folder);
    for (int n = 0; n < count; ++n) {
        const std::filesystem::path file = folder / ("Table Object " + std::to_string(n) + ".package");
        std::error_code error;
        if (std::filesystem::exists(file, error))
            continue;
        PackageFile pkg = bench::makeSyntheticPackage({}, 70000 + static_cast<std::uint32_t>(n));
        for (PackageResource& resource : pkg.Files) {
            if (resource.TypeID == gstrTypeOBJD) {
                ObjectDefinition objd = makeObjectDefinition(500);
                objd.setRaw(ObjectField::MultiTileSubIndex, kLeadDefinitionIndex);
                objd.setRaw(ObjectField::GUID, 0x20000000u + static_cast<std::uint32_t>(n));
                objd.setRaw(ObjectField::Price, static_cast<std::uint32_t>(n % 5000));
                objd.setRaw(ObjectField::FunctionSortFlags, 1u << (n % 9));
                objd.setRaw(ObjectField::RoomSortFlags, static_cast<std::uint32_t>(n % 512));
                resource.Data = objd.data();
            } else if (resource.TypeID == gstrTypeCTSS) {
                resource.Data = catalogTextList(
                    "Object " + std::to_string(n), "A description of Object " + std::to_string(n) + ".");
            }
            resource.Size = static_cast<std::int32_t>(resource.Data.size());
        }
        writePackage(pkg, file);
    }
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
            options.packages = std::max(1, std::stoi(value()));
        else if (argument == "--rounds")
            options.rounds = std::max(1, std::stoi(value()));
        else if (argument == "--threads")
            options.threads = static_cast<unsigned>(std::max(0, std::stoi(value())));
        else if (argument == "--folder")
            options.folder = pathFromUtf8(value());
        else if (argument == "--keep")
            options.keep = true;
        else {
            std::fprintf(stderr,
                "usage: bench_object_table [--packages N] [--rounds R] [--threads T] [--folder DIR] [--keep]\n");
            std::exit(2);
        }
    }
    if (options.folder.empty())
        options.folder = std::filesystem::temp_directory_path() / "varnick-bench-object-table";
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    setErrorTrapHandler([](const ErrorContext& context) {
        std::fprintf(
            stderr, "bench_object_table: %s %s\n", context.Description.c_str(), context.AdditionalData.c_str());
        std::exit(1);
    });
    std::printf("Generating %d packages in %s ...\n", options.packages, pathToUtf8(options.folder).c_str());
    std::fflush(stdout);
    writeObjects(options.folder, options.packages);

    std::uint64_t checksum = 0;
    std::vector<std::string> names;
    const auto scan = [&] {
        names = browser::scanFolder(options.folder).files;
        checksum += names.size();
    };
    scan();
    if (names.size() != static_cast<std::size_t>(options.packages)) {
        std::fprintf(stderr, "bench_object_table: the scan found %zu objects of %d\n", names.size(), options.packages);
        return 1;
    }
    const auto rowsOn = [&](unsigned threads) {
        return [&, threads] {
            const std::vector<browser::ObjectRow> rows
                = browser::readObjectRows(options.folder, names, {}, nullptr, threads);
            for (const browser::ObjectRow& row : rows) {
                if (!row.readable)
                    std::abort();
                checksum += row.guid + row.price;
            }
        };
    };
    const unsigned threads = options.threads != 0 ? options.threads : std::max(2u, std::thread::hardware_concurrency());
    rowsOn(threads)();
    double scanSeconds = 1e300;
    double rowSeconds = 1e300;
    double singleSeconds = 1e300;
    for (int round = 0; round < options.rounds; ++round) {
        scanSeconds = std::min(scanSeconds, seconds(scan));
        rowSeconds = std::min(rowSeconds, seconds(rowsOn(threads)));
        singleSeconds = std::min(singleSeconds, seconds(rowsOn(1)));
    }
    std::printf("\nObject table of a folder of %d catalog objects (warm cache, best of %d rounds)\n", options.packages,
        options.rounds);
    std::printf("  readObjectRows on %2u threads             %8.1f ms\n", threads, rowSeconds * 1e3);
    std::printf("  readObjectRows on one thread             %8.1f ms\n", singleSeconds * 1e3);
    std::printf("  baseline: scanFolder of the same folder  %8.1f ms\n", scanSeconds * 1e3);
    std::printf("  ratio rows / scan                        %8.2f\n", rowSeconds / scanSeconds);
    std::printf("  scan and rows together                   %8.1f ms    (goal: below 2000 ms: %s)\n",
        (scanSeconds + rowSeconds) * 1e3, scanSeconds + rowSeconds < 2.0 ? "met" : "NOT met");
    std::printf("\n(checksum %llu)\n", static_cast<unsigned long long>(checksum));

    if (!options.keep) {
        std::error_code error;
        std::filesystem::remove_all(options.folder, error);
    }
    return 0;
}
