// Every write the tool makes, failed at every step: the disk full after any
// number of bytes, the flush to disk failing, the final rename refused. Each
// leaves every file as it was (a batch: each package its old version or its
// new one), leaves no scratch file, and says what failed.

#include "package/base/FileReplace.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "tests/common/CliRunner.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"
#include "tools/demo/DemoWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

using Snapshot = std::map<std::string, std::size_t>; ///< relative path -> hash of the bytes

// Every file below folder; scratch files are counted in scratch instead.
Snapshot snapshot(const fs::path& folder, int* scratch = nullptr)
{
    Snapshot files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        if (isScratchFileName(entry.path())) {
            if (scratch != nullptr)
                ++*scratch;
            continue;
        }
        files[pathToUtf8(entry.path().lexically_relative(folder))]
            = std::hash<ByteString> {}(readFileBytes(entry.path()));
    }
    return files;
}

struct SeamsOff {
    ~SeamsOff()
    {
        RawFile::failWritesAfterForTesting(-1);
        failFlushForTesting(false);
        failRenameForTesting(false);
    }
};

// A small generated world, made once and copied for each case.
class WritePathFailures : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sFolder = new TemporaryFolder;
        demo::DemoOptions options;
        options.output = sFolder->path() / "template";
        options.packages = 16;
        sWorld = new demo::DemoWorld(demo::generateDemoWorld(options));
    }
    static void TearDownTestSuite()
    {
        delete sWorld;
        delete sFolder;
        sWorld = nullptr;
        sFolder = nullptr;
    }

    // A fresh copy of the world; returns its data folder.
    fs::path freshWorld()
    {
        const fs::path copy = sFolder->path() / "world";
        fs::remove_all(copy);
        fs::copy(sWorld->root, copy, fs::copy_options::recursive);
        return copy / sWorld->dataFolder.lexically_relative(sWorld->root);
    }

    std::vector<std::string> catalogObjects(const fs::path& data, std::size_t count, bool withThumbnail = false)
    {
        std::vector<std::string> files;
        for (const demo::GeneratedPackage& package : sWorld->packages)
            if (package.kind == demo::PackageKind::CatalogObject && files.size() < count
                && (!withThumbnail || package.inObjectThumbnails))
                files.push_back(pathToUtf8(data / "Downloads" / package.file));
        return files;
    }

    static TemporaryFolder* sFolder;
    static demo::DemoWorld* sWorld;
};

TemporaryFolder* WritePathFailures::sFolder = nullptr;
demo::DemoWorld* WritePathFailures::sWorld = nullptr;

struct WritePath {
    const char* what;
    /// The command's arguments for a world's data folder and backup folder.
    std::function<std::vector<std::string>(const fs::path& data, const std::string& backups)> arguments;
    /// Run on the fresh world before the failing command (not failed).
    std::function<void(const fs::path& data, const std::string& backups)> prepare = {};
    bool batch = false; ///< several files, each saved on its own
};

} // namespace

TEST_F(WritePathFailures, everyStepOfEveryWriteFailsCleanly)
{
    const std::vector<std::string> objects = catalogObjects(sWorld->dataFolder, 4);
    ASSERT_EQ(objects.size(), 4U);
    const auto inWorld = [](const fs::path& data, const std::string& templateFile) {
        return pathToUtf8(data / pathFromUtf8(templateFile).lexically_relative(sWorld->dataFolder));
    };
    const std::vector<WritePath> paths {
        { "set one package",
            [&](const fs::path& data, const std::string& backups) {
                return std::vector<std::string> { "set", inWorld(data, objects[0]), "--field", "Price=777",
                    "--backup-folder", backups };
            } },
        { "set a batch",
            [&](const fs::path& data, const std::string& backups) {
                std::vector<std::string> arguments { "set" };
                for (const std::string& object : objects)
                    arguments.push_back(inWorld(data, object));
                for (const char* option : { "--name", "Saved", "--backup-folder" })
                    arguments.push_back(option);
                arguments.push_back(backups);
                return arguments;
            },
            {}, true },
        { "recompress",
            [](const fs::path& data, const std::string& backups) {
                return std::vector<std::string> { "recompress", pathToUtf8(data / "Downloads"), "--level", "9",
                    "--threads", "1", "--backup-folder", backups };
            },
            {}, true },
        { "purge-thumbnails",
            [&](const fs::path& data, const std::string& backups) {
                return std::vector<std::string> { "purge-thumbnails",
                    inWorld(data, catalogObjects(sWorld->dataFolder, 1, true).at(0)), "--data", pathToUtf8(data),
                    "--backup-folder", backups };
            },
            {}, true }, // two caches, each replaced on its own
        { "restore",
            [&](const fs::path& data, const std::string& backups) {
                return std::vector<std::string> { "restore", inWorld(data, objects[1]), "--backup-folder", backups };
            },
            [&](const fs::path& data, const std::string& backups) {
                const CliRun saved
                    = runCli({ "set", inWorld(data, objects[1]), "--field", "Price=3", "--backup-folder", backups });
                ASSERT_EQ(saved.status, 0) << saved.err;
            } },
    };

    struct Injected {
        std::string what;
        std::function<void()> inject;
        bool mustFail = false; ///< every write path writes, flushes and renames
    };
    std::vector<Injected> failures;
    for (const std::int64_t budget : { 0, 1, 95, 96, 1000, 4096, 10000, 30000, 100000 })
        failures.push_back({ "disk full after " + std::to_string(budget) + " bytes",
            [budget] { RawFile::failWritesAfterForTesting(budget); }, budget == 0 });
    failures.push_back({ "flush fails", [] { failFlushForTesting(true); }, true });
    failures.push_back({ "rename fails", [] { failRenameForTesting(true); }, true });

    for (const WritePath& path : paths) {
        // The uninterrupted write gives each file's new version.
        fs::path data = freshWorld();
        std::string backups = pathToUtf8(data.parent_path() / "Backups");
        if (path.prepare)
            path.prepare(data, backups);
        const Snapshot before = snapshot(data);
        const CliRun done = runCli(path.arguments(data, backups));
        const Snapshot after = snapshot(data);
        ASSERT_NE(before, after) << path.what << ": " << done.out << done.err;

        for (const Injected& failure : failures) {
            SCOPED_TRACE(std::string(path.what) + ", " + failure.what);
            data = freshWorld();
            if (path.prepare)
                path.prepare(data, backups);
            CliRun run;
            {
                SeamsOff off;
                failure.inject();
                run = runCli(path.arguments(data, backups));
            }
            int scratch = 0;
            const Snapshot now = snapshot(data, &scratch);
            EXPECT_EQ(scratch, 0);
            EXPECT_TRUE(run.status != 0 || !failure.mustFail) << run.out;
            if (run.status == 0) {
                EXPECT_EQ(now, after); // the failure came after the last write
                continue;
            }
            // One clear line on what failed: on standard error, or in the batch's report.
            EXPECT_FALSE(run.err.empty() && run.out.find("refused") == std::string::npos) << run.out;
            if (!path.batch) {
                EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
                EXPECT_EQ(now, before);
                continue;
            }
            for (const auto& [file, hash] : now) {
                const bool old = before.count(file) != 0 && before.at(file) == hash;
                const bool saved = after.count(file) != 0 && after.at(file) == hash;
                EXPECT_TRUE(old || saved) << file;
            }
            for (const auto& [file, hash] : before)
                EXPECT_TRUE(now.count(file) != 0 || after.count(file) == 0) << file << " is missing";
        }
    }
}

