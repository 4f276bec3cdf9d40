#include "package/ResourceCollection.h"
#include "tests/common/SeedCorpus.h"

#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/TypeIds.h"
#include "tests/common/TrapRecorder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace varnick {
namespace {

using test::le32;

const ByteString kMark = le32(0xFFFF0001);

TEST(RCOLHeader, markedHeaderWithoutLinksHasItsBlockCountAtOffset8)
{
    const ByteString data = kMark + le32(0) + le32(1) + "TYPE" + "body bytes";
    test::TrapRecorder recorder;
    RCOLHeader rcol;
    gsReadRCOLHeader(data, rcol);
    EXPECT_TRUE(recorder.empty());
    EXPECT_EQ(rcol.VersionMark, kRcolVersionMark);
    EXPECT_EQ(rcol.LinkCount, 0);
    EXPECT_TRUE(rcol.Links.empty());
    EXPECT_EQ(rcol.BlockCount, 1);
    ASSERT_EQ(rcol.BlockTypes.size(), 1u);
    EXPECT_EQ(rcol.BlockTypes[0], "TYPE");
    EXPECT_EQ(rcol.Body, "body bytes");
}

TEST(RCOLHeader, readsLinksWithAndWithoutTheMark)
{
    const ByteString unmarked = le32(2) + "G1__I1__T1__" + "G2__I2__T2__" + le32(0) + "rest";
    RCOLHeader rcol = readRCOLHeader(unmarked);
    EXPECT_EQ(rcol.VersionMark, 2);
    EXPECT_EQ(rcol.LinkCount, 2);
    ASSERT_EQ(rcol.Links.size(), 2u);
    EXPECT_EQ(rcol.Links[1].GroupID, "G2__");
    EXPECT_EQ(rcol.Links[1].InstanceID, "I2__");
    EXPECT_EQ(rcol.Links[1].TypeID, "T2__");
    EXPECT_EQ(rcol.Links[1].ResourceID, ByteString(4, '\0'));
    EXPECT_EQ(rcol.BlockCount, 0);
    EXPECT_EQ(rcol.Body, "rest");

    const ByteString marked = kMark + le32(1) + "G1__I1__R1__T1__" + le32(0);
    rcol = readRCOLHeader(marked);
    ASSERT_EQ(rcol.Links.size(), 1u);
    EXPECT_EQ(rcol.Links[0].ResourceID, "R1__");
    EXPECT_EQ(rcol.Links[0].TypeID, "T1__");
    EXPECT_TRUE(rcol.Body.empty());
}

TEST(RCOLHeader, readsHeadersLongerThan32KB)
{
    RCOLHeader rcol;
    rcol.VersionMark = kRcolVersionMark;
    rcol.Links.assign(3000, RCOLFileLink { "TTTT", "GGGG", "IIII", "RRRR" });
    rcol.BlockTypes = { "AAAA", "BBBB" };
    rcol.Body = "the blocks";
    const ByteString data = writeRCOLHeader(rcol);
    ASSERT_GT(data.size(), 48000u);
    const RCOLHeader back = readRCOLHeader(data);
    EXPECT_EQ(back.LinkCount, 3000);
    EXPECT_EQ(back.Links.back().ResourceID, "RRRR");
    EXPECT_EQ(back.BlockTypes, rcol.BlockTypes);
    EXPECT_EQ(back.Body, "the blocks");

    rcol.VersionMark = 0;
    rcol.Links.resize(2);
    const RCOLHeader older = readRCOLHeader(writeRCOLHeader(rcol));
    EXPECT_EQ(older.VersionMark, 2);
    EXPECT_EQ(older.Links[0].ResourceID, ByteString(4, '\0'));
    EXPECT_EQ(older.Links[0].TypeID, "TTTT");
}

TEST(RCOLHeader, damagedHeadersAreTrappedAndLeaveTheRecord)
{
    const ByteString damaged[] = {
        ByteString("\x01\x00", 2),
        kMark + le32(0x10000000) + le32(0),
        kMark + le32(0xFFFFFFFF),
        le32(1) + "G1__I1__",
        kMark + le32(0) + le32(3) + "AAAA",
        kMark + le32(0) + le32(0x80000000),
    };
    for (const ByteString& data : damaged) {
        RCOLHeader rcol;
        rcol.Body = "kept";
        test::TrapRecorder recorder;
        gsReadRCOLHeader(data, rcol);
        ASSERT_EQ(recorder.trapped().size(), 1u);
        EXPECT_EQ(recorder.last().Procedure, "gsReadRCOLHeader");
        EXPECT_EQ(recorder.last().Module, "modSimsPackage");
        EXPECT_EQ(rcol.Body, "kept");
    }
}

// A texture block built by hand, so that the reader is not only checked against its own writer.
ByteString textureBlock(std::int32_t version, ByteView nameField, ByteView afterFields)
{
    ByteString block = "\x0A"
                       "cImageData";
    block += le32(0x1C4A276C);
    block += le32(static_cast<std::uint32_t>(version));
    block += ByteString(20, 'h');
    block += nameField;
    block += le32(64) + le32(32) + le32(4) + le32(2) + le32(1) + le32(1) + le32(0);
    block += afterFields;
    return block;
}

TEST(TextureImage, readsLevelsOfVersion9)
{
    const ByteString levels = ByteString("\x03xyz") + le32(2) + ByteString("\x00", 1) + le32(3) + "abc"
        + ByteString("\x01\x04lifo") + ByteString(8, '\0');
    const ByteString block = textureBlock(9, "\x05tname", levels);
    TextureImage texture;
    test::TrapRecorder recorder;
    EXPECT_EQ(gsReadRCOLTXTR(block, texture), "");
    EXPECT_TRUE(recorder.empty());
    EXPECT_EQ(texture.Version, 9);
    EXPECT_EQ(texture.FileName, "tname");
    EXPECT_EQ(texture.Width, 64);
    EXPECT_EQ(texture.Height, 32);
    EXPECT_EQ(texture.Format, 4);
    EXPECT_EQ(texture.MipCount, 2);
    EXPECT_EQ(texture.Purpose, 1.0f);
    EXPECT_EQ(texture.TextureCount, 1);
    ASSERT_EQ(texture.Mips.size(), 2u);
    EXPECT_EQ(texture.Mips[0].Kind, 0);
    EXPECT_EQ(texture.Mips[0].Size, 3);
    EXPECT_EQ(texture.Mips[0].Data, "abc");
    // A level of another kind only names an external image.
    EXPECT_EQ(texture.Mips[1].Kind, 1);
    EXPECT_EQ(texture.Mips[1].RefName, "lifo");
    EXPECT_EQ(texture.Mips[1].Size, 0);
    EXPECT_TRUE(texture.Mips[1].Data.empty());
}

TEST(TextureImage, aNameOf133CharactersTakesTwoLengthBytes)
{
    const ByteString name(133, 'n');
    const ByteString block
        = textureBlock(9, ByteString("\x85\x01") + name, ByteString("\x00", 1) + le32(0) + ByteString(8, '\0'));
    std::string notice;
    const TextureImage texture = readTextureImage(block, notice);
    EXPECT_EQ(texture.FileName, name);
    EXPECT_EQ(texture.Width, 64);
    EXPECT_EQ(notice, "");
}

TEST(TextureImage, version8ReportsTheMessageAndKeepsTheFieldsButNoLevels)
{
    const ByteString block
        = textureBlock(8, "\x01n", ByteString("\x00", 1) + le32(1) + ByteString("\x00", 1) + le32(1) + "z");
    TextureImage texture;
    texture.Mips.resize(4); // levels of a texture read before
    test::TrapRecorder recorder;
    EXPECT_EQ(gsReadRCOLTXTR(block, texture), "TXTR version not 9!");
    EXPECT_TRUE(recorder.empty());
    EXPECT_EQ(texture.Version, 8);
    EXPECT_EQ(texture.Width, 64);
    EXPECT_EQ(texture.Height, 32);
    EXPECT_TRUE(texture.Mips.empty());
}

TEST(TextureImage, countsBeyondTheDataAddNothingAndEndQuickly)
{
    // Texture count and level count both far beyond what the bytes hold.
    ByteString block = textureBlock(9, "\x01n", "");
    block.replace(block.size() - 8, 4, le32(0x7FFFFFFF));
    block += ByteString("\x00", 1) + le32(0xFFFFFFFF) + ByteString("\x00", 1) + le32(2) + "ab";
    std::string notice;
    const TextureImage texture = readTextureImage(block, notice);
    EXPECT_EQ(texture.TextureCount, 0x7FFFFFFF);
    ASSERT_EQ(texture.Mips.size(), 1u);
    EXPECT_EQ(texture.Mips[0].Data, "ab");
}

TEST(TextureImage, aLaterTextureReplacesTheLevelsOfAnEarlierOne)
{
    ByteString block = textureBlock(9, "\x01n", "");
    block.replace(block.size() - 8, 4, le32(3));
    block += ByteString("\x00", 1);
    block += le32(2) + ByteString("\x00", 1) + le32(1) + "a" + ByteString("\x00", 1) + le32(1) + "b"
        + ByteString(8, '\0');
    block += le32(1) + ByteString("\x01\x03ref") + ByteString(8, '\0');
    block += le32(0) + ByteString(8, '\0'); // a texture without levels keeps the levels before
    std::string notice;
    const TextureImage texture = readTextureImage(block, notice);
    ASSERT_EQ(texture.Mips.size(), 1u);
    EXPECT_EQ(texture.Mips[0].RefName, "ref");
    EXPECT_TRUE(texture.Mips[0].Data.empty()); // nothing left over from the earlier texture
}

TEST(TextureImage, everyTruncationAndANegativeSizeAreHandledCleanly)
{
    TextureImage source;
    source.FileName = "chair_txtr";
    source.Width = 8;
    source.Height = 8;
    source.Format = 1;
    source.MipCount = 2;
    source.Mips = { { 0, 4, "abcd", "" }, { 0, 0, "", "" }, { 2, 0, "", "external" } };
    source.Mips[1].Data = ByteString(256, 'p');
    const ByteString block = writeTextureImage(source);
    for (std::size_t length = 0; length <= block.size(); ++length) {
        std::string notice;
        const TextureImage texture = readTextureImage(ByteView(block).substr(0, length), notice);
        EXPECT_LE(texture.Mips.size(), 3u);
    }

    std::string notice;
    const TextureImage back = readTextureImage(block, notice);
    EXPECT_EQ(notice, "");
    EXPECT_EQ(back.FileName, "chair_txtr");
    ASSERT_EQ(back.Mips.size(), 3u);
    EXPECT_EQ(back.Mips[0].Data, "abcd");
    EXPECT_EQ(back.Mips[1].Size, 256);
    EXPECT_EQ(back.Mips[2].RefName, "external");

    ByteString negative
        = textureBlock(9, "\x01n", ByteString("\x00", 1) + le32(1) + ByteString("\x00", 1) + le32(0xFFFFFFFF));
    TextureImage texture;
    texture.FileName = "kept";
    test::TrapRecorder recorder;
    (void)gsReadRCOLTXTR(negative, texture);
    ASSERT_EQ(recorder.trapped().size(), 1u);
    EXPECT_EQ(recorder.last().Procedure, "gsReadRCOLTXTR");
    EXPECT_EQ(texture.FileName, "kept");
}

TEST(TextureImage, writerRefusesNamesItCannotStore)
{
    TextureImage texture;
    texture.FileName = ByteString(256, 'n');
    EXPECT_THROW(writeTextureImage(texture), Failure);
    texture.FileName = "\x01starts with one";
    EXPECT_THROW(writeTextureImage(texture), Failure);
    texture.FileName = ByteString(200, 'n');
    std::string notice;
    EXPECT_EQ(readTextureImage(writeTextureImage(texture), notice).FileName, texture.FileName);
}

TEST(TextureImage, writerRefusesAnEmptyNameBeforeAWidthReadersWouldMistakeForALength)
{
    // Without a name the width's low byte follows the length byte; 01 there
    // would make readers take a two-byte length and shift every later field.
    TextureImage texture;
    texture.Width = 0x101;
    texture.Height = 4;
    EXPECT_THROW(writeTextureImage(texture), Failure);
    for (const std::int32_t width : { 0, 2, 0x100, 0x7FFFFF02 }) {
        texture.Width = width;
        std::string notice;
        const TextureImage back = readTextureImage(writeTextureImage(texture), notice);
        EXPECT_EQ(back.FileName, "");
        EXPECT_EQ(back.Width, width);
        EXPECT_EQ(back.Height, 4);
    }
}

TEST(TextureImage, readsTheTexturesOfARealPackage)
{
    const std::filesystem::path file
        = std::filesystem::path(VARNICK_SOURCE_DIR) / "../shared/realdata/LazyDuchess_OpenTS2/textures.package";
    if (!std::filesystem::exists(file))
        GTEST_SKIP() << "real package files are not present";
    const PackageFile pkg = readPackage(file);
    std::vector<TextureImage> textures;
    for (const PackageResource& resource : pkg.Files) {
        if (resource.TypeID != gstrTypeTXTR)
            continue;
        const RCOLHeader rcol = readRCOLHeader(decompressResource(resource.Data));
        EXPECT_EQ(rcol.VersionMark, kRcolVersionMark);
        std::string notice;
        textures.push_back(readTextureImage(rcol.Body, notice));
        EXPECT_EQ(notice, "");
    }
    ASSERT_EQ(textures.size(), 4u);
    EXPECT_EQ(textures[0].FileName, "brick_dxt1_txtr");
    EXPECT_EQ(textures[0].Width, 256);
    EXPECT_EQ(textures[0].Format, 4);
    ASSERT_EQ(textures[0].Mips.size(), 9u);
    EXPECT_EQ(textures[0].Mips[8].RefName, "brick_dxt1_0_lifo");
    EXPECT_EQ(textures[2].Width, 32);
    EXPECT_EQ(textures[2].Height, 16);
    ASSERT_EQ(textures[2].Mips.size(), 6u);
    EXPECT_EQ(textures[2].Mips.back().Data.size(), 512u);
}

TEST(RCOLHeader, seedCorpusReads)
{
    const std::vector<ByteString> corpus = test::seedCorpus("resource_collection");
    ASSERT_FALSE(corpus.empty());
    for (const ByteString& data : corpus) {
        const RCOLHeader rcol = readRCOLHeader(data);
        std::string notice;
        (void)readTextureImage(rcol.Body, notice);
    }
}

} // namespace
} // namespace varnick
