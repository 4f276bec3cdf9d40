#include "app/editor/core/BatchEdit.h"
#include "app/backups/core/BackupStore.h"
#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/Paths.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/platform/EditorFixtures.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace varnick;
using namespace varnick::test;

namespace {

using Fields = std::initializer_list<std::pair<ObjectField, std::uint16_t>>;

ByteString package(Fields fields, const std::string& name = "Chair")
{
    return objectPackage(definitionBytes(fields), textListBytes({ { '\x01', name, "" }, { '\x01', "A chair", "" } }));
}

// Positions at which two byte strings differ (a length difference counts as one past the shorter end).
std::vector<std::size_t> differences(ByteView a, ByteView b)
{
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i])
            at.push_back(i);
    }
    if (a.size() != b.size())
        at.push_back(std::min(a.size(), b.size()));
    return at;
}

class BatchEditTest : public ::testing::Test {
protected:
    std::vector<std::filesystem::path> write(const std::vector<ByteString>& packages)
    {
        std::vector<std::filesystem::path> files;
        for (std::size_t i = 0; i < packages.size(); ++i)
            files.push_back(dir.write("object " + std::to_string(i) + ".package", packages[i]));
        return files;
    }
    static std::vector<ByteString> bytesOf(const std::vector<std::filesystem::path>& files)
    {
        std::vector<ByteString> bytes;
        for (const auto& file : files)
            bytes.push_back(readFileBytes(file));
        return bytes;
    }

    TemporaryFolder dir;
    TemporaryFolder backupDir;
};

} // namespace

TEST_F(BatchEditTest, showsCommonValuesAndMixedStatesForEveryKindOfControl)
{
    // Price, Function, wants and name agree; the hunger box, Build, and the room entries differ.
    const auto files = write({
        package({ { ObjectField::Price, 120 }, { ObjectField::HungerRating, 2 }, { ObjectField::FunctionSortFlags, 4 },
            { ObjectField::BuildModeType, 1 }, { ObjectField::WantsSatisfyCategory, 10068 },
            { ObjectField::RoomSortFlags, 1 | 2 } }),
        package(
            { { ObjectField::Price, 120 }, { ObjectField::HungerRating, 0xFFFB }, { ObjectField::FunctionSortFlags, 4 },
                { ObjectField::WantsSatisfyCategory, 10068 }, { ObjectField::RoomSortFlags, 1 } }),
    });
    BatchEdit batch;
    batch.load(files);
    ASSERT_EQ(batch.loadedCount(), 2u);

    EXPECT_EQ(batch.commonNumber(ObjectField::Price), std::optional<std::string>("120"));
    EXPECT_EQ(batch.commonNumber(ObjectField::HungerRating), std::nullopt);
    EXPECT_EQ(batch.commonNumber(ObjectField::DailyDepreciation), std::optional<std::string>("0"));
    EXPECT_EQ(batch.commonSelection(ObjectField::FunctionSortFlags), std::optional<std::uint16_t>(4));
    EXPECT_EQ(batch.commonSelection(ObjectField::BuildModeType), std::nullopt);
    EXPECT_EQ(batch.commonSelection(ObjectField::WantsSatisfyCategory), std::optional<std::uint16_t>(10068));
    EXPECT_EQ(batch.commonSelection(ObjectField::RoomSortFlags), std::nullopt);
    EXPECT_EQ(batch.commonName(), std::optional<std::string>("Chair"));
    EXPECT_EQ(batch.commonDescription(), std::optional<std::string>("A chair"));

    const struct {
        std::uint16_t entry;
        EntryState state;
    } rooms[] = { { 1, EntryState::All }, { 2, EntryState::Some }, { 4, EntryState::None } };
    for (const auto& room : rooms)
        EXPECT_EQ(batch.entryState(ObjectField::RoomSortFlags, room.entry), room.state) << room.entry;

    // A package that cannot be edited takes no part in the common values.
    auto withBroken = files;
    withBroken.push_back(dir.write("broken.package", "not a package"));
    batch.load(withBroken);
    EXPECT_EQ(batch.loadedCount(), 2u);
    EXPECT_FALSE(batch.members().back().loaded);
    EXPECT_FALSE(batch.members().back().refusal.empty());
    EXPECT_EQ(batch.commonNumber(ObjectField::Price), std::optional<std::string>("120"));
}

