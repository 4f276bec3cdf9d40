#include "package/ObjectDefinition.h"

#include "package/PackageReader.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace varnick {
namespace {

TEST(ObjectDefinitionFields, tableIsOrderedCompleteAndEndsAt265)
{
    std::set<std::string_view> names;
    std::size_t end = 0;
    for (std::size_t i = 0; i < kObjectDefinitionFields.size(); ++i) {
        const ObjectFieldInfo& info = kObjectDefinitionFields[i];
        EXPECT_EQ(static_cast<std::size_t>(info.field), i);
        EXPECT_GE(info.offset, end) << info.name; // no overlaps
        end = info.offset + info.width;
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
    }
    EXPECT_EQ(end, kObjectDefinitionMinimumSize);
    EXPECT_EQ(fieldInfo(ObjectField::Price).offset, 100u);
    EXPECT_EQ(fieldInfo(ObjectField::GUID).width, 4u);
    EXPECT_EQ(fieldInfo(ObjectField::CommunitySortFlags).offset, 264u);
}

TEST(ObjectDefinition, amountsAreUnsignedAndMotivesSigned)
{
    ObjectDefinition definition = makeObjectDefinition();
    ByteString bytes = definition.data();
    bytes[100] = '\x50';
    bytes[101] = '\xC3';
    bytes[228] = '\xFB';
    bytes[229] = '\xFF';
    bytes[92] = '\x78';
    bytes[93] = '\x56';
    bytes[94] = '\x34';
    bytes[95] = '\x82';
    definition = ObjectDefinition(bytes);
    EXPECT_EQ(definition.amount(ObjectField::Price), 50000);
    EXPECT_EQ(definition.motive(ObjectField::HungerRating), -5);
    EXPECT_EQ(definition.guid(), 0x82345678u);

    definition.setRaw(ObjectField::Price, 40000);
    EXPECT_EQ(definition.data().substr(100, 2), "\x40\x9C");
    definition.setRaw(ObjectField::ComfortRating, static_cast<std::uint16_t>(-32768));
    EXPECT_EQ(definition.motive(ObjectField::ComfortRating), -32768);
    EXPECT_EQ(definition.data().size(), kObjectDefinitionMinimumSize);
}

TEST(ObjectDefinition, flagTestsSeeAll16Bits)
{
    ObjectDefinition definition = makeObjectDefinition();
    definition.setRaw(ObjectField::RoomSortFlags, 0x8001);
    const std::uint16_t rooms = definition.flags(ObjectField::RoomSortFlags);
    EXPECT_TRUE(hasFlag(rooms, 0x0001));
    EXPECT_TRUE(hasFlag(rooms, 0x8000));
    EXPECT_FALSE(hasFlag(rooms, 0x0002));
    EXPECT_FALSE(hasFlag(rooms, 0));
    for (int bit = 0; bit < 16; ++bit) {
        const auto flag = static_cast<std::uint16_t>(1u << bit);
        EXPECT_TRUE(hasFlag(0xFFFF, flag));
        EXPECT_FALSE(hasFlag(static_cast<std::uint16_t>(~flag), flag));
    }
}

TEST(ObjectDefinition, aShortDefinitionReadsZerosPastItsEndAndRefusesWritesThere)
{
    ByteString bytes(229, '\x11');
    ObjectDefinition definition(bytes);
    EXPECT_FALSE(definition.isComplete());
    EXPECT_EQ(definition.amount(ObjectField::Price), 0x1111);
    EXPECT_EQ(definition.raw(ObjectField::HungerRating), 0x11u); // cut by the end: the byte present
    EXPECT_EQ(definition.raw(ObjectField::CommunitySortFlags), 0u);
    EXPECT_NO_THROW(definition.setRaw(ObjectField::Price, 1));
    EXPECT_THROW(definition.setRaw(ObjectField::HungerRating, 1), Failure);
    EXPECT_THROW(definition.setRaw(ObjectField::CommunitySortFlags, 1), Failure);
    EXPECT_EQ(definition.data().size(), 229u);
    EXPECT_EQ(definition.data()[228], '\x11');
    EXPECT_EQ(ObjectDefinition().raw(ObjectField::GUID), 0u);
}

PackageResource resource(const ByteString& type, const char* instance, ByteString data)
{
    PackageResource r;
    r.TypeID = type;
    r.GroupID = ByteString(4, '\0');
    r.InstanceID = ByteString(instance, 4);
    r.ResourceID = ByteString(4, '\0');
    r.Data = std::move(data);
    r.Size = static_cast<std::int32_t>(r.Data.size());
    return r;
}

ByteString definitionBytes(std::uint16_t tileIndex, std::uint16_t price)
{
    ObjectDefinition definition = makeObjectDefinition(300);
    definition.setRaw(ObjectField::MultiTileSubIndex, tileIndex);
    definition.setRaw(ObjectField::Price, price);
    return definition.data();
}

TEST(ObjectDefinition, choosesTheOnlyOrTheLeadDefinition)
{
    PackageFile pkg;
    EXPECT_FALSE(chooseObjectDefinition(pkg).has_value());

    pkg.Files.push_back(resource(gstrTypeCTSS, "TEXT", "not a definition"));
    pkg.Files.push_back(resource(gstrTypeOBJD, "ONE_", definitionBytes(0, 10)));
    auto chosen = chooseObjectDefinition(pkg);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->instanceId, "ONE_");
    EXPECT_EQ(chosen->definition.amount(ObjectField::Price), 10);

