// Sims2Pack listing and install against plain file work, in one run, on a
// stored Sims2Pack of 500 catalog objects (about 50 MB):
//   1. listing it (read, check the header, XML and every range, and read
//      each item as a package through the browser's summary) against reading
//      the file once: goal at most 1.5 x;
//   2. installing it into an empty folder (the listing's checks, the folder
//      compared, each item written through the atomic whole-file writer:
//      scratch file, flush, rename, folder entry flushed) against copying its
//      items (the file read once, each item written to its own file and
//      flushed to disk): goal at most 1.5 x. The copy that also flushes each
//      new folder entry, as many flushes as the writer makes, is printed beside.
// Each figure is the median of the rounds (the listing's of four times as
// many); the disk is synced before each timing of a write.
//
//   bench_sims2pack [--items N] [--item-bytes B] [--rounds R] [--folder DIR]

#include "bench/common/Baselines.h"

#include "app/sims2pack/core/Sims2PackInstall.h"
#include "package/Sims2Pack.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/WholeFile.h"
#include "tests/common/EditorPackages.h"
#include "tools/common/Sims2PackBuilder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace varnick;
using namespace varnick::bench;

namespace {

void settle()
{
#ifndef _WIN32
    ::sync();
#endif
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A catalog object of about bytes: a definition, a text list, and a mesh of random bytes.
ByteString objectOfSize(std::uint32_t guid, std::size_t bytes, std::mt19937& random)
{
    test::EditorPackage object;
    object.set(ObjectField::GUID, guid);
    object.entries = { { 1, "Object " + std::to_string(guid), "" }, { 1, "A benchmark object", "" } };
    ByteString mesh(bytes, '\0');
    for (char& c : mesh)
        c = static_cast<char>(random() & 0xFF);
    object.extra.push_back({ { test::storedId("AC4F8687"), test::storedId("1C0532FA"), test::storedId("00000002"),
                                 test::storedId("00000000") },
        std::move(mesh) });
    return object.builder().build();
}

#ifndef _WIN32
void flushFolder(const fs::path& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}
#endif

// The baseline of the install: every item copied to its own file, each made
// durable; with withEntry also the folder entry of each new file (as the
// atomic writer makes its rename durable).
void copyItems(const fs::path& source, const fs::path& folder, bool withEntry)
{
    const ByteString bytes = readWholeFile(source);
    const Sims2Pack pack = parseSims2Pack(bytes, pathToUtf8(source));
    fs::create_directories(folder);
    for (const Sims2PackItem& item : pack.items) {
        RawFile target(folder / pathFromUtf8(item.name), RawFile::Mode::CreateTruncate);
        target.writeAt(0, bytes.data() + pack.dataOffset + item.offset, static_cast<std::size_t>(item.length));
        target.flushToDisk();
        target.close();
#ifndef _WIN32
        if (withEntry)
            flushFolder(folder);
#else
        (void)withEntry;
#endif
    }
}

} // namespace

int main(int argc, char** argv)
{
    int items = 500;
    std::size_t itemBytes = 100 * 1000;
    int rounds = 5;
    fs::path folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--items" && i + 1 < argc)
            items = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--item-bytes" && i + 1 < argc)
            itemBytes = std::max<std::size_t>(1000, std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--folder" && i + 1 < argc)
            folder = pathFromUtf8(argv[++i]);
        else {
            std::fprintf(stderr, "usage: %s [--items N] [--item-bytes B] [--rounds R] [--folder DIR]\n", argv[0]);
            return 2;
        }
    }
    if (folder.empty())
        folder = fs::temp_directory_path() / "varnick-bench-sims2pack";
    fs::remove_all(folder);
    fs::create_directories(folder);

    std::mt19937 random(2004);
    test::Sims2PackBuilder builder;
    for (int i = 0; i < items; ++i)
        builder.add({ "Object " + std::to_string(i) + ".package",
            objectOfSize(0x10000u + static_cast<std::uint32_t>(i), itemBytes, random) });
    const fs::path file = folder / "Big Set.sims2pack";
    writeWholeFile(file, builder.build());
    const double fileMb = static_cast<double>(fs::file_size(file)) / 1e6;
    std::printf("Sims2Pack: %d stored items, %.1f MB\n", items, fileMb);

    // Listing and reading cost tens of milliseconds: many rounds, interleaved.
    std::vector<double> readTimes;
    std::vector<double> listTimes;
    std::uint64_t keep = 0;
    for (int round = 0; round < rounds * 4; ++round) {
        readTimes.push_back(seconds([&] { keep += plainWholeRead(file); }) * 1e3);
        listTimes.push_back(seconds([&] {
            const sims2pack::Sims2PackListing listing = sims2pack::listSims2Pack(Sims2PackFile::read(file));
            for (const sims2pack::ItemListing& item : listing.items)
                if (!item.readable) {
                    std::fprintf(stderr, "item %s cannot be read: %s\n", item.name.c_str(), item.reason.c_str());
                    std::exit(1);
                }
            keep += listing.items.size();
        }) * 1e3);
    }

    std::vector<double> copyTimes;
    std::vector<double> durableCopyTimes;
    std::vector<double> installTimes;
    for (int round = 0; round < rounds; ++round) {
        const fs::path copies = folder / ("copies " + std::to_string(round));
        settle();
        copyTimes.push_back(seconds([&] { copyItems(file, copies, false); }) * 1e3);
        const fs::path durableCopies = folder / ("durable copies " + std::to_string(round));
        settle();
        durableCopyTimes.push_back(seconds([&] { copyItems(file, durableCopies, true); }) * 1e3);
        const fs::path installed = folder / ("installed " + std::to_string(round));
        settle();
        installTimes.push_back(seconds([&] {
            const Sims2PackFile sims2Pack = Sims2PackFile::read(file);
            sims2pack::InstallOptions options;
            options.destination = installed;
            const sims2pack::InstallPlan plan = sims2pack::planInstall(sims2Pack, options);
            sims2pack::carryOutInstall(sims2Pack, plan);
        }) * 1e3);
        fs::remove_all(copies);
        fs::remove_all(durableCopies);
        fs::remove_all(installed);
        std::printf("round %d: copy items %.1f ms, with their folder entries %.1f ms, install %.1f ms\n", round + 1,
            copyTimes.back(), durableCopyTimes.back(), installTimes.back());
    }
    const double readMs = median(readTimes);
    const double listMs = median(listTimes);
    const double copyMs = median(copyTimes);
    const double durableCopyMs = median(durableCopyTimes);
    const double installMs = median(installTimes);
    const double listRatio = listMs / readMs;
    const double installRatio = installMs / copyMs;
    std::printf("\n%-60s %10s\n", "", "time ms");
    std::printf("%-60s %10.1f\n", "read the file once (baseline)", readMs);
    std::printf("%-60s %10.1f\n", "list it (checked, every item summarised)", listMs);
    std::printf("%-60s %10.1f\n", "copy its items, each flushed (baseline)", copyMs);
    std::printf("%-60s %10.1f\n", "copy its items, each flushed with its folder entry", durableCopyMs);
    std::printf("%-60s %10.1f\n", "install it (checked, scratch file, flush, rename, folder)", installMs);
    std::printf("\nlist / read: %.2f x (goal at most 1.5 x: %s)\n", listRatio, listRatio <= 1.5 ? "met" : "MISSED");
    std::printf(
        "install / copy: %.2f x (goal at most 1.5 x: %s)\n", installRatio, installRatio <= 1.5 ? "met" : "MISSED");
    std::printf("install / copy with folder entries: %.2f x (the same number of flushes as the atomic writer)\n",
        installMs / durableCopyMs);
    if (keep == 0)
        std::printf("(nothing read)\n");
    fs::remove_all(folder);
    return 0;
}
