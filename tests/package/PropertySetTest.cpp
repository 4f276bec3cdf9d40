#include "package/PropertySet.h"
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

ByteString binaryHeader(std::uint32_t count)
{
    return ByteString(kBinaryPropertySetHeader) + le32(count);
}

ByteString namedItem(ByteView type, ByteView name)
{
    return ByteString(type) + le32(static_cast<std::uint32_t>(name.size())) + ByteString(name);
}

const ByteString kNumberType("\x12\x47\x26\x0C", 4);

TEST(BinaryPropertySet, readsStringsBooleansAndNumbers)
{
    const ByteString data = binaryHeader(4) + namedItem(kPropertyTypeString, "name") + le32(5) + "Chair"
        + namedItem(kPropertyTypeBoolean, "flag") + "\xC8" + namedItem(kNumberType, "objectGUID") + le32(0xFFFFFFFE)
        + namedItem(kNumberType, "float") + le32(0x3F800000);
    PropertySet set;
    test::TrapRecorder recorder;
    gsReadPropertySet(data, set);
    EXPECT_TRUE(recorder.empty());
    ASSERT_EQ(set.Count, 4);
    ASSERT_EQ(set.Items.size(), 4u);
    EXPECT_EQ(set.Items[0].TypeCode, kPropertyTypeString);
    EXPECT_EQ(set.Items[0].Name, "name");
    EXPECT_EQ(set.Items[0].Value, "Chair");
    EXPECT_EQ(set.Items[0].Number, 0);
    // A Boolean takes exactly one byte (0 to 255); the next item follows it directly.
    EXPECT_EQ(set.Items[1].Number, 200);
    EXPECT_EQ(set.Items[1].Value, "");
    EXPECT_EQ(set.Items[2].Name, "objectGUID");
    EXPECT_EQ(set.Items[2].Number, -2);
    // The bits of a floating-point value are taken as an integer.
    EXPECT_EQ(set.Items[3].Number, 1065353216);
}

TEST(BinaryPropertySet, countZeroGivesAnEmptySet)
{
    PropertySet set;
    set.Count = 1;
    set.Items.resize(1);
    test::TrapRecorder recorder;
    gsReadBinPropertySet(binaryHeader(0), set);
    EXPECT_TRUE(recorder.empty());
    EXPECT_EQ(set.Count, 0);
    EXPECT_TRUE(set.Items.empty());
}

TEST(BinaryPropertySet, readsCountsAbove32767)
{
    ByteString data = binaryHeader(40000);
    for (int i = 0; i < 40000; ++i)
        data += namedItem(kPropertyTypeBoolean, "") + "\x01";
    PropertySet set = readBinPropertySet(data);
    EXPECT_EQ(set.Count, 40000);
    EXPECT_EQ(set.Items.size(), 40000u);
}

TEST(BinaryPropertySet, damagedSetsAreTrappedAndLeaveTheRecord)
{
    const ByteString damaged[] = {
        ByteString("\xE0\x50\xE7"), // shorter than the count
        binaryHeader(0x7FFFFFFF), // count beyond the bytes
        binaryHeader(0xFFFFFFFF), // negative count
        binaryHeader(1) + namedItem(kPropertyTypeString, "name") + le32(99) + "ab", // text past the end
        binaryHeader(1) + ByteString(kNumberType) + le32(0xFFFFFFF0) + "abcdefgh", // name length past the end
    };
    for (const ByteString& data : damaged) {
        PropertySet set;
        set.Count = 1;
        set.Items = { PropertyItem { "t", "kept", "", 0 } };
        test::TrapRecorder recorder;
        gsReadPropertySet(data, set);
        ASSERT_EQ(recorder.trapped().size(), 1u);
        EXPECT_EQ(recorder.last().Module, "modSimsPackage");
        EXPECT_EQ(recorder.last().Procedure, "gsReadPropertySet");
        EXPECT_EQ(recorder.last().Number, static_cast<int>(ErrorCode::BadResource));
        EXPECT_NE(recorder.last().Description.find("Property set"), std::string::npos);
        ASSERT_EQ(set.Items.size(), 1u);
        EXPECT_EQ(set.Items[0].Name, "kept");
    }
}

