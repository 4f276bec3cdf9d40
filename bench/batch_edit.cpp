// Batch-saving 1,000 catalog objects (one field changed in each, every
// package loaded, edited and written through the editor's save with its
// previous version kept as a backup) against rewriting the same 1,000
// packages with the package writer alone (read whole, written through a
// scratch file and the atomic replace), in one run. Goal: at most 1.5x.
// The batch saves four packages at a time; the same batch one package after
// the other is printed beside it.
//
//   bench_batch_edit [--count N] [--rounds R] [--folder DIR]

#include "bench/common/SyntheticPackages.h"

#include "app/backups/core/BackupStore.h"
#include "app/editor/core/BatchEdit.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/TextList.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace varnick;
using namespace varnick::bench;
using Clock = std::chrono::steady_clock;

namespace {

// A synthetic package whose first two resources are a usable definition and text list.
PackageFile objectPackage(std::uint32_t number)
{
    PackageFile pkg = makeSyntheticPackage(SyntheticShape {}, number);
    ObjectDefinition definition = makeObjectDefinition(300);
    definition.setRaw(ObjectField::MultiTileSubIndex, kLeadDefinitionIndex);
    definition.setRaw(ObjectField::FunctionSortFlags, 4);
    pkg.Files[0].Data = definition.data();
    TextList list;
    list.Entries.push_back({ ByteString(1, kEnglishLanguage), "Object " + std::to_string(number), "" });
    list.Entries.push_back({ ByteString(1, kEnglishLanguage), "A synthetic object", "" });
    gsWriteTextList(list, pkg.Files[1].Data);
    return pkg;
}

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main(int argc, char** argv)
{
    int count = 1000;
    int rounds = 3;
    fs::path folder = fs::temp_directory_path() / "varnick-bench-batch-edit";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--count") == 0)
            count = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--folder") == 0)
            folder = pathFromUtf8(argv[i + 1]);
    }
    fs::remove_all(folder);
    fs::create_directories(folder / "objects");
    std::vector<fs::path> files;
    std::uintmax_t bytes = 0;
    for (int n = 0; n < count; ++n) {
        PackageFile pkg = objectPackage(static_cast<std::uint32_t>(n));
        files.push_back(folder / "objects" / ("object-" + std::to_string(n) + ".package"));
        writePackage(pkg, files.back());
        bytes += fs::file_size(files.back());
    }

    double writer = 1e9;
    double batch = 1e9;
    double batchNoBackup = 1e9;
    double batchSerial = 1e9;
    for (int round = 0; round < rounds; ++round) {
        auto start = Clock::now();
        for (const fs::path& file : files) {
            PackageFile pkg = readPackage(file);
            writePackageReplacing(pkg, file);
        }
        writer = std::min(writer, seconds(Clock::now() - start));

        // A fresh backup folder each round: every package gets its original
        // copied. The earlier rounds' folders are removed only at the end, so
        // that thousands of files just deleted do not slow the file system's
        // allocation of the new ones (which no player's first backup meets).
        BackupStore store(folder / ("backups-" + std::to_string(round)));
        BatchOptions options;
        options.Backups = &store;
        BatchChanges changes;
        changes.Numbers[ObjectField::Price] = std::to_string(100 + 2 * round);
        start = Clock::now();
        const BatchSummary summary = applyToFiles(files, changes, options);
        batch = std::min(batch, seconds(Clock::now() - start));
        if (summary.count(BatchOutcome::Saved) != files.size()) {
            std::fprintf(stderr, "batch saved only %s\n", summary.text().c_str());
            return 1;
        }

        changes.Numbers[ObjectField::Price] = std::to_string(101 + 2 * round);
        start = Clock::now();
        const BatchSummary plain = applyToFiles(files, changes, {});
        batchNoBackup = std::min(batchNoBackup, seconds(Clock::now() - start));
        if (plain.count(BatchOutcome::Saved) != files.size())
            return 1;

        // The same with backups, one package after the other.
        BackupStore serialStore(folder / ("serial-backups-" + std::to_string(round)));
        options.Backups = &serialStore;
        options.Threads = 1;
        changes.Numbers[ObjectField::Price] = std::to_string(100 + 2 * round);
        start = Clock::now();
        if (applyToFiles(files, changes, options).count(BatchOutcome::Saved) != files.size())
            return 1;
        batchSerial = std::min(batchSerial, seconds(Clock::now() - start));
    }
    fs::remove_all(folder);

    std::printf("packages: %d (%.1f MB), best of %d rounds\n", count, static_cast<double>(bytes) / 1e6, rounds);
    std::printf("package writer alone (read + write + replace): %.3f s\n", writer);
    std::printf("batch save with backups:    %.3f s  ratio %.2f (goal <= 1.5)\n", batch, batch / writer);
    std::printf("batch save without backups: %.3f s  ratio %.2f\n", batchNoBackup, batchNoBackup / writer);
    std::printf(
        "batch save with backups, one package at a time: %.3f s  ratio %.2f\n", batchSerial, batchSerial / writer);
    return 0;
}