TEST_F(BatchEditTest, writesOnlyTheChangedFieldAndLeavesEveryOtherByteOfEveryPackage)
{
    const auto files = write({ package({ { ObjectField::Price, 1 }, { ObjectField::RoomSortFlags, 3 } }, "One"),
        package({ { ObjectField::Price, 2 }, { ObjectField::FunctionSortFlags, 8 } }, "Two"),
        package({ { ObjectField::Price, 500 } }, "Three") });
    const auto before = bytesOf(files);
    BatchEdit batch;
    batch.load(files);
    BatchChanges changes;
    changes.numbers[ObjectField::Price] = "500";
    const BatchSummary summary = batch.apply(changes);

    EXPECT_EQ(summary.text(), "Saved: 2, unchanged: 1, refused: 0");
    const auto after = bytesOf(files);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::vector<std::size_t> changed = differences(before[i], after[i]);
        // Only the two price bytes (offset 100 of the definition) may differ.
        ASSERT_LE(changed.size(), 2u) << i;
        const std::size_t definitionAt = before[i].find(definitionBytes({}).substr(0, 80));
        for (const std::size_t at : changed)
            EXPECT_TRUE(at == definitionAt + 100 || at == definitionAt + 101) << i << " " << at;
        EXPECT_EQ(savedDefinition(files[i]).amount(ObjectField::Price), 500) << i;
    }
    EXPECT_EQ(after[2], before[2]);
}

TEST_F(BatchEditTest, refusesDamagedPackagesInTheMiddleAndGoesOn)
{
    const auto files = write({ package({ { ObjectField::Price, 1 } }), ByteString("damaged bytes"),
        objectPackage(ByteString(), textListBytes({})), package({ { ObjectField::Price, 2 } }) });
    const auto before = bytesOf(files);
    BatchEdit batch;
    batch.load(files);
    BatchChanges changes;
    changes.selections[ObjectField::FunctionSortFlags] = 16;
    const BatchSummary summary = batch.apply(changes);

    EXPECT_EQ(summary.text(), "Saved: 2, unchanged: 0, refused: 2");
    const BatchOutcome expected[]
        = { BatchOutcome::Saved, BatchOutcome::Refused, BatchOutcome::Refused, BatchOutcome::Saved };
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(summary.items[i].outcome, expected[i]) << i;
        EXPECT_EQ(summary.items[i].reason.empty(), expected[i] == BatchOutcome::Saved) << summary.items[i].reason;
        if (expected[i] == BatchOutcome::Refused)
            EXPECT_EQ(readFileBytes(files[i]), before[i]) << i;
        else
            EXPECT_EQ(savedDefinition(files[i]).flags(ObjectField::FunctionSortFlags), 16) << i;
    }

    // A package changed after the batch loaded it is refused and left as the other program wrote it.
    BatchEdit again;
    again.load({ files[0] });
    const ByteString other = package({ { ObjectField::Price, 77 } }, "Changed elsewhere");
    dir.write("object 0.package", other);
    const BatchSummary late = again.apply(changes);
    EXPECT_EQ(late.items[0].outcome, BatchOutcome::Refused);
    EXPECT_NE(late.items[0].reason.find("changed on disk"), std::string::npos) << late.items[0].reason;
    EXPECT_EQ(readFileBytes(files[0]), other);
}

