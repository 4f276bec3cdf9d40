#include "package/PackageWriter.h"
#include "package/BinarySupport.h"
#include "package/PackageReader.h"
#include "package/base/ErrorTrap.h"
#include "package/base/RawFile.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/common/TrapRecorder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

using namespace varnick;
using namespace varnick::test;

namespace {

PackageBuilder sample(std::int32_t indexMinor = 2)
{
    PackageBuilder builder;
    builder.indexMinorVersion(indexMinor)
        .dates(1111, 2222)
        .add("4F424A44", "7FD46CD0", "00000041", "00000001", "objd")
        .add("43545353", "7FD46CD0", "00000001", "00000002", "")
        .add("1C4A276C", "1C0532FA", "FF000000", "00000003", ByteString(1000, '\x80'));
    return builder;
}

// Restores the writer's pause and the file seams whatever a test does.
class WriterSeams : public ::testing::Test {
protected:
    void SetUp() override
    {
        mPrevious = setPackageWriterPause([this](std::int32_t ms) { pauses.push_back(ms); });
    }
    void TearDown() override
    {
        setPackageWriterPause(std::move(mPrevious));
        RawFile::failNextOpensForTesting(0);
        RawFile::failWritesAfterForTesting(-1);
    }
    std::vector<std::int32_t> pauses;

private:
    PausePackageWriter mPrevious;
};

} // namespace

TEST(PackageWriter, defaultHeaderOfANewPackage)
{
    PackageFile pkg;
    pkg.IndexCount = 9;
    pkg.HoleSize = 5;
    pkg.Reserved2 = "short";
    pkg.Files.resize(2);
    gsCreateDefaultPackageHeader(pkg);
    EXPECT_EQ(pkg.Magic, int32At("DBPF", 0));
    EXPECT_EQ(pkg.MajorVersion, 1);
    EXPECT_EQ(pkg.MinorVersion, 1);
    EXPECT_EQ(pkg.IndexMajorVersion, 7);
    EXPECT_EQ(pkg.IndexMinorVersion, 2);
    EXPECT_EQ(pkg.IndexCount, 0);
    EXPECT_EQ(pkg.HoleSize, 0);
    EXPECT_EQ(pkg.Reserved2, ByteString(32, '\0'));
    EXPECT_EQ(pkg.Files.size(), 2u); // arrays untouched

    PackageFile empty;
    gsCreateDefaultPackageHeader(empty);
    const ByteString bytes = serializePackage(empty);
    EXPECT_EQ(bytes.substr(0, 4), "DBPF");
    EXPECT_EQ(bytes.size(), 96u);
    EXPECT_EQ(int32At(bytes, kIndexOffsetAt), 96);
}

class WriterLayout : public ::testing::TestWithParam<std::int32_t> { };

