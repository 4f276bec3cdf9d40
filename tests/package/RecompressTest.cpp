// Keeping packages compressed: which resources end up compressed, the
// directory of compressed files rebuilt true, files replaced only after a
// true read-back (and never in a dry run), and varnick-cli recompress.
#include "package/Recompress.h"
#include "app/backups/core/BackupStore.h"
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/base/ErrorTrap.h"
#include "package/base/KelvoraBinding.h"
#include "package/base/Paths.h"
#include "tests/common/CliRunner.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/support/TestData.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

using namespace varnick;
using namespace varnick::test;

namespace {

ByteString asString(const Bytes& bytes)
{
    return ByteString(bytes.begin(), bytes.end());
}

const ByteString kText = asString(textBytes(40000, 1));
const ByteString kMesh = asString(meshBytes(30000, 2));
const ByteString kRandom = asString(randomBytes(3000, 3));
const ByteString kTiny = "objd";

// Text and mesh plain, a texture already compressed by the block encoder, a
// random and a tiny resource that cannot shrink, and a directory that lies
// (it lists the random one and misses the texture).
ByteString samplePackage(std::int32_t indexMinor = 2)
{
    const ByteString texture = asString(textureBytes(50000, 4));
    const ByteString directory = storedId("43545353") + storedId("7F000001") + storedId("00000003")
        + (indexMinor == 2 ? storedId("00000000") : "") + le32(3000);
    PackageBuilder builder;
    builder.indexMinorVersion(indexMinor)
        .add("43545353", "7F000001", "00000001", "00000000", kText)
        .add("E86B1EEF", "E86B1EEF", "286B1F03", "00000000", directory)
        .add("FC6EB1F7", "7F000001", "00000002", "00000000", kMesh)
        .add("43545353", "7F000001", "00000003", "00000000", kRandom)
        .add("1C4A276C", "7F000001", "00000004", "00000000", kelvoraCompress(texture, 16))
        .add("4F424A44", "7F000001", "00000005", "00000000", kTiny);
    return builder.build();
}

std::vector<ByteString> contentsWithoutDirectory(const PackageFile& pkg)
{
    std::vector<ByteString> contents;
    for (const PackageResource& resource : pkg.Files) {
        if (!isCompressedDirectory(resource))
            contents.push_back(decompressResource(resource.Data));
    }
    return contents;
}

// The directory lists exactly the compressed resources, in order, with their decoded sizes.
void expectTrueDirectory(const PackageFile& pkg)
{
    std::vector<DirectoryEntry> expected;
    std::size_t directories = 0;
    const PackageResource* directory = nullptr;
    for (const PackageResource& resource : pkg.Files) {
        if (isCompressedDirectory(resource)) {
            ++directories;
            directory = &resource;
        } else if (isCompressedResource(resource.Data)) {
            expected.push_back({ resource.key(), static_cast<std::int32_t>(decompressResource(resource.Data).size()) });
        }
    }
    ASSERT_EQ(directories, expected.empty() ? 0u : 1u);
    if (directory == nullptr)
        return;
    const std::vector<DirectoryEntry> records = parseDirectory(directory->Data, pkg.IndexMinorVersion);
    ASSERT_EQ(records.size(), expected.size());
    for (std::size_t k = 0; k < records.size(); ++k) {
        EXPECT_EQ(records[k].TypeID, expected[k].TypeID);
        EXPECT_EQ(records[k].InstanceID, expected[k].InstanceID);
        if (pkg.IndexMinorVersion == 2) {
            EXPECT_EQ(records[k].ResourceID, expected[k].ResourceID);
        }
        EXPECT_EQ(records[k].Size, expected[k].Size);
    }
}

class Recompress : public testing::Test {
protected:
    void SetUp() override { setKelvoraLibraryForTesting({}); }
    TemporaryFolder dir;
};

} // namespace

TEST_F(Recompress, compressesWhatShrinksKeepsTheRestAndRebuildsTheDirectoryTrue)
{
    for (const std::int32_t indexMinor : { 1, 2 }) {
        const PackageFile before = parsePackage(samplePackage(indexMinor));
        for (const int level : { 1, 6, 9 }) {
            PackageFile pkg = before;
            const RecompressSummary summary = recompressPackage(pkg, level);
            EXPECT_EQ(summary.resources, 5u);
            EXPECT_EQ(summary.compressed, 3u);
            EXPECT_EQ(summary.newlyCompressed, 2u);
            ASSERT_EQ(pkg.Files.size(), before.Files.size());
            // Same order, same identifiers; the directory keeps its place.
            for (std::size_t i = 0; i < pkg.Files.size(); ++i)
                EXPECT_EQ(pkg.Files[i].InstanceID, before.Files[i].InstanceID);
            EXPECT_TRUE(isCompressedResource(pkg.Files[0].Data));
            EXPECT_TRUE(isCompressedResource(pkg.Files[2].Data));
            EXPECT_EQ(pkg.Files[3].Data, kRandom);
            EXPECT_EQ(pkg.Files[5].Data, kTiny);
            // The texture was compressed already; the new stream replaced it only as a shorter one.
            EXPECT_LE(pkg.Files[4].Data.size(), before.Files[4].Data.size());
            EXPECT_EQ(contentsWithoutDirectory(pkg), contentsWithoutDirectory(before));
            expectTrueDirectory(pkg);
        }
    }

    // Nothing compressed: no directory at all; something compressed but no directory: one is added at the end.
    PackageFile plain
        = parsePackage(PackageBuilder().add("43545353", "7F000001", "00000003", "00000000", kRandom).build());
    plain.Files.push_back(plain.Files[0]);
    plain.Files[1].TypeID = storedId("E86B1EEF");
    recompressPackage(plain);
    ASSERT_EQ(plain.Files.size(), 1u);
    plain.Files[0].Data = kText;
    recompressPackage(plain);
    ASSERT_EQ(plain.Files.size(), 2u);
    EXPECT_EQ(plain.Files[1].InstanceID, storedId("286B1F03"));
    expectTrueDirectory(plain);
}

