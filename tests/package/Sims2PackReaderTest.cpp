// The Sims2Pack reader: items stored and compressed, the XML's fields, and
// every broken structure refused with one line naming the file; the bounded
// XML reader, the bzip2 expander and the file name rules beneath it.
#include "package/Bzip2.h"
#include "package/Sims2Pack.h"
#include "package/XmlReader.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/SafeFileName.h"
#include "tests/common/BadSims2Packs.h"
#include "tests/common/SeedCorpus.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/Sims2PackBuilder.h"

#include <gtest/gtest.h>

using namespace varnick;
using namespace varnick::test;

namespace {

constexpr const char* kFile = "/downloads/New/set.sims2pack";

template <typename Statement> std::string failureOf(Statement statement)
{
    try {
        statement();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "(no failure)";
}

// Every event of an XML text, one per line: "<name", ">name", "'text".
std::string events(std::string_view xml, XmlLimits limits = {})
{
    XmlReader reader(xml, limits);
    std::string out;
    for (;;) {
        switch (reader.next()) {
        case XmlReader::Event::StartElement:
            out += "<" + std::string(reader.name());
            if (const std::string* type = reader.attribute("type"))
                out += "[" + *type + "]";
            out += "\n";
            break;
        case XmlReader::Event::EndElement:
            out += ">" + std::string(reader.name()) + "\n";
            break;
        case XmlReader::Event::Text:
            out += "'" + reader.text() + "\n";
            break;
        case XmlReader::Event::End:
            return out;
        }
    }
}

} // namespace

TEST(Sims2PackReader, readsStoredAndCompressedItemsInTheFilesOrder)
{
    const ByteString chair = objectPackage(0x1234, "Chair");
    const ByteString lamp = objectPackage(0x5678, "Lamp");
    Sims2PackEntry compressed { "Lamp.package", lamp, true };
    compressed.guid = "0x00005678";
    compressed.description = "A lamp & <more>";
    const ByteString bytes = Sims2PackBuilder().add({ "Chair.package", chair }).add(compressed).build();

    const Sims2PackFile file = Sims2PackFile::fromBytes(bytes, kFile);
    const Sims2Pack& pack = file.contents();
    EXPECT_TRUE(pack.compressedMagic);
    EXPECT_EQ(pack.type, "Object");
    EXPECT_EQ(pack.gameVersion, "2141707388.153.1");
    ASSERT_EQ(pack.items.size(), 2U);
    EXPECT_EQ(pack.items[0].name, "Chair.package");
    EXPECT_FALSE(pack.items[0].compressed);
    EXPECT_FALSE(pack.items[0].guid.has_value());
    EXPECT_EQ(pack.items[0].offset, 0);
    EXPECT_EQ(pack.items[0].length, static_cast<std::int64_t>(chair.size()));
    EXPECT_EQ(pack.items[1].name, "Lamp.package");
    EXPECT_TRUE(pack.items[1].compressed);
    EXPECT_EQ(pack.items[1].guid, "0x00005678");
    EXPECT_EQ(pack.items[1].description, "A lamp & <more>");
    EXPECT_EQ(pack.items[1].author, "Varnick tests");
    EXPECT_EQ(pack.items[1].offset, static_cast<std::int64_t>(chair.size()));
    EXPECT_NE(pack.items[1].length, static_cast<std::int64_t>(lamp.size()));

    ByteString scratch;
    EXPECT_EQ(file.itemBytes(0, scratch), chair);
    EXPECT_EQ(file.itemBytes(1, scratch), lamp);
    EXPECT_EQ(file.storedBytes(1).substr(0, 3), "BZh");
}

TEST(Sims2PackReader, readsTheCommunityExtensionOfHandWrittenXml)
{
    // As packagers write it: a byte order mark, comments, CDATA, entities,
    // blanks around numbers, elements the reader does not know, and
    // dependencies under either element name.
    const ByteString data = objectPackage(0x42);
    const std::string xml = "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- made by hand -->\n"
                            "<Sims2Package type='Object' extra=\"&quot;x&quot;\">\n"
                            "<GameVersion>1.2.3</GameVersion><Unknown><Deep>x</Deep></Unknown>\n"
                            "<PackagedFile>\n"
                            "  <Name><![CDATA[Sofa & Co.package]]></Name>\n"
                            "  <Length> "
        + std::to_string(data.size())
        + " </Length><Offset>\n0\n</Offset>\n"
          "  <Type>Object</Type><Crc>ABC</Crc><Description>Line one&#10;&#x4E2D;</Description>\n"
          "  <Sims2CommuniytExt>\n"
          "    <Compressed>0</Compressed>\n"
          "    <Author><PersonalName>Ann</PersonalName><Contact>ann@example.org</Contact></Author>\n"
          "    <Title>Sofa</Title><ObjectVersion>2</ObjectVersion>\n"
          "    <GlobalGUID>  0xDEADBEEF  </GlobalGUID>\n"
          "    <Dependency>\n"
          "      <PackagedFile><Name>mesh.package</Name><GlobalGUID>0x1</GlobalGUID><Optional /></PackagedFile>\n"
          "      <DependantFile><Name>texture.package</Name></DependantFile>\n"
          "    </Dependency>\n"
          "  </Sims2CommuniytExt>\n"
          "</PackagedFile>\n"
          "</Sims2Package>\n"
        + std::string(2, '\0');
    const ByteString bytes = Sims2PackBuilder().xml(xml).add({ "ignored", data }).build();
    const Sims2Pack pack = parseSims2Pack(bytes, kFile);
    EXPECT_FALSE(pack.compressedMagic);
    EXPECT_EQ(pack.gameVersion, "1.2.3");
    ASSERT_EQ(pack.items.size(), 1U);
    const Sims2PackItem& item = pack.items[0];
    EXPECT_EQ(item.name, "Sofa & Co.package");
    EXPECT_EQ(item.length, static_cast<std::int64_t>(data.size()));
    EXPECT_EQ(item.crc, "ABC");
    EXPECT_EQ(item.description, "Line one\n\xE4\xB8\xAD");
    EXPECT_EQ(item.author, "Ann");
    EXPECT_EQ(item.contact, "ann@example.org");
    EXPECT_EQ(item.title, "Sofa");
    EXPECT_EQ(item.objectVersion, "2");
    EXPECT_EQ(item.guid, "0xDEADBEEF");
    EXPECT_FALSE(item.compressed);
    ASSERT_EQ(item.dependencies.size(), 2U);
    EXPECT_EQ(item.dependencies[0].name, "mesh.package");
    EXPECT_EQ(item.dependencies[0].guid, "0x1");
    EXPECT_TRUE(item.dependencies[0].optional);
    EXPECT_EQ(item.dependencies[1].name, "texture.package");
    EXPECT_FALSE(item.dependencies[1].optional);
}

TEST(Sims2PackReader, readsXmlThatIsNotUtf8AsWindows1252)
{
    const ByteString data = objectPackage(0x42);
    Sims2PackBuilder builder;
    builder.add({ "Caf\xE9 \x80.package", data });
    const Sims2Pack pack = parseSims2Pack(builder.build(), kFile);
    ASSERT_EQ(pack.items.size(), 1U);
    EXPECT_EQ(pack.items[0].name, "Caf\xC3\xA9 \xE2\x82\xAC.package");
}

TEST(Sims2PackReader, acceptsASims2PackWithoutItemsAndItemsWithoutBytes)
{
    EXPECT_TRUE(parseSims2Pack(Sims2PackBuilder().build(), kFile).items.empty());
    const Sims2Pack pack
        = parseSims2Pack(Sims2PackBuilder().add({ "empty.package", "" }).add({ "a.package", "abc" }).build(), kFile);
    ASSERT_EQ(pack.items.size(), 2U);
    EXPECT_EQ(pack.items[0].length, 0);
}

TEST(Sims2PackReader, refusesEveryBrokenStructureWithOneLineNamingTheFile)
{
    int structural = 0;
    for (const BadSims2Pack& bad : badSims2Packs()) {
        SCOPED_TRACE(bad.fault);
        if (!bad.structural) {
            EXPECT_NO_THROW(parseSims2Pack(bad.bytes, kFile));
            continue;
        }
        ++structural;
        const std::string message = failureOf([&] { parseSims2Pack(bad.bytes, kFile); });
        EXPECT_EQ(message.rfind(std::string(kFile) + ": ", 0), 0U) << message;
        EXPECT_NE(message.find(bad.expected), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
    EXPECT_GE(structural, 25);
}

TEST(Sims2PackReader, itemsThatDoNotExpandFailWhenTheyAreExpanded)
{
    for (const BadSims2Pack& bad : badSims2Packs()) {
        if (bad.structural || bad.fault.find("bzip2") == std::string::npos)
            continue;
        SCOPED_TRACE(bad.fault);
        const Sims2PackFile file = Sims2PackFile::fromBytes(bad.bytes, kFile);
        ByteString scratch;
        const std::string message = failureOf([&] { file.itemBytes(0, scratch); });
        EXPECT_EQ(message.rfind(std::string(kFile) + ": item 1 (\"a.package\"): ", 0), 0U) << message;
        EXPECT_NE(message.find(bad.expected), std::string::npos) << message;
    }
}

TEST(Sims2PackReader, truncatingOrFlippingAnyByteReadsOrFailsCleanly)
{
    const ByteString bytes = Sims2PackBuilder()
                                 .add({ "a.package", objectPackage(1) })
                                 .add({ "b.package", objectPackage(2), true })
                                 .build();
    const auto attempt = [](const ByteString& candidate) {
        try {
            const Sims2PackFile file = Sims2PackFile::fromBytes(candidate, kFile);
            ByteString scratch;
            for (std::size_t i = 0; i < file.items().size(); ++i)
                (void)file.itemBytes(i, scratch);
        } catch (const Failure&) {
        }
    };
    for (std::size_t length = 0; length < bytes.size(); ++length)
        attempt(bytes.substr(0, length));
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        ByteString flipped = bytes;
        flipped[at] = static_cast<char>(flipped[at] ^ 0xA5);
        attempt(flipped);
    }
}

TEST(Sims2PackReader, seedCorpusReadsOrFailsCleanly)
{
    const std::vector<ByteString> corpus = seedCorpus("sims2pack");
    ASSERT_GE(corpus.size(), 4U);
    int sound = 0;
    for (const ByteString& seed : corpus) {
        try {
            const Sims2PackFile file = Sims2PackFile::fromBytes(seed, "seed");
            ByteString scratch;
            for (std::size_t i = 0; i < file.items().size(); ++i)
                (void)file.itemBytes(i, scratch);
            ++sound;
        } catch (const Failure&) {
        }
    }
    EXPECT_GE(sound, 2);
}

TEST(Sims2PackReader, readsAFileFromDiskAndNamesAFileItCannotRead)
{
    TemporaryFolder dir;
    const ByteString bytes = oneItem("chair.package");
    const std::filesystem::path path = dir.write("set.sims2pack", bytes);
    const Sims2PackFile file = Sims2PackFile::read(path);
    EXPECT_EQ(file.bytes(), bytes);
    EXPECT_EQ(file.contents().fileName, pathToUtf8(path));
    const std::string message = failureOf([&] { Sims2PackFile::read(dir.path() / "missing.sims2pack"); });
    EXPECT_NE(message.find("missing.sims2pack: "), std::string::npos) << message;
}

TEST(XmlReader, givesElementsAttributesAndDecodedText)
{
    EXPECT_EQ(events("<a type=\"x&amp;y\"><b>1 &lt; 2</b><c/><![CDATA[<raw>&amp;]]><!-- no -->&#65;&#x42;</a>"),
        "<a[x&y]\n<b\n'1 < 2\n>b\n<c\n>c\n'<raw>&amp;\n'AB\n>a\n");
}

TEST(XmlReader, refusesMalformedXmlSayingWhere)
{
    const std::pair<const char*, const char*> cases[] = {
        { "<a>\n  <b></a>", "line 2, column 6: expected </b>, found </a>" },
        { "<a>&bogus;</a>", "unknown entity \"&bogus;\"" },
        { "<a>&#0;</a>", "names no character" },
        { "<a>&#xD800;</a>", "names no character" },
        { "<a>& </a>", "begins no entity" },
        { "<a b=\"1\" b=\"2\"/>", "given twice" },
        { "<a b=\"<\"/>", "\"<\" inside the value" },
        { "<a><!-- open</a>", "never closed" },
        { "<a><![CDATA[x</a>", "never closed" },
        { "<a><!ELEMENT x></a>", "a declaration" },
        { "<a></a><b/>", "follows the end of the root element" },
        { "text", "expected the root element" },
        { "<1a/>", "expected an element name" },
    };
    for (const auto& [xml, expected] : cases) {
        SCOPED_TRACE(xml);
        const std::string message = [&] {
            try {
                events(xml);
            } catch (const XmlError& error) {
                return std::string(error.what());
            }
            return std::string("(no failure)");
        }();
        EXPECT_NE(message.find(expected), std::string::npos) << message;
    }
}

TEST(XmlReader, nestsUpToTheLimitAndNoDeeper)
{
    const auto nested = [](int depth) {
        std::string xml;
        for (int i = 0; i < depth; ++i)
            xml += "<e>";
        for (int i = 0; i < depth; ++i)
            xml += "</e>";
        return xml;
    };
    EXPECT_NO_THROW(events(nested(4), XmlLimits { 1024, 4 }));
    EXPECT_THROW(events(nested(5), XmlLimits { 1024, 4 }), XmlError);
    const std::string tooLong(1025, ' ');
    EXPECT_THROW((void)XmlReader(tooLong, XmlLimits { 1024, 4 }), XmlError);
}

TEST(XmlReader, seedCorpusReadsOrFailsCleanly)
{
    // The fuzz target's seeds: the first byte picks the limits, as there.
    int sound = 0;
    int refused = 0;
    for (const ByteString& seed : seedCorpus("xml_reader")) {
        ASSERT_FALSE(seed.empty());
        const auto first = static_cast<unsigned char>(seed[0]);
        XmlLimits limits;
        limits.maxDepth = 1 + first % 8;
        if (first >= 0xF0)
            limits.maxBytes = first - 0xF0u;
        try {
            events(std::string_view(seed).substr(1), limits);
            ++sound;
        } catch (const XmlError&) {
            ++refused;
        }
    }
    EXPECT_GE(sound, 1);
    EXPECT_GE(refused, 10);
}

TEST(Bzip2, seedCorpusExpandsOrFailsCleanly)
{
    int sound = 0;
    for (const ByteString& seed : seedCorpus("bzip2")) {
        ASSERT_FALSE(seed.empty());
        const std::size_t limit = std::size_t { 1 } << (static_cast<unsigned char>(seed[0]) % 21);
        try {
            EXPECT_LE(bzip2Expand(ByteView(seed).substr(1), limit).size(), limit);
            ++sound;
        } catch (const Failure& failure) {
            EXPECT_TRUE(
                failure.code() == ErrorCode::DamagedCompression || failure.code() == ErrorCode::ResourceTooLarge)
                << failure.what();
        }
    }
    EXPECT_GE(sound, 3);
}

TEST(Bzip2, expandsOneOrSeveralStreamsUpToTheLimit)
{
    const ByteString text(100000, 'x');
    const ByteString stream = bzip2Compress(text);
    EXPECT_EQ(bzip2Expand(stream, text.size()), text);
    EXPECT_EQ(bzip2Expand(stream + bzip2Compress("tail", 1), text.size() + 4), text + "tail");
    EXPECT_NE(
        failureOf([&] { bzip2Expand(stream, text.size() - 1); }).find("expands past 99999 bytes"), std::string::npos);
    EXPECT_NE(failureOf([&] { bzip2Expand("", 10); }).find("empty"), std::string::npos);
    EXPECT_EQ(bzip2Compress(text), stream);
}

TEST(SafeFileName, acceptsOrdinaryNamesAndRefusesDangerousOnes)
{
    for (const char* name : { "chair.package",
             "M\xC3\xB6"
             "bel \xC3\xA9t\xC3\xA9.package",
             "a..b.package", ".hidden.package", "CONSOLE.package", "COM10.package", "LPT.package", "nul-free.package",
             "(2) chair [v2].package" })
        EXPECT_FALSE(fileNameProblem(name).has_value()) << name;
    EXPECT_EQ(fileNameProblem(std::string(255, 'a')), std::nullopt);
    EXPECT_NE(fileNameProblem(std::string(256, 'a')), std::nullopt);
    // A character outside the Basic Multilingual Plane takes two UTF-16 units.
    EXPECT_EQ(fileNameProblem(std::string(253, 'a') + "\xF0\x9F\x98\x80"), std::nullopt);
    EXPECT_NE(fileNameProblem(std::string(254, 'a') + "\xF0\x9F\x98\x80"), std::nullopt);
    EXPECT_EQ(fileNameProblem("ch\xC3r.package"), "is not valid UTF-8 text");
    EXPECT_EQ(fileNameProblem("a\tb"), "contains 0x09, which Windows does not allow in file names");
    for (const char* name : { "aux.tar.gz", "COM0.package", "lpt9", "COM\xC2\xB9.package", "Lpt\xC2\xB3 .txt", "CONIN$",
             "conout$.package" })
        EXPECT_EQ(fileNameProblem(name), "is a device name that Windows reserves") << name;
    for (const char* name : { "COM\xC2\xB9x.package", "COM\xC2\xB4.package", "CONIN.package", "LPT10" })
        EXPECT_EQ(fileNameProblem(name), std::nullopt) << name;
}