TEST_F(BatchEditTest, cancelHalfWayLeavesTheRestUntouched)
{
    std::vector<ByteString> packages;
    for (std::uint16_t i = 0; i < 12; ++i)
        packages.push_back(package({ { ObjectField::Price, i } }));
    const auto files = write(packages);
    BatchEdit batch;
    batch.load(files);
    std::atomic<bool> cancel { false };
    std::vector<std::size_t> seen;
    BatchOptions options;
    options.cancel = &cancel;
    options.progress = [&](std::size_t done, std::size_t total) {
        seen.push_back(done);
        EXPECT_EQ(total, 12u);
        if (done == 3)
            cancel = true;
    };
    BatchChanges changes;
    changes.numbers[ObjectField::NicenessMultiplier] = "9";
    const BatchSummary summary = batch.apply(changes, options);

    // A package another thread had begun when Cancel came is still finished
    // whole; no package is begun after it. Each is either saved or untouched.
    EXPECT_TRUE(summary.cancelled);
    const std::size_t saved = summary.count(BatchOutcome::Saved);
    EXPECT_GE(saved, 3u);
    EXPECT_LE(saved, 3u + options.threads - 1);
    EXPECT_EQ(summary.count(BatchOutcome::NotReached), files.size() - saved);
    EXPECT_EQ(seen.size(), saved);
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(readFileBytes(files[i]) == packages[i], summary.items[i].outcome == BatchOutcome::NotReached) << i;
}

TEST_F(BatchEditTest, flagListsChangeOnlyTheEntriesThePlayerTouched)
{
    // Set Study, clear Kitchen; Bedroom (differing between the two) stays per package.
    // Both are Comfort, one as sofa and one as bed: the sub-category becomes Recliners, the category stays.
    const auto files = write({ package({ { ObjectField::RoomSortFlags, 1 | 2 }, { ObjectField::FunctionSortFlags, 1 },
                                   { ObjectField::FunctionSubSort, 4 } }),
        package({ { ObjectField::RoomSortFlags, 1 }, { ObjectField::FunctionSortFlags, 1 },
            { ObjectField::FunctionSubSort, 8 } }) });
    BatchEdit batch;
    batch.load(files);
    EXPECT_EQ(batch.commonSelection(ObjectField::FunctionSubSort), std::nullopt);
    BatchChanges changes;
    changes.flags[ObjectField::RoomSortFlags] = FlagChange { 128, 1 };
    changes.selections[ObjectField::FunctionSubSort] = 16;
    changes.name = "Same name for all";
    const BatchSummary summary = applyToFiles(files, changes);
    EXPECT_EQ(summary.count(BatchOutcome::Saved), 2u);
    EXPECT_EQ(savedDefinition(files[0]).flags(ObjectField::RoomSortFlags), 128 | 2);
    EXPECT_EQ(savedDefinition(files[1]).flags(ObjectField::RoomSortFlags), 128);
    batch.load(files);
    EXPECT_EQ(batch.commonName(), std::optional<std::string>("Same name for all"));
    EXPECT_EQ(batch.commonDescription(), std::optional<std::string>("A chair"));
    EXPECT_EQ(batch.commonSelection(ObjectField::FunctionSortFlags), std::optional<std::uint16_t>(1));
    EXPECT_EQ(batch.commonSelection(ObjectField::FunctionSubSort), std::optional<std::uint16_t>(16));
}