    pkg.Files.push_back(resource(gstrTypeOBJD, "LEAD", definitionBytes(0xFFFF, 20)));
    pkg.Files.push_back(resource(gstrTypeOBJD, "LAST", definitionBytes(0xFFFF, 30)));
    chosen = chooseObjectDefinition(pkg);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->instanceId, "LEAD");
    EXPECT_EQ(chosen->definition.data().size(), 300u);

    pkg.Files.erase(pkg.Files.begin() + 2, pkg.Files.end());
    pkg.Files.push_back(resource(gstrTypeOBJD, "TWO_", definitionBytes(1, 20)));
    EXPECT_FALSE(chooseObjectDefinition(pkg).has_value());
}

ByteString textList(std::initializer_list<TextListEntry> entries)
{
    TextList list;
    list.Entries = entries;
    ByteString bytes;
    gsWriteTextList(list, bytes);
    return bytes;
}

TEST(ObjectDefinition, takesTheTextListOnlyWhenThereIsExactlyOne)
{
    PackageFile pkg;
    EXPECT_FALSE(chooseTextList(pkg).has_value());
    pkg.Files.push_back(
        resource(gstrTypeCTSS, "CTS1", textList({ { "\x01", "Chair", "" }, { "\x01", "Sits one", "" } })));
    auto chosen = chooseTextList(pkg);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->instanceId, "CTS1");
    ASSERT_EQ(chosen->list.Entries.size(), 2u);
    pkg.Files.push_back(resource(gstrTypeCTSS, "CTS2", textList({})));
    EXPECT_FALSE(chooseTextList(pkg).has_value());
}

TEST(ObjectDefinition, catalogTextsComeFromTheFirstEnglishEntryAndTheOneAfterIt)
{
    TextList list;
    list.Entries
        = { { "\x02", "Stuhl", "" }, { "\x01", "Chair", "x" }, { "\x01", "A chair", "y" }, { "\x01", "Other", "" } };
    CatalogTexts texts = catalogTexts(list);
    EXPECT_TRUE(texts.found);
    EXPECT_EQ(texts.name, "Chair");
    EXPECT_EQ(texts.description, "A chair");

    list.Entries = { { "\x01", "Chair", "" }, { "\x03", "Chaise", "" } };
    EXPECT_EQ(catalogTexts(list).description, "Chaise"); // whatever the next entry's language

    list.Entries = { { "\x02", "Stuhl", "" }, { "\x02", "Ein Stuhl", "" } };
    texts = catalogTexts(list);
    EXPECT_FALSE(texts.found);
    EXPECT_EQ(texts.name, "");
    EXPECT_EQ(texts.description, "");

    list.Entries = { { "\x02", "Stuhl", "" }, { "\x01", "Chair", "" } };
    texts = catalogTexts(list);
    EXPECT_EQ(texts.name, "Chair");
    EXPECT_EQ(texts.description, "");
}

TEST(ObjectDefinition, readsTheDefinitionAndNamesOfRealPackages)
{
    const std::filesystem::path root = std::filesystem::path(VARNICK_SOURCE_DIR) / "../shared/realdata";
    if (!std::filesystem::exists(root))
        GTEST_SKIP() << "real package files are not present";
    // Every resource of this one is compressed.
    const PackageFile object = readPackage(root / "owlks4_DBPF-package-manager/sims2.package");
    const auto definition = chooseObjectDefinition(object);
    ASSERT_TRUE(definition.has_value());
    EXPECT_TRUE(definition->definition.isComplete());
    EXPECT_NE(definition->definition.guid(), 0u);
    const auto list = chooseTextList(object);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(catalogTexts(list->list).name, "telephone pole");

    const PackageFile career = readPackage(root / "bass-dandy_simpai/career.package");
    const auto careerList = chooseTextList(career);
    ASSERT_TRUE(careerList.has_value());
    EXPECT_EQ(careerList->list.Entries.size(), 37u);
}

} // namespace
} // namespace varnick
