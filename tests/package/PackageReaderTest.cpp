#include "package/PackageReader.h"
#include "package/BinarySupport.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "tests/common/FailsWith.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/common/TrapRecorder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace varnick;
using namespace varnick::test;

namespace {

template <typename Statement> void expectFailure(Statement statement, ErrorCode code, const std::string& part)
{
    EXPECT_FAILS_WITH_CODE(statement(), code, part);
}

PackageBuilder threeResources(std::int32_t indexMinor)
{
    PackageBuilder builder;
    builder.indexMinorVersion(indexMinor)
        .add("4F424A44", "7FD46CD0", "00000041", "00000001", "object definition bytes")
        .add("43545353", "7FD46CD0", "00000001", "00000002", "catalog text")
        .add("AC4F8687", "1C0532FA", "FF000000", "00000003", ByteString("mesh\0\xff\x80", 7));
    return builder;
}

} // namespace

// The reader's cores run inside other procedures (the editor's load, the
// batch's workers): a read that succeeds leaves the caller's step and file as
// they were; one that fails reports its own step and the file it read.
TEST(PackageReader, aReadInsideAProcedureLeavesItsStepOrReportsItsOwn)
{
    const TemporaryFolder dir;
    const auto good = dir.write("good.package", threeResources(1).build());
    const auto cut = dir.write("cut.package", threeResources(1).build().substr(0, 100));
    TrapRecorder recorder;
    for (const auto& read : std::vector<std::function<void(const std::filesystem::path&)>> {
             [](const std::filesystem::path& file) { readPackage(file); },
             [](const std::filesystem::path& file) { readPackageIndex(file); } }) {
        EXPECT_TRUE(trapped("m", "p", [&] {
            setLocation(5500);
            read(good);
            EXPECT_EQ(errorContext().Location, 5500);
            EXPECT_EQ(errorContext().AdditionalData, "");
        }));
        EXPECT_FALSE(trapped("m", "p", [&] {
            setLocation(5500);
            read(cut);
        }));
        EXPECT_NE(recorder.last().Location, 5500);
        EXPECT_EQ(recorder.last().AdditionalData, "Filename = " + pathToUtf8(cut));
    }
}

class IndexVersions : public ::testing::TestWithParam<std::int32_t> { };

TEST_P(IndexVersions, readsEntriesOfTheRightWidth)
{
    const std::int32_t minor = GetParam();
    PackageBuilder builder = threeResources(minor);
    const ByteString bytes = builder.build();
    const PackageFile pkg = parsePackage(bytes);

    EXPECT_EQ(pkg.IndexMinorVersion, minor);
    EXPECT_EQ(pkg.IndexSize, static_cast<std::int32_t>(3 * (minor == 2 ? 24 : 20)));
    ASSERT_EQ(pkg.Index.size(), 3u);
    ASSERT_EQ(pkg.Files.size(), 3u);
    EXPECT_EQ(simsIdToHex(pkg.Index[0].TypeID), "4F424A44");
    EXPECT_EQ(simsIdToHex(pkg.Index[2].InstanceID), "FF000000");
    EXPECT_EQ(pkg.Index[2].ResourceID, minor == 2 ? gfstr4HexToSimsID("00000003") : ByteString(4, '\0'));
    EXPECT_EQ(pkg.Files[1].Data, "catalog text");
    EXPECT_EQ(pkg.Files[2].Data, ByteString("mesh\0\xff\x80", 7));
    EXPECT_EQ(pkg.Files[2].Size, 7);
    EXPECT_EQ(pkg.Files[2].ResourceID, pkg.Index[2].ResourceID);

    const PackageIndex index = parsePackageIndex(bytes);
    ASSERT_EQ(index.entries.size(), 3u);
    EXPECT_EQ(index.header.IndexMinorVersion, minor);
    EXPECT_EQ(index.entries[1].Offset, pkg.Index[1].Offset);
    EXPECT_EQ(index.entries[1].Size, 12);
}