TEST_F(BatchEditTest, backupsKeepTheOriginalAndRestoreIt)
{
    // Unicode names, and two files of one name in different folders, get backups of their own.
    std::filesystem::create_directories(dir.path() / pathFromUtf8("Möbel Ωμέγα"));
    const auto first
        = dir.write(pathFromUtf8("Möbel Ωμέγα/Sessel 日本.package"), package({ { ObjectField::Price, 1 } }));
    const auto second = dir.write(pathFromUtf8("Sessel 日本.package"), package({ { ObjectField::Price, 2 } }));
    const ByteString original = readFileBytes(first);
    const ByteString secondOriginal = readFileBytes(second);

    const struct {
        int generations;
        std::vector<int> kept; // generation numbers after four saves
    } cases[] = { { 1, { 1 } }, { 3, { 1, 3, 4 } } };
    for (const auto& c : cases) {
        std::filesystem::remove_all(backupDir.path());
        dir.write(first.lexically_relative(dir.path()), original);
        dir.write(second.lexically_relative(dir.path()), secondOriginal);
        BackupStore store(backupDir.path() / "Backups", BackupPolicy { c.generations, 30 });
        BatchOptions options;
        options.backups = &store;
        for (const char* price : { "10", "20", "30", "40" }) {
            BatchChanges changes;
            changes.numbers[ObjectField::Price] = price;
            EXPECT_EQ(applyToFiles({ first, second }, changes, options).count(BatchOutcome::Saved), 2u);
        }
        // An unchanged save keeps nothing new.
        BatchChanges same;
        same.numbers[ObjectField::Price] = "40";
        EXPECT_EQ(applyToFiles({ first }, same, options).count(BatchOutcome::Unchanged), 1u);

        std::vector<int> numbers;
        for (const BackupGeneration& generation : store.generations(first))
            numbers.push_back(generation.number);
        EXPECT_EQ(numbers, c.kept) << c.generations;
        EXPECT_EQ(readFileBytes(store.generations(first).front().file), original);
        EXPECT_NE(store.folderOf(first), store.folderOf(second));
        EXPECT_EQ(readFileBytes(store.generations(second).front().file), secondOriginal);

        // The version the restore replaced is kept too, whatever the policy.
        const ByteString replaced = readFileBytes(first);
        store.restoreOriginal(first);
        EXPECT_EQ(readFileBytes(first), original) << c.generations;
        EXPECT_EQ(readFileBytes(store.generations(first).back().file), replaced) << c.generations;
        EXPECT_EQ(savedDefinition(second).amount(ObjectField::Price), 40);
    }

    // Without a backup there is nothing to restore, and the file stays.
    BackupStore empty(backupDir.path() / "None");
    const ByteString now = readFileBytes(second);
    EXPECT_THROW(empty.restoreOriginal(second), Failure);
    EXPECT_EQ(readFileBytes(second), now);
    EXPECT_FALSE(empty.keep(dir.path() / "missing.package"));
}

TEST_F(BatchEditTest, pruningRemovesBackupsOlderThanTheSetting)
{
    const auto files = write({ package({}), package({}) });
    const auto now = std::filesystem::file_time_type::clock::now();
    const struct {
        int maxAgeDays;
        int ageOfFirstInDays;
        std::size_t removed;
    } cases[] = { { 30, 31, 1 }, { 30, 29, 0 }, { 0, 3650, 0 } };
    for (const auto& c : cases) {
        std::filesystem::remove_all(backupDir.path());
        BackupStore store(backupDir.path(), BackupPolicy { 1, c.maxAgeDays });
        store.keep(files[0]);
        store.keep(files[1]);
        std::filesystem::last_write_time(
            store.generations(files[0]).front().file, now - std::chrono::hours(24) * c.ageOfFirstInDays);
        EXPECT_EQ(store.prune(now), c.removed) << c.maxAgeDays << " " << c.ageOfFirstInDays;
        EXPECT_EQ(store.hasOriginal(files[0]), c.removed == 0);
        EXPECT_TRUE(store.hasOriginal(files[1]));
        // A pruned file's folder goes with its last backup.
        EXPECT_EQ(std::filesystem::exists(store.folderOf(files[0])), c.removed == 0);
    }
}

