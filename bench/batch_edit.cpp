// Batch-saving 1,000 catalog objects (one field changed in each, every
// package loaded, edited and written through the editor's save with its
// previous version kept as a backup) against rewriting the same 1,000
// packages with the package writer alone (read whole, written through a
// scratch file and the atomic replace), in one run, each side on the same
// number of threads: the batch's four against the writer on four threads,
// and one package at a time against the writer one package at a time.
// Goal: at most 1.3x on both. Saves are bound by the disk's flushes, so the
// rounds alternate the sides and the best of each is taken.
//
//   bench_batch_edit [--count N] [--rounds R] [--folder DIR]

#include "bench/common/Baselines.h"
#include "bench/common/SyntheticPackages.h"

#include "app/backups/core/BackupStore.h"
#include "app/editor/core/BatchEdit.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/TextList.h"
#include "package/base/ParallelFor.h"
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

double secondsOf(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The package writer alone over files on threads threads.
void rewriteAll(const std::vector<fs::path>& files, unsigned threads)
{
    parallelFor(
        files.size(), threads,
        [&](std::size_t i) {
            PackageFile pkg = readPackage(files[i]);
            writePackageReplacing(pkg, files[i]);
        },
        [] { return false; }, [](std::size_t) {});
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

    const unsigned threads = BatchOptions {}.threads;
    double writer = 1e9;
    double writerSerial = 1e9;
    double batch = 1e9;
    double batchNoBackup = 1e9;
    double batchSerial = 1e9;
    for (int round = 0; round < rounds; ++round) {
        auto start = Clock::now();
        rewriteAll(files, threads);
        writer = std::min(writer, secondsOf(Clock::now() - start));

        // A fresh backup folder each round: every package gets its original
        // copied. The earlier rounds' folders are removed only at the end, so
        // that thousands of files just deleted do not slow the file system's
        // allocation of the new ones (which no player's first backup meets).
        BackupStore store(folder / ("backups-" + std::to_string(round)));
        BatchOptions options;
        options.backups = &store;
        BatchChanges changes;
        changes.numbers[ObjectField::Price] = std::to_string(100 + 2 * round);
        start = Clock::now();
        const BatchSummary summary = applyToFiles(files, changes, options);
        batch = std::min(batch, secondsOf(Clock::now() - start));
        if (summary.count(BatchOutcome::Saved) != files.size()) {
            std::fprintf(stderr, "batch saved only %s\n", summary.text().c_str());
            return 1;
        }

        changes.numbers[ObjectField::Price] = std::to_string(101 + 2 * round);
        start = Clock::now();
        const BatchSummary plain = applyToFiles(files, changes, {});
        batchNoBackup = std::min(batchNoBackup, secondsOf(Clock::now() - start));
        if (plain.count(BatchOutcome::Saved) != files.size())
            return 1;

        start = Clock::now();
        rewriteAll(files, 1);
        writerSerial = std::min(writerSerial, secondsOf(Clock::now() - start));

        // The same with backups, one package after the other.
        BackupStore serialStore(folder / ("serial-backups-" + std::to_string(round)));
        options.backups = &serialStore;
        options.threads = 1;
        changes.numbers[ObjectField::Price] = std::to_string(100 + 2 * round);
        start = Clock::now();
        if (applyToFiles(files, changes, options).count(BatchOutcome::Saved) != files.size())
            return 1;
        batchSerial = std::min(batchSerial, secondsOf(Clock::now() - start));
    }
    fs::remove_all(folder);

    std::printf("packages: %d (%.1f MB), best of %d rounds\n", count, static_cast<double>(bytes) / 1e6, rounds);
    std::printf("on %u threads:\n", threads);
    std::printf("  package writer alone (read + write + replace): %.3f s\n", writer);
    std::printf("  batch save with backups:    %.3f s  ratio %.2f (goal <= 1.3: %s)\n", batch, batch / writer,
        verdictAtMost(batch / writer, 1.3));
    std::printf("  batch save without backups: %.3f s  ratio %.2f\n", batchNoBackup, batchNoBackup / writer);
    std::printf("one package at a time:\n");
    std::printf("  package writer alone: %.3f s\n", writerSerial);
    std::printf("  batch save with backups: %.3f s  ratio %.2f (goal <= 1.3: %s)\n", batchSerial,
        batchSerial / writerSerial, verdictAtMost(batchSerial / writerSerial, 1.3));
    return 0;
}