INSTANTIATE_TEST_SUITE_P(PackageReader, IndexVersions, ::testing::Values(0, 1, 2));

TEST(PackageReader, readsEveryHeaderFieldInOrder)
{
    ByteString bytes = PackageBuilder().dates(11, 22).versions(1, 2).build();
    patchInt32(bytes, 12, -7);
    patchInt32(bytes, 20, 9);
    bytes[95] = 'Z';
    const PackageHeader header = parsePackageIndex(bytes).header;
    EXPECT_EQ(header.Magic, 0x46504244);
    EXPECT_EQ(header.MajorVersion, 1);
    EXPECT_EQ(header.MinorVersion, 2);
    EXPECT_EQ(header.Reserved1[0], -7);
    EXPECT_EQ(header.Reserved1[2], 9);
    EXPECT_EQ(header.DateCreated, 11);
    EXPECT_EQ(header.DateModified, 22);
    EXPECT_EQ(header.IndexMajorVersion, 7);
    EXPECT_EQ(header.IndexCount, 0);
    EXPECT_EQ(header.IndexMinorVersion, 2);
    EXPECT_EQ(header.Reserved2.size(), 32u);
    EXPECT_EQ(header.Reserved2.back(), 'Z');
}

TEST(PackageReader, readsResourcesInIndexOrderWhereverTheyAreStored)
{
    PackageBuilder builder = threeResources(2);
    builder.reverseStorage().gapBetweenResources(13).indexFirst();
    const PackageFile pkg = parsePackage(builder.build());
    ASSERT_EQ(pkg.Files.size(), 3u);
    EXPECT_EQ(pkg.Files[0].Data, "object definition bytes");
    EXPECT_EQ(pkg.Files[1].Data, "catalog text");
    EXPECT_GT(pkg.Index[0].Offset, pkg.Index[2].Offset);
}

TEST(PackageReader, readsSharedRangesOncePerEntry)
{
    ByteString bytes = threeResources(2).build();
    // Point the third entry at the first resource's bytes.
    const std::size_t indexOffset = static_cast<std::size_t>(int32At(bytes, kIndexOffsetAt));
    patchInt32(bytes, indexOffset + 2 * 24 + 16, int32At(bytes, indexOffset + 16));
    patchInt32(bytes, indexOffset + 2 * 24 + 20, int32At(bytes, indexOffset + 20));
    const PackageFile pkg = parsePackage(bytes);
    EXPECT_EQ(pkg.Files[2].Data, pkg.Files[0].Data);
}

TEST(PackageReader, doesNotTestTheMagic)
{
    ByteString bytes = threeResources(2).build();
    bytes.replace(0, 4, "JUNK");
    const PackageFile pkg = parsePackage(bytes);
    EXPECT_EQ(pkg.Files.size(), 3u);
    EXPECT_EQ(pkg.Magic, int32At("JUNK", 0));
}

TEST(PackageReader, keepsHoleTableAndSkipsOneOutsideTheFile)
{
    ByteString bytes = threeResources(2).holes({ { 200, 16 }, { 300, 8 } }).build();
    PackageFile pkg = parsePackage(bytes);
    ASSERT_EQ(pkg.Holes.size(), 2u);
    EXPECT_EQ(pkg.Holes[1].Offset, 300);
    EXPECT_EQ(pkg.Holes[1].Size, 8);

    // Rewritten packages keep old hole fields that may point past their end.
    patchInt32(bytes, kHoleOffsetAt, 1 << 30);
    pkg = parsePackage(bytes);
    EXPECT_TRUE(pkg.Holes.empty());
    EXPECT_EQ(pkg.HoleOffset, 1 << 30);
    EXPECT_EQ(pkg.Files.size(), 3u);
}