TEST_F(Recompress, replacedResourceStaysCompressedOnlyWhereItWasAndWhereThatShrinks)
{
    const ByteString compressed = kelvoraCompress(kText, 16);
    const ByteString again = storedFormOfReplacement(compressed, kMesh);
    EXPECT_TRUE(isCompressedResource(again));
    EXPECT_LT(again.size(), kMesh.size());
    EXPECT_EQ(decompressResource(again), kMesh);
    EXPECT_EQ(storedFormOfReplacement(kText, kMesh), kMesh); // stored plain before
    EXPECT_EQ(storedFormOfReplacement(compressed, kRandom), kRandom); // would not shrink
}

TEST_F(Recompress, fileIsReplacedOnlyAfterATrueReadBackAndNeverInADryRun)
{
    const ByteString original = samplePackage();
    const auto file = dir.write("object.package", original);

    RecompressOptions dry;
    dry.dryRun = true;
    const RecompressFileResult preview = recompressFile(file, dry);
    EXPECT_FALSE(preview.refused) << preview.reason;
    EXPECT_TRUE(preview.changed);
    EXPECT_LT(preview.bytesAfter, preview.bytesBefore);
    EXPECT_EQ(readFileBytes(file), original);

    // The read-back check sees damaged bytes: refused, file untouched.
    RecompressOptions tampered;
    tampered.beforeCheckForTesting = [](ByteString& bytes) { bytes[200] = static_cast<char>(bytes[200] ^ 0x55); };
    const RecompressFileResult refused = recompressFile(file, tampered);
    EXPECT_TRUE(refused.refused);
    EXPECT_NE(refused.reason.find("would not read back identically"), std::string::npos) << refused.reason;
    EXPECT_FALSE(refused.changed);
    EXPECT_EQ(readFileBytes(file), original);

    const RecompressFileResult done = recompressFile(file, {});
    ASSERT_FALSE(done.refused) << done.reason;
    EXPECT_EQ(done.bytesAfter, preview.bytesAfter);
    const PackageFile written = readPackage(file);
    EXPECT_EQ(contentsWithoutDirectory(written), contentsWithoutDirectory(parsePackage(original)));
    expectTrueDirectory(written);
    EXPECT_FALSE(recompressFile(file, {}).changed); // a second pass finds nothing to do

    // A damaged compressed resource or a file that is no package: refused, left as it was.
    ByteString damaged
        = PackageBuilder()
              .add("43545353", "7F000001", "00000001", "00000000", kText)
              .add("43545353", "7F000001", "00000002", "00000000", ByteString("\0\0\0\0\x10\xFB\0\0\0\xFB\x01", 11))
              .build();
    const auto broken = dir.write("broken.package", damaged);
    const RecompressFileResult brokenResult = recompressFile(broken, {});
    EXPECT_TRUE(brokenResult.refused);
    EXPECT_NE(brokenResult.reason.find("damaged"), std::string::npos) << brokenResult.reason;
    EXPECT_EQ(readFileBytes(broken), damaged);
    const auto notPackage = dir.write("short.package", "DBPF");
    EXPECT_TRUE(recompressFile(notPackage, {}).refused);
    EXPECT_EQ(readFileBytes(notPackage), "DBPF");
}

