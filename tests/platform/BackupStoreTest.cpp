// The backup store under failure: a keep or a restore that fails at any step
// (the disk filling at any byte, a failed flush, a failed rename) leaves the
// package and every kept generation as they were, with no scratch file behind.
#include "app/backups/core/BackupStore.h"

#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <string>

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

// Every file and folder below folder, by its path relative to it, with its
// length and a hash of its bytes (folders with neither).
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::string& summary = entries[pathToUtf8(entry.path().lexically_relative(folder))];
        if (entry.is_regular_file()) {
            const ByteString bytes = readFileBytes(entry.path());
            summary = std::to_string(bytes.size()) + " bytes, hash " + std::to_string(std::hash<ByteString> {}(bytes));
        }
    }
    return entries;
}

struct SeamsOff {
    ~SeamsOff()
    {
        RawFile::failWritesAfterForTesting(-1);
        failFlushForTesting(false);
        failRenameForTesting(false);
    }
};

void rewrite(const fs::path& file, ByteView bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

const ByteString kOriginal = ByteString(3000, 'o') + "the package as the player downloaded it";
const ByteString kEdited = ByteString(2500, 'e') + "the package after a save";

struct Operation {
    const char* what;
    /// Brings the store and the file to the state before the operation.
    std::function<void(BackupStore& store, const fs::path& file)> prepare;
    std::function<void(BackupStore& store, const fs::path& file)> run;
    /// The generations' bytes, oldest first, and the file's bytes after a success.
    std::vector<ByteString> keptAfter;
    ByteString fileAfter;
};

} // namespace

TEST(BackupStore, keepAndRestoreFailingAtAnyStepLeaveEveryFileAsItWas)
{
    const Operation operations[] = {
        { "first keep", [](BackupStore&, const fs::path&) {},
            [](BackupStore& store, const fs::path& file) { store.keep(file); }, { kOriginal }, kOriginal },
        { "later keep",
            [](BackupStore& store, const fs::path& file) {
                store.keep(file);
                rewrite(file, kEdited);
            },
            [](BackupStore& store, const fs::path& file) { store.keep(file); }, { kOriginal, kEdited }, kEdited },
        { "restore",
            [](BackupStore& store, const fs::path& file) {
                store.keep(file);
                rewrite(file, kEdited);
            },
            [](BackupStore& store, const fs::path& file) { store.restoreOriginal(file); }, { kOriginal, kEdited },
            kOriginal },
    };
    struct Injected {
        std::string what;
        std::function<void()> inject;
        bool alwaysFails = false; ///< every operation writes, flushes and renames
    };
    std::vector<Injected> failures;
    for (std::int64_t budget = 0; budget <= 3200; budget += 91)
        failures.push_back({ "disk full after " + std::to_string(budget) + " bytes",
            [budget] { RawFile::failWritesAfterForTesting(budget); }, budget == 0 });
    failures.push_back({ "flush fails", [] { failFlushForTesting(true); }, true });
    failures.push_back({ "rename fails", [] { failRenameForTesting(true); }, true });

    for (const Operation& operation : operations) {
        for (const Injected& failure : failures) {
            SCOPED_TRACE(std::string(operation.what) + ", " + failure.what);
            TemporaryFolder dir;
            const fs::path file = dir.write("Downloads/Sessel Ω.package", kOriginal);
            BackupStore store(dir.path() / "Backups", BackupPolicy { 3, 30 });
            operation.prepare(store, file);
            const auto before = snapshot(dir.path());
            bool threw = false;
            {
                SeamsOff off;
                failure.inject();
                try {
                    operation.run(store, file);
                } catch (const varnick::Failure&) {
                    threw = true;
                }
            }
            EXPECT_TRUE(threw || !failure.alwaysFails);
            if (threw) {
                EXPECT_EQ(snapshot(dir.path()), before);
                continue;
            }
            // Not reached by the failure: done whole.
            std::vector<ByteString> kept;
            for (const BackupGeneration& generation : store.generations(file))
                kept.push_back(readFileBytes(generation.file));
            EXPECT_EQ(kept, operation.keptAfter);
            EXPECT_EQ(readFileBytes(file), operation.fileAfter);
            for (const auto& [name, bytes] : snapshot(dir.path()))
                EXPECT_FALSE(isScratchFileName(pathFromUtf8(name))) << name;
        }
    }
}

TEST(BackupStore, findsAFilesFolderBeyondTheFirstProbeWhereHashesMet)
{
    // Two paths with one hash share the first probe's name; the second gets the
    // next free one, and a folder whose earlier probes were pruned is still
    // found. Each case starts on a store object of its own, whose one listing
    // tells which probes to look at.
    TemporaryFolder dir;
    const fs::path file = dir.write("Downloads/chair.package", kOriginal);
    const std::string key = backupSourceKey(file);
    struct Folder {
        const char* suffix;
        const char* source; ///< what its source.txt names; nullptr: this file
    };
    struct Case {
        const char* what;
        std::vector<Folder> before;
        const char* expected;
    };
    const std::vector<Case> cases {
        { "an empty store", {}, "" },
        { "the first probe is another file's", { { "", "another file" } }, "-1" },
        { "earlier probes were pruned", { { "-2", nullptr } }, "-2" },
        { "after another file's", { { "", "another file" }, { "-1", "a third file" }, { "-3", nullptr } }, "-3" },
        { "the first free one after others", { { "", "another file" }, { "-1", "a third file" } }, "-2" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path storeFolder = dir.path() / "Backups" / c.what;
        const std::string hash = pathToUtf8(BackupStore(storeFolder).folderOf(file).filename());
        for (const Folder& folder : c.before) {
            fs::create_directories(storeFolder / (hash + folder.suffix));
            rewrite(storeFolder / (hash + folder.suffix) / "source.txt", folder.source ? folder.source : key);
        }
        BackupStore store(storeFolder, BackupPolicy { 3, 30 });
        EXPECT_EQ(store.folderOf(file), storeFolder / (hash + c.expected));
        ASSERT_TRUE(store.keep(file));
        EXPECT_EQ(store.generations(file).size(), 1u) << "the same store finds what it made";
        EXPECT_EQ(BackupStore(storeFolder).generations(file).size(), 1u) << "and so does a new one";
        EXPECT_EQ(readFileBytes(store.generations(file).front().file), kOriginal);
    }
}