TEST(PackageReader, emptyIndexGivesNoEntriesAndReplacesAnEarlierPackage)
{
    TemporaryFolder dir;
    const auto empty = dir.write("empty.package", PackageBuilder().build());
    const auto full = dir.write("full.package", threeResources(2).build());
    TrapRecorder trap;

    std::vector<IndexEntry> entries(5);
    EXPECT_TRUE(gsLoadPackageIndexOnly(empty, entries));
    EXPECT_TRUE(entries.empty());

    PackageFile pkg;
    ASSERT_TRUE(gsOpenPackageFile(full, pkg));
    ASSERT_EQ(pkg.Files.size(), 3u);
    ASSERT_TRUE(gsOpenPackageFile(empty, pkg));
    // Resources of the package read before must not be carried into this one.
    EXPECT_TRUE(pkg.Files.empty());
    EXPECT_TRUE(pkg.Index.empty());
    EXPECT_EQ(pkg.IndexCount, 0);
    EXPECT_TRUE(trap.empty());
}

TEST(PackageReader, loadPackageWithEmptyNameLeavesRecordAlone)
{
    PackageFile pkg;
    pkg.DateCreated = 42;
    pkg.Files.resize(2);
    TrapRecorder trap;
    EXPECT_TRUE(gsLoadPackage({}, pkg));
    EXPECT_EQ(pkg.DateCreated, 42);
    EXPECT_EQ(pkg.Files.size(), 2u);
    EXPECT_TRUE(trap.empty());
}

TEST(PackageReader, readsFilesWithUnicodeNames)
{
    TemporaryFolder dir;
    const auto file = dir.write(pathFromUtf8("Möbel – 椅子 ✓.package"), threeResources(1).build());
    TrapRecorder trap;
    PackageFile pkg;
    ASSERT_TRUE(gsLoadPackage(file, pkg));
    EXPECT_EQ(pkg.Files.size(), 3u);
    EXPECT_EQ(readPackageIndex(file).entries.size(), 3u);
    EXPECT_EQ(readResourceBytes(file, pkg.Index[1]), "catalog text");
}

TEST(PackageReader, readsMoreEntriesThanSixteenBitsCount)
{
    PackageBuilder builder;
    for (int i = 0; i < 40000; ++i)
        builder.add("AC2950C1", "00000000", "00000001", "7F" + gfstrStrToHex(gfstrLongToStr4(i)).substr(2), "jpg");
    const ByteString bytes = builder.build();
    const PackageIndex index = parsePackageIndex(bytes);
    ASSERT_EQ(index.entries.size(), 40000u);
    EXPECT_EQ(simsIdToHex(index.entries[39999].ResourceID), "7F009C3F");
    const PackageFile pkg = parsePackage(bytes);
    ASSERT_EQ(pkg.Files.size(), 40000u);
    EXPECT_EQ(pkg.Files[34567].Data, "jpg");
}

TEST(PackageReader, readsOneResourceOnDemand)
{
    TemporaryFolder dir;
    const auto file = dir.write("three.package", threeResources(2).build());
    const PackageIndex index = readPackageIndex(file);
    EXPECT_EQ(readResourceBytes(file, index.entries[0]), "object definition bytes");
    IndexEntry outside = index.entries[0];
    outside.Offset = static_cast<std::int32_t>(std::filesystem::file_size(file)) - 2;
    expectFailure([&] { readResourceBytes(file, outside); }, ErrorCode::BadPackage, "runs past the end of the file");
}

// Broken files: each must fail with a message that says what is wrong, before
// anything is allocated from its counts.
TEST(PackageReader, rejectsFilesShorterThanTheHeader)
{
    expectFailure([] { parsePackage(ByteString(95, 'D')); }, ErrorCode::BadPackage,
        "95 bytes long, shorter than the 96-byte package header");
    expectFailure([] { parsePackageIndex(""); }, ErrorCode::BadPackage, "0 bytes long");
}