// A save replaces the package by a rename, so its backup may be the old file
// itself under a second name. Whether linked or copied (a file system without
// second names), the kept bytes never change with later saves, the time of
// keeping is the save's (not the package's own old time, which pruning would
// take for the backup's age), and pruning removes the backup whole.
TEST_F(BatchEditTest, aBackupKeptAsASecondNameOrACopyStaysAsItWasAndAgesFromTheSave)
{
    const auto now = std::filesystem::file_time_type::clock::now();
    const auto yearsAgo = now - std::chrono::hours(24) * 800;
    struct LinksOff {
        ~LinksOff() { BackupStore::failLinksForTesting(false); }
    } restore;
    for (const bool links : { true, false }) {
        for (const int generations : { 1, 3 }) {
            for (const bool twice : { false, true }) { // twice: the file named twice, each save keeping its own
                SCOPED_TRACE(std::string(links ? "links" : "copies") + ", " + std::to_string(generations)
                    + " generations" + (twice ? ", named twice" : ""));
                BackupStore::failLinksForTesting(!links);
                std::filesystem::remove_all(backupDir.path());
                const auto file = write({ package({ { ObjectField::Price, 5 } }) }).front();
                std::filesystem::last_write_time(file, yearsAgo);
                const ByteString original = readFileBytes(file);
                BackupStore store(backupDir.path() / "Backups", BackupPolicy { generations, 30 });
                BatchOptions options;
                options.backups = &store;
                for (const char* price : { "10", "20", "30" }) {
                    BatchChanges changes;
                    changes.numbers[ObjectField::Price] = price;
                    const std::vector<std::filesystem::path> files
                        = twice ? std::vector { file, file } : std::vector { file };
                    EXPECT_EQ(applyToFiles(files, changes, options).count(BatchOutcome::Saved), 1u);
                }
                const std::vector<BackupGeneration> kept = store.generations(file);
                ASSERT_EQ(kept.size(), static_cast<std::size_t>(generations));
                EXPECT_EQ(readFileBytes(kept.front().file), original);
                // No kept bytes are shared with the package any more.
                EXPECT_EQ(std::filesystem::hard_link_count(kept.front().file), 1u);
                EXPECT_EQ(std::filesystem::hard_link_count(file), 1u);
                for (const BackupGeneration& generation : kept)
                    EXPECT_GT(generation.kept, now - std::chrono::hours(1));
                EXPECT_EQ(store.prune(now), 0u);
                EXPECT_EQ(store.prune(now + std::chrono::hours(24) * 31), static_cast<std::size_t>(generations));
                EXPECT_FALSE(std::filesystem::exists(store.folderOf(file)));
            }
        }
    }
}

// A package with a second name of the player's own could be written in place
// through it; its backup is then a copy, which such a write leaves alone.
TEST_F(BatchEditTest, aPackageWithASecondNameIsBackedUpAsACopy)
{
    const auto file = write({ package({ { ObjectField::Price, 5 } }) }).front();
    const ByteString original = readFileBytes(file);
    std::error_code error;
    std::filesystem::create_hard_link(file, dir.path() / "other name.package", error);
    if (error)
        GTEST_SKIP() << "this file system has no second names";
    BackupStore store(backupDir.path(), BackupPolicy { 1, 30 });
    BatchOptions options;
    options.backups = &store;
    BatchChanges changes;
    changes.numbers[ObjectField::Price] = "10";
    ASSERT_EQ(applyToFiles({ file }, changes, options).count(BatchOutcome::Saved), 1u);
    dir.write("other name.package", "written in place");
    EXPECT_EQ(readFileBytes(store.generations(file).front().file), original);
}

// A save that writes nothing keeps nothing: a package refused, unchanged, or
// whose backups could not be flushed leaves no new generation (and no folder)
// behind, and is itself as it was.
TEST_F(BatchEditTest, aSaveThatWritesNothingLeavesNoBackupBehind)
{
    struct FlushOn {
        ~FlushOn() { failFlushForTesting(false); }
    } restore;
    const struct {
        const char* what;
        const char* price;
        bool failFlush;
        bool packages; ///< false: files that are no packages
        BatchOutcome outcome;
    } cases[] = {
        { "unchanged", "5", false, true, BatchOutcome::Unchanged },
        { "not packages", "10", false, false, BatchOutcome::Refused },
        { "flush fails", "10", true, true, BatchOutcome::Refused },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(backupDir.path());
        const ByteString bytes = c.packages ? package({ { ObjectField::Price, 5 } }) : ByteString("not a package");
        const auto files = write({ bytes, bytes });
        const std::vector<ByteString> before = bytesOf(files);
        BackupStore store(backupDir.path() / "Backups", BackupPolicy { 3, 30 });
        BatchOptions options;
        options.backups = &store;
        BatchChanges changes;
        changes.numbers[ObjectField::Price] = c.price;
        failFlushForTesting(c.failFlush);
        const BatchSummary summary = applyToFiles(files, changes, options);
        failFlushForTesting(false);
        EXPECT_EQ(summary.count(c.outcome), files.size()) << summary.text();
        EXPECT_EQ(bytesOf(files), before);
        EXPECT_TRUE(store.generations(files[0]).empty());
        EXPECT_TRUE(!std::filesystem::exists(store.folder()) || std::filesystem::is_empty(store.folder()));
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            EXPECT_FALSE(isScratchFileName(entry.path())) << pathToUtf8(entry.path());
    }
}