TEST_P(WriterLayout, packsResourcesFromTheHeaderInIndexOrderWithTheIndexLast)
{
    const std::int32_t minor = GetParam();
    PackageBuilder builder = sample(minor);
    builder.reverseStorage().gapBetweenResources(7).holes({ { 10, 20 }, { 40, 8 } });
    const ByteString original = builder.build();
    PackageFile pkg = parsePackage(original);
    const std::int32_t holeOffset = pkg.HoleOffset;

    const ByteString written = serializePackage(pkg);
    const std::size_t entrySize = minor == 2 ? 24 : 20;
    const std::size_t indexOffset = 96 + 4 + 0 + 1000;
    ASSERT_EQ(written.size(), indexOffset + 3 * entrySize);
    // Header: everything carried except the three index fields, hole fields included.
    EXPECT_EQ(written.substr(0, 36), original.substr(0, 36));
    EXPECT_EQ(int32At(written, kIndexCountAt), 3);
    EXPECT_EQ(int32At(written, kIndexOffsetAt), static_cast<std::int32_t>(indexOffset));
    EXPECT_EQ(int32At(written, kIndexSizeAt), static_cast<std::int32_t>(3 * entrySize));
    EXPECT_EQ(int32At(written, kHoleCountAt), 2);
    EXPECT_EQ(int32At(written, kHoleOffsetAt), holeOffset);
    EXPECT_EQ(int32At(written, kHoleSizeAt), 16);
    EXPECT_EQ(written.substr(60, 36), original.substr(60, 36));
    // Resources back to back from offset 96.
    EXPECT_EQ(written.substr(96, 4), "objd");
    EXPECT_EQ(written.substr(100, 1000), ByteString(1000, '\x80'));
    // Index entries at the end.
    const ByteString third = written.substr(indexOffset + 2 * entrySize, entrySize);
    EXPECT_EQ(third.substr(0, 12),
        gfstr4HexToSimsID("1C4A276C") + gfstr4HexToSimsID("1C0532FA") + gfstr4HexToSimsID("FF000000"));
    if (minor == 2) {
        EXPECT_EQ(third.substr(12, 4), gfstr4HexToSimsID("00000003"));
    }
    EXPECT_EQ(int32At(third, entrySize - 8), 100);
    EXPECT_EQ(int32At(third, entrySize - 4), 1000);
    // The record now describes what was written.
    EXPECT_EQ(pkg.IndexCount, 3);
    EXPECT_EQ(pkg.IndexOffset, static_cast<std::int32_t>(indexOffset));
    EXPECT_EQ(pkg.IndexSize, static_cast<std::int32_t>(3 * entrySize));
    EXPECT_EQ(pkg.Index[1].Offset, 100);
    EXPECT_EQ(pkg.Index[1].Size, 0);

    // And reads back to the same resources.
    const PackageFile again = parsePackage(written);
    ASSERT_EQ(again.Files.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(again.Files[i].Data, pkg.Files[i].Data);
        EXPECT_EQ(again.Files[i].TypeID, pkg.Files[i].TypeID);
        EXPECT_EQ(again.Files[i].InstanceID, pkg.Files[i].InstanceID);
    }
    EXPECT_EQ(again.DateCreated, 1111);
    EXPECT_EQ(again.DateModified, 2222);
}

INSTANTIATE_TEST_SUITE_P(PackageWriter, WriterLayout, ::testing::Values(1, 2));

TEST(PackageWriter, writesAReplacedResourceWithItsNewSize)
{
    PackageFile pkg = parsePackage(sample().build());
    pkg.Files[0].Data = ByteString(5000, 'D'); // e.g. a decompressed copy; Size still says 4
    ASSERT_EQ(pkg.Files[0].Size, 4);
    const PackageFile again = parsePackage(serializePackage(pkg));
    EXPECT_EQ(pkg.Index[0].Size, 5000);
    EXPECT_EQ(again.Files[0].Data, ByteString(5000, 'D'));
    EXPECT_EQ(again.Index[1].Offset, 96 + 5000);
}

TEST(PackageWriter, rejectsIdentifiersThatAreNot4BytesBeforeWriting)
{
    TemporaryFolder dir;
    TrapRecorder trap;
    PackageFile pkg = parsePackage(sample().build());
    pkg.Files[1].GroupID = "abc";
    const auto file = dir.path() / "bad.package";
    EXPECT_FALSE(gsSavePackageFileNoCompB(file, pkg));
    EXPECT_NE(trap.last().Description.find("Resource 2 has a group identifier of 3 bytes"), std::string::npos);
    EXPECT_EQ(trap.last().Module, "modSimsPackage");
    EXPECT_EQ(trap.last().Procedure, "gsSavePackageFileNoCompB");
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(pkg.IndexCount, 3); // record unchanged
}

TEST(PackageWriter, savesToFileTruncatingLongerContentsAndSkipsEmptyName)
{
    TemporaryFolder dir;
    TrapRecorder trap;
    const auto file = dir.write("target.package", ByteString(100000, 'x'));
    PackageFile pkg = parsePackage(sample().build());
    ASSERT_TRUE(gsSavePackageFileNoCompB(file, pkg));
    const ByteString onDisk = readFileBytes(file);
    EXPECT_EQ(onDisk, serializePackage(pkg));
    EXPECT_EQ(errorContext().AdditionalData, "");
    EXPECT_TRUE(gsSavePackageFileNoCompB({}, pkg));
    EXPECT_TRUE(trap.empty());
}