TEST(PackageReader, rejectsIndexPastEndOfFile)
{
    ByteString bytes = threeResources(2).build();
    patchInt32(bytes, kIndexCountAt, 4000);
    patchInt32(bytes, kIndexOffsetAt, 96);
    const std::string expected = "Index of 4000 entries at offset 96 runs past the end of the package ("
        + std::to_string(bytes.size()) + " bytes)";
    expectFailure([&] { parsePackageIndex(bytes); }, ErrorCode::BadPackage, expected);
    expectFailure([&] { parsePackage(bytes); }, ErrorCode::BadPackage, expected);

    // The largest count the field can hold must not turn into an allocation.
    patchInt32(bytes, kIndexCountAt, 0x7FFFFFFF);
    expectFailure([&] { parsePackageIndex(bytes); }, ErrorCode::BadPackage, "2147483647 entries");
    patchInt32(bytes, kIndexCountAt, 3);
    patchInt32(bytes, kIndexOffsetAt, 0x7FFFFFF0);
    expectFailure([&] { parsePackageIndex(bytes); }, ErrorCode::BadPackage, "at offset 2147483632 runs past the end");
}

TEST(PackageReader, rejectsNegativeCountsAndOffsets)
{
    ByteString bytes = threeResources(2).build();
    ByteString negativeCount = bytes;
    patchInt32(negativeCount, kIndexCountAt, -1);
    expectFailure([&] { parsePackage(negativeCount); }, ErrorCode::BadPackage, "Index count -1 is negative");
    ByteString negativeOffset = bytes;
    patchInt32(negativeOffset, kIndexOffsetAt, -24);
    expectFailure([&] { parsePackage(negativeOffset); }, ErrorCode::BadPackage, "starts at offset -24");
}

TEST(PackageReader, rejectsResourcesOutsideTheFile)
{
    const ByteString bytes = threeResources(2).build();
    const std::size_t entry = static_cast<std::size_t>(int32At(bytes, kIndexOffsetAt)) + 24; // second entry
    ByteString pastEnd = bytes;
    patchInt32(pastEnd, entry + 20, 100000);
    expectFailure([&] { parsePackage(pastEnd); }, ErrorCode::BadPackage, "Resource 2 of 3 (type 43545353) at offset");
    expectFailure([&] { parsePackage(pastEnd); }, ErrorCode::BadPackage, "with 100000 bytes runs past the end");
    // The index alone does not look at resources.
    EXPECT_EQ(parsePackageIndex(pastEnd).entries.size(), 3u);

    ByteString negativeSize = bytes;
    patchInt32(negativeSize, entry + 20, -5);
    expectFailure([&] { parsePackage(negativeSize); }, ErrorCode::BadPackage, "negative size (-5)");
    ByteString negativeOffset = bytes;
    patchInt32(negativeOffset, entry + 16, -1);
    expectFailure([&] { parsePackage(negativeOffset); }, ErrorCode::BadPackage, "starts at offset -1");
    ByteString overflow = bytes;
    patchInt32(overflow, entry + 16, 0x7FFFFFFF);
    patchInt32(overflow, entry + 20, 0x7FFFFFFF);
    expectFailure([&] { parsePackage(overflow); }, ErrorCode::BadPackage, "runs past the end");
}

TEST(PackageReader, rejectsIndexThatNamesTheWholeFileOverAndOver)
{
    // 20,000 entries each naming the whole file would be gigabytes in memory.
    PackageBuilder builder;
    for (int i = 0; i < 20000; ++i)
        builder.add("00000001", "00000000", "00000000", "00000000", "");
    ByteString bytes = builder.build();
    bytes += ByteString(4 * 1024 * 1024, 'x');
    const std::size_t index = static_cast<std::size_t>(int32At(bytes, kIndexOffsetAt));
    for (int i = 0; i < 20000; ++i) {
        patchInt32(bytes, index + static_cast<std::size_t>(i) * 24 + 16, 0);
        patchInt32(bytes, index + static_cast<std::size_t>(i) * 24 + 20, static_cast<std::int32_t>(bytes.size()));
    }
    expectFailure([&] { parsePackage(bytes); }, ErrorCode::ResourceTooLarge, "even with shared ranges");
}