TEST(BinaryPropertySet, writerRoundTripsAndEveryTruncationFailsCleanly)
{
    const std::vector<PropertyItem> items = { { ByteString(kPropertyTypeString), "name", "Blue", 0 },
        { ByteString(kPropertyTypeBoolean), "on", "", 1 }, { kNumberType, "objectGUID", "", -123456 } };
    const ByteString data = writeBinPropertySet(items);
    const PropertySet set = readBinPropertySet(data);
    ASSERT_EQ(set.Items.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(set.Items[i].TypeCode, items[i].TypeCode);
        EXPECT_EQ(set.Items[i].Name, items[i].Name);
        EXPECT_EQ(set.Items[i].Value, items[i].Value);
        EXPECT_EQ(set.Items[i].Number, items[i].Number);
    }
    for (std::size_t length = 0; length < data.size(); ++length)
        EXPECT_THROW(readBinPropertySet(ByteView(data).substr(0, length)), Failure) << length;
    EXPECT_THROW(writeBinPropertySet({ { "abc", "bad", "", 0 } }), Failure);
}

ByteString xmlSet(std::string_view lineEnd)
{
    ByteString text;
    for (std::string_view line : { "<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<cGZPropertySetString>",
             "<AnyString key=\"name\" type=\"0x0b8bea18\">Blue Chair</AnyString>",
             "<AnyUint32 key=\"decimal\" type=\"0xeb61e4f7\">32</AnyUint32>",
             "<AnyUint32 key=\"hex\" type=\"0xeb61e4f7\">0x20</AnyUint32>",
             "<AnyString key=\"digits\" type=\"0x0b8bea18\">42</AnyString>",
             "<AnyFloat32 key=\"scale\" type=\"0xabc78708\">-1.5e2</AnyFloat32>", "</cGZPropertySetString>",
             "<AnyString key=\"after\" type=\"0x0b8bea18\">ignored</AnyString>" }) {
        text += line;
        text += lineEnd;
    }
    return text;
}

void expectXmlItems(const PropertySet& set)
{
    ASSERT_EQ(set.Count, 5);
    ASSERT_EQ(set.Items.size(), 5u);
    EXPECT_EQ(set.Items[0].TypeCode, "0b8bea18");
    EXPECT_EQ(set.Items[0].Name, "name");
    EXPECT_EQ(set.Items[0].Value, "Blue Chair");
    EXPECT_EQ(set.Items[0].Number, 0);
    EXPECT_EQ(set.Items[1].Value, "32");
    EXPECT_EQ(set.Items[1].Number, 32);
    EXPECT_EQ(set.Items[2].Value, "0x20");
    EXPECT_EQ(set.Items[2].Number, 0);
    EXPECT_EQ(set.Items[3].Number, 0); // AnyString never carries a number
    EXPECT_EQ(set.Items[4].TypeCode, "abc78708");
    EXPECT_EQ(set.Items[4].Number, -150);
}

TEST(XmlPropertySet, readsPropertyLinesWhateverTheLineEnds)
{
    for (std::string_view lineEnd : { "\n", "\r\n", "\r" }) {
        SCOPED_TRACE(lineEnd == "\n" ? "LF" : lineEnd == "\r" ? "CR" : "CR LF");
        PropertySet set;
        test::TrapRecorder recorder;
        gsReadPropertySet(xmlSet(lineEnd), set);
        EXPECT_TRUE(recorder.empty());
        expectXmlItems(set);
    }
}