TEST_F(WritePathFailures, readOnlyFolderRefusesTheSaveAndKeepsThePackage)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows lets a program write into a folder marked read-only";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
#endif
    const fs::path data = freshWorld();
    const fs::path file = pathFromUtf8(catalogObjects(data, 1).at(0));
    const ByteString bytes = readFileBytes(file);
    const fs::perms was = fs::status(file.parent_path()).permissions();
    fs::permissions(file.parent_path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
        fs::perm_options::remove);
    const CliRun run = runCli({ "set", pathToUtf8(file), "--field", "Price=5", "--no-backup" });
    fs::permissions(file.parent_path(), was);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(readFileBytes(file), bytes);
}

// A folder link that leads back up the tree: every command that walks the
// library ends, and finds each package once.
TEST_F(WritePathFailures, aLinkLoopBelowDownloadsEndsEveryWalk)
{
    const fs::path data = freshWorld();
    const fs::path downloads = data / "Downloads";
    std::error_code linkError;
    fs::create_directory_symlink(downloads, downloads / "Recolors" / "back to Downloads", linkError);
    if (linkError)
        GTEST_SKIP() << "links cannot be made here: " << linkError.message();
    const std::string object = catalogObjects(data, 1).at(0);
    const std::string root = pathToUtf8(downloads);
    TemporaryFolder index;
    const std::vector<std::vector<std::string>> commands {
        { "folders", root },
        { "health", root, "--no-game", "--index", pathToUtf8(index.path() / "library.index") },
        { "recolors", root, object },
        { "recompress", root, "--dry-run" },
        { "sweep-scratch", root },
    };
    for (const std::vector<std::string>& command : commands) {
        SCOPED_TRACE(command[0]);
        const CliRun run = runCli(command);
        EXPECT_LE(run.status, 1) << run.err;
        EXPECT_EQ(run.out.find("back to Downloads"), std::string::npos) << run.out.substr(0, 2000);
    }
}

// A package the index has read turns into a folder of the same name before
// the next scan: the scan passes it over and reviews the rest.
TEST_F(WritePathFailures, aPackageReplacedByAFolderBetweenScansIsPassedOver)
{
    const fs::path data = freshWorld();
    const std::string root = pathToUtf8(data / "Downloads");
    TemporaryFolder index;
    const std::string indexFile = pathToUtf8(index.path() / "library.index");
    const CliRun first = runCli({ "health", root, "--no-game", "--json", "--index", indexFile });
    ASSERT_LE(first.status, 1) << first.err;
    const fs::path file = pathFromUtf8(catalogObjects(data, 1).at(0));
    fs::remove(file);
    fs::create_directories(file / "inside");
    const CliRun second = runCli({ "health", root, "--no-game", "--json", "--index", indexFile });
    EXPECT_LE(second.status, 1) << second.err;
    EXPECT_EQ(second.out.find(pathToUtf8(file) + "\""), std::string::npos);
    const CliRun table = runCli({ "table", pathToUtf8(file.parent_path()), "--csv" });
    EXPECT_EQ(table.status, 0) << table.err;
}