// Another program (the game, a second tool) that writes the package after
// it was read keeps its change: the replace happens only while the file's
// size and modification time are as they were at the read.
TEST_F(Recompress, aPackageChangedOnDiskSinceItWasReadIsLeftWithItsChange)
{
    const ByteString original = samplePackage();
    const auto file = dir.write("object.package", original);
    ByteString changed = original;
    changed[changed.size() - 1] ^= 0x55; // same length
    RecompressOptions racing;
    racing.beforeCheckForTesting = [&](ByteString&) {
        const std::filesystem::file_time_type before = std::filesystem::last_write_time(file);
        dir.write("object.package", changed);
        std::filesystem::last_write_time(file, before + std::chrono::seconds(2));
    };
    const RecompressFileResult result = recompressFile(file, racing);
    EXPECT_TRUE(result.refused);
    EXPECT_FALSE(result.changed);
    EXPECT_NE(result.reason.find("changed on disk"), std::string::npos) << result.reason;
    EXPECT_EQ(readFileBytes(file), changed);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);

    // A previous version that cannot be kept stops the replace too.
    RecompressOptions keeping;
    std::vector<std::filesystem::path> asked;
    keeping.keepPrevious = [&](const std::filesystem::path& kept) {
        asked.push_back(kept);
        throw Failure(ErrorCode::FileWriteFailed, "the backup folder is full");
    };
    const auto other = dir.write("other.package", original);
    const RecompressFileResult unkept = recompressFile(other, keeping);
    EXPECT_TRUE(unkept.refused);
    EXPECT_NE(unkept.reason.find("backup folder is full"), std::string::npos) << unkept.reason;
    EXPECT_EQ(asked, std::vector<std::filesystem::path> { other });
    EXPECT_EQ(readFileBytes(other), original);
}

TEST_F(Recompress, foldersAreSearchedAndEveryPackageRunsOnThePool)
{
    std::filesystem::create_directories(dir.path() / "a" / "b");
    const ByteString original = samplePackage();
    dir.write("a/one.package", original);
    dir.write("a/b/two.PACKAGE", original);
    dir.write("a/b/notes.txt", kText);
    const auto three = dir.write("three.package", original);
    std::vector<std::string> missing;
    const auto files = collectPackageFiles({ dir.path() / "a", three, three, dir.path() / "nowhere" }, missing);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(missing.size(), 1u);

    RecompressOptions options;
    options.threads = 2;
    std::size_t reported = 0;
    const auto results
        = recompressFiles(files, options, [&](std::size_t done, std::size_t total, const RecompressFileResult&) {
              EXPECT_EQ(total, 3u);
              EXPECT_EQ(done, ++reported);
          });
    ASSERT_EQ(results.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(results[k].file, files[k]);
        EXPECT_TRUE(results[k].changed && !results[k].refused) << results[k].reason;
        EXPECT_LT(readFileBytes(files[k]).size(), original.size());
    }
}

TEST_F(Recompress, commandLineReportsASummaryAndHonoursDryRun)
{
    const ByteString original = samplePackage();
    const auto file = dir.write("object.package", original);
    dir.write("bad.package", "not a package");
    TemporaryFolder userData; // where the backups go
    const auto run = [&](std::vector<std::string> options) {
        options.insert(options.begin(), { "recompress", pathToUtf8(dir.path()) });
        return runCli(options, { { "VARNICK_USER_DATA_DIR", userData.utf8() } });
    };
    const CliRun dryRun = run({ "--dry-run", "--level", "9" });
    EXPECT_EQ(dryRun.status, 1); // the bad package is refused
    const ByteString summary = dryRun.out;
    EXPECT_NE(summary.find("dry run (nothing written) at level 9"), std::string::npos) << summary;
    EXPECT_NE(summary.find("packages: 2 (changed 1, unchanged 0, refused 1)"), std::string::npos) << summary;
    EXPECT_NE(summary.find("bytes before: " + std::to_string(original.size() + 13)), std::string::npos) << summary;
    EXPECT_NE(summary.find("refused: "), std::string::npos) << summary;
    EXPECT_EQ(readFileBytes(file), original);

    EXPECT_EQ(run({ "--level", "2" }).status, 1);
    EXPECT_LT(readFileBytes(file).size(), original.size());
    EXPECT_EQ(contentsWithoutDirectory(readPackage(file)), contentsWithoutDirectory(parsePackage(original)));
}

// As "set": each package replaced keeps its previous version in the backup
// folder, unless told not to; a dry run keeps none.
TEST_F(Recompress, commandLineKeepsThePreviousVersionOfEachReplacedPackage)
{
    const ByteString original = samplePackage();
    const auto kept = dir.write("kept.package", original);
    const auto bare = dir.write("bare.package", original);
    TemporaryFolder backups;
    const auto run = [&](const std::filesystem::path& file, std::vector<std::string> options) {
        options.insert(options.begin(), { "recompress", pathToUtf8(file), "--backup-folder", backups.utf8() });
        return runCli(options).status;
    };
    const BackupStore store(backups.path());
    EXPECT_EQ(run(kept, { "--dry-run" }), 0);
    EXPECT_TRUE(store.generations(kept).empty());
    EXPECT_EQ(run(kept, {}), 0);
    ASSERT_EQ(store.generations(kept).size(), 1U);
    EXPECT_EQ(readFileBytes(store.generations(kept).front().file), original);
    EXPECT_LT(readFileBytes(kept).size(), original.size());

    EXPECT_EQ(run(bare, { "--no-backup" }), 0);
    EXPECT_LT(readFileBytes(bare).size(), original.size());
    EXPECT_TRUE(store.generations(bare).empty());
}