TEST(XmlPropertySet, passesOverLinesThatAreNotProperties)
{
    const ByteString text = "<?xml version=\"1.0\"?>\n<cGZPropertySetString>\n\n<!-- comment -->\n"
                            "<AnyString key=\"name\"\n type=\"0x0b8bea18\">split</AnyString>\n"
                            "  <AnyUint32 key=\"n\" type=\"0x0c264712\">7</AnyUint32>\n"
                            "<AnyUint32 key=\"open\" type=\"0x0c264712\">8\n"
                            "  </cGZPropertySetString>\n";
    PropertySet set;
    test::TrapRecorder recorder;
    gsReadXMLPropertySet(text, set);
    EXPECT_TRUE(recorder.empty());
    ASSERT_EQ(set.Count, 1);
    EXPECT_EQ(set.Items[0].Name, "n");
    EXPECT_EQ(set.Items[0].Number, 7);
}

TEST(XmlPropertySet, aDeclarationJoinedWithTheSetOpeningLosesNoProperty)
{
    const PropertySet set = readXmlPropertySet(
        "<?xml version=\"1.0\"?><cGZPropertySetString>\n<AnyString key=\"name\" type=\"0x0b8bea18\">x</AnyString>\n");
    ASSERT_EQ(set.Count, 1);
    EXPECT_EQ(set.Items[0].Value, "x");
}

TEST(XmlPropertySet, aSetWithoutPropertyLinesIsEmpty)
{
    for (ByteString text : { ByteString("<?xml"), ByteString("<?xml version=\"1.0\"?>\n<cGZPropertySetString>\n"),
             ByteString("<?xml version=\"1.0\"?>\n<cGZPropertySetString>\n</cGZPropertySetString>\n") }) {
        PropertySet set;
        set.Items.resize(3);
        set.Count = 3;
        gsReadPropertySet(text, set);
        EXPECT_EQ(set.Count, 0);
        EXPECT_TRUE(set.Items.empty());
    }
}

TEST(XmlPropertySet, writerOutputReadsBack)
{
    const std::vector<PropertyItem> items = { { ByteString(kPropertyTypeString), "subsetName", "frame", 0 },
        { ByteString(kPropertyTypeBoolean), "on", "", 1 }, { kNumberType, "objectGUID", "", 305419896 } };
    const PropertySet set = readPropertySet(writeXmlPropertySet(items));
    ASSERT_EQ(set.Count, 3);
    EXPECT_EQ(set.Items[0].TypeCode, "0b8bea18");
    EXPECT_EQ(set.Items[0].Value, "frame");
    EXPECT_EQ(set.Items[1].TypeCode, "cba908e1");
    EXPECT_EQ(set.Items[1].Number, 1);
    EXPECT_EQ(set.Items[2].TypeCode, "0c264712");
    EXPECT_EQ(set.Items[2].Number, 305419896);
}

TEST(PropertySet, readsTheMaterialOverridesOfARealPackage)
{
    const std::filesystem::path file = std::filesystem::path(VARNICK_SOURCE_DIR)
        / "../shared/realdata/voicemxil_TS2-Starter-Pack/_EnableColorOptionsGMND.package";
    if (!std::filesystem::exists(file))
        GTEST_SKIP() << "real package files are not present";
    const PackageFile pkg = readPackage(file);
    int read = 0;
    for (const PackageResource& resource : pkg.Files) {
        if (resource.TypeID != gstrTypeMMAT)
            continue;
        const PropertySet set = readPropertySet(decompressResource(resource.Data));
        ASSERT_EQ(static_cast<std::size_t>(set.Count), set.Items.size());
        ASSERT_GE(set.Count, 1);
        ++read;
    }
    EXPECT_EQ(read, 40);
}

TEST(PropertySet, seedCorporaRead)
{
    for (const char* target : { "property_set_binary", "property_set_xml" }) {
        const std::vector<ByteString> corpus = test::seedCorpus(target);
        ASSERT_FALSE(corpus.empty()) << target;
        for (const ByteString& data : corpus)
            EXPECT_EQ(static_cast<std::size_t>(readPropertySet(data).Count), readPropertySet(data).Items.size());
    }
}

} // namespace
} // namespace varnick