TEST(PackageReader, survivesEveryTruncationAndByteFlip)
{
    PackageBuilder builder = threeResources(2);
    builder.holes({ { 1, 2 } });
    const ByteString bytes = builder.build();
    const auto tryBoth = [](const ByteString& input) {
        try {
            parsePackageIndex(input);
        } catch (const Failure&) {
        }
        try {
            const PackageFile pkg = parsePackage(input);
            for (const PackageResource& file : pkg.Files)
                ASSERT_EQ(file.Data.size(), static_cast<std::size_t>(file.Size));
        } catch (const Failure&) {
        }
    };
    for (std::size_t length = 0; length < bytes.size(); ++length)
        tryBoth(bytes.substr(0, length));
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (const unsigned char value : { 0x00, 0x80, 0xFF, 0x7F }) {
            ByteString flipped = bytes;
            flipped[at] = static_cast<char>(value);
            tryBoth(flipped);
        }
    }
}

// The folder scan reads only the types of an index: whatever the bytes, they
// are the whole index's types, or both readers fail alike, from memory and
// from a file.
TEST(PackageReader, theTypesAloneAgreeWithTheWholeIndex)
{
    TemporaryFolder dir;
    std::filesystem::path file;
    const auto outcome = [](const auto& read) -> std::string {
        try {
            return "types " + read();
        } catch (const Failure& failure) {
            return "failure " + std::to_string(static_cast<int>(failure.code())) + " " + failure.what();
        }
    };
    const auto expectAgreement = [&](const ByteString& input, bool viaFile) {
        const std::string whole = outcome([&] {
            ByteString types;
            for (const IndexEntry& entry : parsePackageIndex(input).entries)
                types += entry.TypeID;
            return types;
        });
        ASSERT_EQ(outcome([&] { return parsePackageIndexTypes(input); }), whole);
        if (viaFile) {
            file = dir.write("types.package", input);
            const std::string byPath = outcome([&] { return readPackageIndexTypes(file); });
            ASSERT_EQ(byPath, outcome([&] {
                ByteString types;
                for (const IndexEntry& entry : readPackageIndex(file).entries)
                    types += entry.TypeID;
                return types;
            }));
            const FolderHandle held(dir.path());
            ASSERT_EQ(outcome([&] { return readPackageIndexTypes(held, file.filename()); }), byPath);
            ASSERT_EQ(outcome([&] { return PackageResourceReader(file).indexTypes(); }), byPath);
            ASSERT_EQ(outcome([&] {
                ByteString types;
                for (const IndexEntry& entry : PackageResourceReader(file).index().entries)
                    types += entry.TypeID;
                return types;
            }),
                byPath);
        }
    };
    for (const std::int32_t minor : { 1, 2 }) {
        SCOPED_TRACE(minor);
        const ByteString bytes = threeResources(minor).build();
        EXPECT_EQ(parsePackageIndexTypes(bytes).size(), 12u);
        expectAgreement(bytes, true);
        expectAgreement(PackageBuilder().build(), true);
        for (std::size_t length = 0; length < bytes.size(); ++length)
            expectAgreement(bytes.substr(0, length), length % 16 == 0);
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            for (const unsigned char value : { 0x00, 0x80, 0xFF, 0x7F }) {
                ByteString flipped = bytes;
                flipped[at] = static_cast<char>(value);
                expectAgreement(flipped, at < 96 && value == 0xFF);
            }
        }
    }
}