TEST(PackageWriter, writesAndReadsTwoHundredThousandResources)
{
    TemporaryFolder dir;
    PackageFile pkg;
    gsCreateDefaultPackageHeader(pkg);
    pkg.Files.resize(200000);
    for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
        PackageResource& file = pkg.Files[i];
        file.TypeID = gfstr4HexToSimsID("AC2950C1");
        file.GroupID = ByteString(4, '\0');
        file.InstanceID = gfstrLongToStr4(1);
        file.ResourceID = gfstrLongToStr4(static_cast<std::int32_t>(i));
        file.Data = ByteString(1 + i % 5, 'j');
    }
    const auto file = dir.path() / "thumbs.package";
    writePackage(pkg, file);
    EXPECT_EQ(pkg.IndexCount, 200000);
    const PackageIndex index = readPackageIndex(file);
    ASSERT_EQ(index.entries.size(), 200000u);
    EXPECT_EQ(index.entries[199999].ResourceID, gfstrLongToStr4(199999));
    const PackageFile again = readPackage(file);
    EXPECT_EQ(again.Files[199999].Data, ByteString(5, 'j'));
}

TEST_F(WriterSeams, retriesAFileHeldByAnotherProgram)
{
    TemporaryFolder dir;
    TrapRecorder trap;
    PackageFile pkg = parsePackage(sample().build());
    RawFile::failNextOpensForTesting(12);
    ASSERT_TRUE(gsSavePackageFileNoCompB(dir.path() / "held.package", pkg));
    EXPECT_EQ(pauses, std::vector<std::int32_t>(12, 250));
    EXPECT_TRUE(trap.empty());
    EXPECT_EQ(parsePackage(readFileBytes(dir.path() / "held.package")).Files.size(), 3u);
}

TEST_F(WriterSeams, givesUpAfterTwelveRetries)
{
    TemporaryFolder dir;
    TrapRecorder trap;
    PackageFile pkg = parsePackage(sample().build());
    RawFile::failNextOpensForTesting(13);
    EXPECT_FALSE(gsSavePackageFileNoCompB(dir.path() / "held.package", pkg));
    EXPECT_EQ(pauses.size(), 12u);
    EXPECT_EQ(trap.last().Location, 1000);
    EXPECT_EQ(trap.last().Number, static_cast<std::int32_t>(ErrorCode::FileOpenFailed));
    EXPECT_NE(trap.last().Description.find("after 12 retries"), std::string::npos);
}

TEST_F(WriterSeams, doesNotRetryAMissingFolder)
{
    TemporaryFolder dir;
    TrapRecorder trap;
    PackageFile pkg = parsePackage(sample().build());
    EXPECT_FALSE(gsSavePackageFileNoCompB(dir.path() / "no such folder" / "x.package", pkg));
    EXPECT_TRUE(pauses.empty());
    EXPECT_EQ(trap.last().Number, static_cast<std::int32_t>(ErrorCode::FileOpenFailed));
}

TEST_F(WriterSeams, replacingWriteLeavesTheTargetIntactWhenTheDiskFills)
{
    TemporaryFolder dir;
    const ByteString old = sample(1).build();
    const auto target = dir.write("object.package", old);
    PackageFile pkg = parsePackage(sample().build());
    pkg.Files[2].Data = ByteString(3 * 1024 * 1024, 'n');
    RawFile::failWritesAfterForTesting(1024 * 1024);
    EXPECT_THROW(writePackageReplacing(pkg, target), Failure);
    RawFile::failWritesAfterForTesting(-1);
    EXPECT_EQ(readFileBytes(target), old);
    // No scratch file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);

    writePackageReplacing(pkg, target);
    EXPECT_EQ(parsePackage(readFileBytes(target)).Files[2].Data.size(), 3u * 1024 * 1024);
}