TEST(PackageReader, aHeldFolderReadsAsItsPathAndNamesOnlyTheFileThatFails)
{
    TemporaryFolder dir;
    const auto good = dir.write("good.package", threeResources(2).build());
    dir.write("sub/inner.package", threeResources(1).build());
    dir.write("short.package", "DBPF");
    const auto outcome = [](const auto& read) -> std::string {
        try {
            return "types " + read();
        } catch (const Failure& failure) {
            return "failure " + std::to_string(static_cast<int>(failure.code())) + " " + failure.what();
        }
    };
    struct Case {
        std::string folder;
        std::string name;
        bool fails;
    };
    for (const Case& c : { Case { "", "good.package", false }, Case { "", "sub/inner.package", false },
             Case { "", "short.package", true }, Case { "", "missing.package", true }, Case { "", "sub", true },
             Case { "missing", "good.package", true }, Case { "sub", "inner.package", false } }) {
        SCOPED_TRACE(c.folder + " | " + c.name);
        const std::filesystem::path folder = dir.path() / pathFromUtf8(c.folder);
        const FolderHandle held(folder);
        EXPECT_EQ(held.path(), folder);
        errorContext().AdditionalData = "the caller's";
        const std::string byHandle = outcome([&] { return readPackageIndexTypes(held, pathFromUtf8(c.name)); });
        EXPECT_EQ(byHandle.starts_with("failure"), c.fails) << byHandle;
        EXPECT_EQ(errorContext().AdditionalData,
            c.fails ? "Filename = " + pathToUtf8(folder / pathFromUtf8(c.name)) : "the caller's");
        EXPECT_EQ(byHandle, outcome([&] { return readPackageIndexTypes(folder / pathFromUtf8(c.name)); }));
    }
    // A package held open names itself the same way when its index fails.
    const auto shortFile = dir.path() / "short.package";
    const PackageResourceReader reader(shortFile);
    for (const auto& read :
        { std::function<void()>([&] { reader.index(); }), std::function<void()>([&] { reader.indexTypes(); }) }) {
        errorContext().AdditionalData = "the caller's";
        EXPECT_THROW(read(), Failure);
        EXPECT_EQ(errorContext().AdditionalData, "Filename = " + pathToUtf8(shortFile));
    }
    errorContext().AdditionalData.clear();

    // The folder stays held: renamed while held, its files still open by name.
    const FolderHandle held(dir.path() / "sub");
    std::filesystem::rename(dir.path() / "sub", dir.path() / "moved");
    const std::string moved = outcome([&] { return readPackageIndexTypes(held, "inner.package"); });
#ifdef _WIN32
    EXPECT_TRUE(moved.starts_with("failure")) << "Windows opens by the full path";
#else
    EXPECT_EQ(moved, outcome([&] { return readPackageIndexTypes(dir.path() / "moved" / "inner.package"); }));
#endif
    EXPECT_EQ(outcome([&] { return readPackageIndexTypes(good); }).substr(0, 5), "types");
}

TEST(PackageReader, trappedFailureNamesFileProcedureAndStep)
{
    TemporaryFolder dir;
    ByteString bytes = threeResources(2).build();
    patchInt32(bytes, kIndexCountAt, 4000);
    const auto file = dir.write("broken.package", bytes);
    TrapRecorder trap;

    PackageFile pkg;
    pkg.DateCreated = 77;
    pkg.Files.resize(1);
    EXPECT_FALSE(gsOpenPackageFile(file, pkg));
    ASSERT_EQ(trap.trapped().size(), 1u);
    EXPECT_EQ(trap.last().Module, "modSimsPackage");
    EXPECT_EQ(trap.last().Procedure, "gsOpenPackageFile");
    EXPECT_EQ(trap.last().Location, 2000);
    EXPECT_EQ(trap.last().Number, static_cast<std::int32_t>(ErrorCode::BadPackage));
    EXPECT_EQ(trap.last().AdditionalData, "Filename = " + pathToUtf8(file));
    EXPECT_NE(trap.last().Description.find("Index of 4000 entries"), std::string::npos);
    // A failed load leaves the record it was given as it was.
    EXPECT_EQ(pkg.DateCreated, 77);
    EXPECT_EQ(pkg.Files.size(), 1u);

    std::vector<IndexEntry> entries(3);
    EXPECT_FALSE(gsLoadPackageIndexOnly(file, entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(trap.last().Procedure, "gsLoadPackageIndexOnly");
    EXPECT_EQ(trap.last().Location, 4000);
    EXPECT_EQ(trap.last().AdditionalData, "Filename = " + pathToUtf8(file));

    EXPECT_FALSE(gsLoadPackageIndexOnly(dir.path() / "missing.package", entries));
    EXPECT_EQ(trap.last().Location, 2000);
    EXPECT_EQ(trap.last().Number, static_cast<std::int32_t>(ErrorCode::FileOpenFailed));

    // A folder given as a package: refused at the open, or at the first read
    // where the platform opens folders like files.
    EXPECT_FALSE(gsOpenPackageFile(dir.path(), pkg));
    EXPECT_EQ(trap.last().Location, 1000);
    EXPECT_TRUE(trap.last().Number == static_cast<std::int32_t>(ErrorCode::FileOpenFailed)
        || trap.last().Number == static_cast<std::int32_t>(ErrorCode::FileReadFailed))
        << trap.last().Description;

    // After a success the file name is gone from the context again.
    EXPECT_TRUE(gsLoadPackageIndexOnly(dir.write("good.package", threeResources(2).build()), entries));
    EXPECT_EQ(errorContext().AdditionalData, "");
}

TEST(PackageDirectory, parsesRecordsOfBothWidths)
{
    const ByteString id1
        = gfstr4HexToSimsID("4F424A44") + gfstr4HexToSimsID("7FD46CD0") + gfstr4HexToSimsID("00000041");
    const ByteString v2 = id1 + gfstr4HexToSimsID("00000007") + gfstrLongToStr4(1234) + id1
        + gfstr4HexToSimsID("00000008") + gfstrLongToStr4(-1);
    std::vector<DirectoryEntry> entries;
    TrapRecorder trap;
    ASSERT_TRUE(gsReadDirectory(v2, entries, 2));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].InstanceID, gfstr4HexToSimsID("00000041"));
    EXPECT_EQ(entries[0].ResourceID, gfstr4HexToSimsID("00000007"));
    EXPECT_EQ(entries[0].Size, 1234);
    EXPECT_EQ(entries[1].Size, -1);

    for (const std::int32_t minor : { 0, 1 }) {
        const ByteString v1 = id1 + gfstrLongToStr4(99) + id1 + gfstrLongToStr4(100);
        entries = parseDirectory(v1, minor);
        ASSERT_EQ(entries.size(), 2u) << minor;
        EXPECT_EQ(entries[1].Size, 100);
        EXPECT_EQ(entries[1].ResourceID, ByteString(4, '\0'));
    }
    EXPECT_TRUE(parseDirectory("", 2).empty());
}

TEST(PackageDirectory, keepsPartialLastRecordWithBlanksAndLowBytes)
{
    const ByteString full = ByteString("TTTTGGGGIIII") + gfstrLongToStr4(5);
    // 16 + 14 bytes: the second record has its instance cut after 2 bytes... and no size.
    std::vector<DirectoryEntry> entries = parseDirectory(full + "ttttggggii", 1);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].TypeID, "tttt");
    EXPECT_EQ(entries[1].InstanceID, "ii  ");
    EXPECT_EQ(entries[1].Size, 0);

    // The size's high bytes are missing: they count as 0.
    entries = parseDirectory(full + "ttttggggiiii" + ByteString("\x10\x27", 2), 1);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].Size, 10000);

    // Version 2: a record cut inside its resource identifier.
    entries = parseDirectory(ByteString("ttttggggiiiirr"), 2);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].ResourceID, "rr  ");
    EXPECT_EQ(entries[0].Size, 0);
}