TEST_F(WriterSeams, trappedSaveLeavesTheTargetWholeWhenWritingFails)
{
    TemporaryFolder dir;
    TrapRecorder trap;
    const ByteString old = sample(1).build();
    const auto target = dir.write("object.package", old);
    PackageFile pkg = parsePackage(sample().build());
    pkg.Files[2].Data = ByteString(3 * 1024 * 1024, 'n');
    RawFile::failWritesAfterForTesting(1024 * 1024);
    EXPECT_FALSE(gsSavePackageFileNoCompB(target, pkg));
    RawFile::failWritesAfterForTesting(-1);
    EXPECT_EQ(trap.last().Procedure, "gsSavePackageFileNoCompB");
    EXPECT_EQ(readFileBytes(target), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST(PackageDirectoryWriter, buildsRecordsAndRoundTrips)
{
    ByteString out = "stale";
    gsWriteDirectory(out, {}, 2);
    EXPECT_EQ(out, "");

    std::vector<DirectoryEntry> entries(2);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].TypeID = gfstr4HexToSimsID("4F424A44");
        entries[i].GroupID = gfstr4HexToSimsID("7FD46CD0");
        entries[i].InstanceID = gfstrLongToStr4(static_cast<std::int32_t>(i));
        entries[i].ResourceID = gfstrLongToStr4(static_cast<std::int32_t>(10 + i));
        entries[i].Size = 4000 + static_cast<std::int32_t>(i);
    }
    for (const std::int32_t minor : { 1, 2 }) {
        gsWriteDirectory(out, entries, minor);
        ASSERT_EQ(out.size(), minor == 2 ? 40u : 32u);
        const std::vector<DirectoryEntry> back = parseDirectory(out, minor);
        ASSERT_EQ(back.size(), 2u);
        EXPECT_EQ(back[1].InstanceID, entries[1].InstanceID);
        EXPECT_EQ(back[1].Size, 4001);
        EXPECT_EQ(back[1].ResourceID, minor == 2 ? entries[1].ResourceID : ByteString(4, '\0'));
    }
    entries[0].ResourceID.clear();
    EXPECT_THROW(gsWriteDirectory(out, entries, 2), Failure);
    EXPECT_NO_THROW(gsWriteDirectory(out, entries, 1)); // the identifier is not written there
}

TEST(PackageRemoval, dropsEntriesOfOneResourceIdentifier)
{
    const ByteString doomed = gfstrLongToStr4(7);
    std::vector<PackageResource> files(5);
    std::vector<DirectoryEntry> directory(5);
    for (std::size_t i = 0; i < files.size(); ++i) {
        files[i].TypeID = gfstrLongToStr4(static_cast<std::int32_t>(i));
        files[i].ResourceID = i % 2 == 0 ? doomed : gfstrLongToStr4(8);
        files[i].Data = "data" + std::to_string(i);
        files[i].Size = 99;
        files[i].Spare1 = 5;
        files[i].Spare2 = 6;
        directory[i].TypeID = files[i].TypeID;
        directory[i].ResourceID = files[i].ResourceID;
        directory[i].Size = static_cast<std::int32_t>(i);
    }
    std::vector<PackageResource> keptFiles(9);
    gsRemovePackageFiles(files, keptFiles, doomed);
    ASSERT_EQ(keptFiles.size(), 2u);
    EXPECT_EQ(keptFiles[0].Data, "data1");
    EXPECT_EQ(keptFiles[1].TypeID, gfstrLongToStr4(3));
    EXPECT_EQ(keptFiles[1].Size, 0);
    EXPECT_EQ(keptFiles[1].Spare1, 0);
    EXPECT_EQ(keptFiles[1].Spare2, 0);

    std::vector<DirectoryEntry> keptDirectory;
    gsRemoveDirectoryEntries(directory, keptDirectory, doomed);
    ASSERT_EQ(keptDirectory.size(), 2u);
    EXPECT_EQ(keptDirectory[1].Size, 3);

    gsRemovePackageFiles(files, keptFiles, gfstrLongToStr4(12345));
    EXPECT_EQ(keptFiles.size(), files.size());
    gsRemoveDirectoryEntries({}, keptDirectory, doomed);
    EXPECT_TRUE(keptDirectory.empty());

    // The purge's scale: a thumbnail cache of 200,000 entries.
    std::vector<PackageResource> many(200000);
    for (std::size_t i = 0; i < many.size(); ++i)
        many[i].ResourceID = i == 150000 ? doomed : gfstrLongToStr4(1);
    gsRemovePackageFiles(many, keptFiles, doomed);
    EXPECT_EQ(keptFiles.size(), 199999u);
}
