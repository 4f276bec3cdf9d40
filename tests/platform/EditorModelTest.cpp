#include "app/backups/core/BackupStore.h"
#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/NumericFields.h"
#include "app/editor/core/ObjectEditor.h"
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/KelvoraBinding.h"
#include "tests/common/EditorPackages.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace std::string_view_literals;

using namespace varnick;
using namespace varnick::test;

namespace {

std::vector<std::string> texts(std::span<const CategoryEntry> entries, const std::vector<std::size_t>& positions)
{
    std::vector<std::string> result;
    for (const std::size_t i : positions)
        result.emplace_back(entries[i].text);
    return result;
}

// The resources of a saved package, decompressed, with the given type.
std::vector<ByteString> contentsOfType(const std::filesystem::path& file, const ByteString& type)
{
    std::vector<ByteString> result;
    for (const PackageResource& resource : readPackage(file).Files) {
        if (resource.TypeID == type)
            result.push_back(decompressResource(resource.Data));
    }
    return result;
}

ByteString savedDefinition(const std::filesystem::path& file)
{
    return contentsOfType(file, gstrTypeOBJD).at(0);
}

TextList savedTextList(const std::filesystem::path& file)
{
    TextList list;
    gsReadTextList(contentsOfType(file, gstrTypeCTSS).at(0), list);
    return list;
}

} // namespace

TEST(EditorLists, loadRuleAndVocabularies)
{
    // One selection: 0x0005 ends on Appliances, the later match replacing Comfort.
    const auto function = listEntries(CatalogList::Function);
    EXPECT_EQ(texts(function, selectedByLoad(function, 0x0005, true)), std::vector<std::string> { "Appliances" });
    // A bit without an entry (512) selects nothing; the top bit does not hide the others.
    EXPECT_TRUE(selectedByLoad(function, 0x0200, true).empty());
    const auto rooms = listEntries(CatalogList::Room);
    EXPECT_EQ(texts(rooms, selectedByLoad(rooms, 0x0003, false)), (std::vector<std::string> { "Kitchen", "Bedroom" }));
    EXPECT_EQ(texts(rooms, selectedByLoad(rooms, 0x8001, false)), std::vector<std::string> { "Kitchen" });
    const auto build = listEntries(CatalogList::Build);
    EXPECT_EQ(texts(build, selectedByLoad(build, 0, true)), std::vector<std::string> { "None" });
    EXPECT_TRUE(subEntries(CatalogList::BuildSub, 0).empty());
    const auto appliances = subEntries(CatalogList::FuncSub, 4);
    EXPECT_EQ(
        texts(appliances, selectedByLoad(appliances, 0x0008, true)), std::vector<std::string> { "Large Appliances" });
    EXPECT_EQ(subEntries(CatalogList::FuncSub, 128).size(), 6u);
    EXPECT_EQ(subEntries(CatalogList::FuncSub, 256).size(), 5u);
    EXPECT_EQ(subEntries(CatalogList::FuncSub, 64).front().text, "Dressers");
    EXPECT_EQ(entryMask(listEntries(CatalogList::Skills)), 0x00BF);
    EXPECT_EQ(entryMask(listEntries(CatalogList::Community)), 0x008F);

    // Wants: 78 entries, each code 10000..10076 once, in order of their texts.
    const auto wants = wantsEntries();
    ASSERT_EQ(wants.size(), 78u);
    EXPECT_EQ(wants.front().text, "(No Wants Satisfy Code)");
    std::vector<int> seen(77, 0);
    for (std::size_t i = 1; i < wants.size(); ++i)
        ++seen.at(wants[i].value - 10000u);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 77);
    EXPECT_EQ(wants[*wantsPositionOf(10007)].text, "Double Bed");
    EXPECT_EQ(wants[*wantsPositionOf(10068)].text, "Dj Booth");
    EXPECT_EQ(wants[*wantsPositionOf(0)].text, "(No Wants Satisfy Code)");
    EXPECT_FALSE(wantsPositionOf(10077));
    EXPECT_EQ(wants[46].text, "Lemonade Stand");
    EXPECT_EQ(wants[46].value, 10076);
    EXPECT_EQ(wants.back().text, "Workout Bench");
}

TEST(EditorNumbers, conversionLimitsAndKeyFilter)
{
    struct Case {
        const char* text;
        ObjectField field;
        unsigned bits;
    };
    const Case cases[] = {
        { "99999", ObjectField::Price, 0xFFFF },
        { "40000", ObjectField::Price, 0x9C40 },
        { "", ObjectField::HungerRating, 0 },
        { "-5", ObjectField::HungerRating, 0xFFFB },
        { "12abc", ObjectField::Price, 12 },
        { "abc", ObjectField::Price, 0 },
        { " 2.5", ObjectField::NicenessMultiplier, 2 },
        { "3.5", ObjectField::NicenessMultiplier, 4 },
        { "-5", ObjectField::Price, 0 }, // amounts do not wrap below 0
        { "40000", ObjectField::FunRating, 0x7FFF }, // motives do not wrap past their range
        { "-99999999999999999999999", ObjectField::RoomRating, 0x8000 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(numericFieldBits(c.field, c.text), c.bits) << c.text;

    for (char16_t key = 0; key < 128; ++key) {
        const bool passes = (key >= u'0' && key <= u'9') || key == 3 || key == 8 || key == 22;
        EXPECT_EQ(numericKeyPasses(key), passes) << int(key);
    }
    EXPECT_EQ(limitedText(std::string(50, 'x'), 48).size(), 48u);
    // Characters, not bytes: 48 two-byte letters fit whole.
    std::string umlauts;
    for (int i = 0; i < 50; ++i)
        umlauts += "\xC3\xA4";
    EXPECT_EQ(limitedText(umlauts, 48).size(), 96u);
}

class ObjectEditorTest : public ::testing::Test {
protected:
    TemporaryFolder dir;
    EditorPackage object;
    ObjectEditor editor;

    std::filesystem::path loadObject()
    {
        const auto file = object.write(dir);
        EXPECT_EQ(editor.load(file), ObjectEditor::LoadResult::Loaded) << editor.loadMessage();
        return file;
    }
};

TEST_F(ObjectEditorTest, loadShowsStoredValuesAndSaveWritesControlsKeepingUnseenBits)
{
    object.set(ObjectField::Price, 50000)
        .set(ObjectField::HungerRating, 0xFFFB)
        .set(ObjectField::RoomSortFlags, 0x8001)
        .set(ObjectField::FunctionSortFlags, 0x0204)
        .set(ObjectField::FunctionSubSort, 0x0048)
        .set(ObjectField::SkillFlags, 0x0041)
        .set(ObjectField::WantsSatisfyCategory, 10077);
    const auto file = loadObject();
    ObjectEdits edits = editor.loadedEdits();
    EXPECT_EQ(edits.numbers[ObjectField::Price], "50000");
    EXPECT_EQ(edits.numbers[ObjectField::HungerRating], "-5");
    EXPECT_EQ(edits.selections[ObjectField::RoomSortFlags], 0x0001);
    EXPECT_EQ(edits.selections[ObjectField::FunctionSortFlags], 0x0004);
    EXPECT_EQ(edits.selections[ObjectField::FunctionSubSort], 0x0008);
    EXPECT_EQ(edits.selections[ObjectField::WantsSatisfyCategory], 0);

    // What the controls show, saved as they are, changes only the wants code
    // (10077 has no entry); every bit without an entry survives.
    edits.selections[ObjectField::WantsSatisfyCategory] = 10076;
    edits.numbers[ObjectField::Price] = "99999";
    edits.numbers[ObjectField::ComfortRating] = "";
    edits.selections[ObjectField::RoomSortFlags] = 0;
    ASSERT_EQ(editor.save(edits), ObjectEditor::SaveResult::Saved);
    const ByteString saved = savedDefinition(file);
    EXPECT_EQ(saved.substr(100, 2), "\xFF\xFF");
    EXPECT_EQ(saved.substr(158, 2), "\x5C\x27");
    EXPECT_EQ(u16At(saved, 142), 0x8000u);
    EXPECT_EQ(u16At(saved, 144), 0x0204u);
    EXPECT_EQ(u16At(saved, 252), 0x0048u);
    EXPECT_EQ(u16At(saved, 242), 0x0041u);
    EXPECT_EQ(u16At(saved, 228), 0xFFFBu);
    EXPECT_EQ(u16At(saved, 230), 0u);
    EXPECT_EQ(saved.substr(266), object.definition.data().substr(266));

    // A category without sub-categories keeps the sub-field's bits; "Clear All
    // Flags" clears every bit of the seven fields, seen or not.
    ObjectEdits cleared = editor.loadedEdits();
    editor.clearAllFlags();
    for (auto& [field, value] : cleared.selections)
        value = field == ObjectField::WantsSatisfyCategory ? value : 0;
    cleared.numbers[ObjectField::Price] = "40000";
    ASSERT_EQ(editor.save(cleared), ObjectEditor::SaveResult::Saved);
    const ByteString again = savedDefinition(file);
    for (const std::size_t offset : { 142, 144, 202, 212, 242, 252, 264 })
        EXPECT_EQ(u16At(again, offset), 0u) << offset;
    EXPECT_EQ(again.substr(100, 2), "\x40\x9C");
    EXPECT_EQ(u16At(again, 158), 10076u);
    ASSERT_EQ(editor.load(file), ObjectEditor::LoadResult::Loaded);
    EXPECT_EQ(editor.loadedEdits().numbers[ObjectField::Price], "40000");
}

TEST_F(ObjectEditorTest, textsReplaceOnlyTheShownEnglishPair)
{
    // German name, English name with an invalid byte, English description, French pair.
    object.entries = { { 2, "Stuhl", "de" }, { 1, "Cha\xFFir", "x" }, { 1, "line1\nline2", "y" }, { 3, "Chaise", "fr" },
        { 3, "Une chaise", "fr" } };
    const auto file = loadObject();
    EXPECT_EQ(editor.shownName(), "Cha\xEF\xBF\xBDir");
    EXPECT_EQ(editor.shownDescription(), "line1\r\nline2");

    // Untouched texts: nothing changes, not even the invalid byte.
    const ByteString before = readFileBytes(file);
    EXPECT_EQ(editor.save(editor.loadedEdits()), ObjectEditor::SaveResult::NothingChanged);
    EXPECT_EQ(readFileBytes(file), before);

    // Only the description typed anew: the name entry stays byte for byte.
    ObjectEdits edits;
    edits.name = editor.shownName();
    edits.description = "Gr\xC3\xBC\xC3\x9F"
                        "e\r\nzwei";
    ASSERT_EQ(editor.save(edits), ObjectEditor::SaveResult::Saved);
    TextList list = savedTextList(file);
    ASSERT_EQ(list.Entries.size(), 5u);
    EXPECT_EQ(list.Entries[1].Text, "Cha\xFFir");
    EXPECT_EQ(list.Entries[1].Description, "x");
    EXPECT_EQ(list.Entries[2].Text,
        "Gr\xC3\xBC\xC3\x9F"
        "e\nzwei");
    EXPECT_EQ(list.Entries[2].Description, "Edited by Varnick.");
    const ByteString original = textListBytes(object.entries);
    const ByteString stored = contentsOfType(file, gstrTypeCTSS).at(0);
    EXPECT_EQ(stored.substr(0, 68 + 10), original.substr(0, 68 + 10)); // header and the German entry
    EXPECT_TRUE(stored.ends_with("\x03"
                                 "Chaise\0fr\0\x03Une chaise\0fr\0"sv));
    EXPECT_EQ(savedDefinition(file), object.definition.data());

    // A list without English entries gets a new English pair after the others.
    EditorPackage german;
    german.entries = { { 2, "Stuhl", "" }, { 2, "Ein Stuhl", "" } };
    const auto other = german.write(dir, "german.package");
    ObjectEditor second;
    ASSERT_EQ(second.load(other), ObjectEditor::LoadResult::Loaded);
    EXPECT_EQ(second.shownName(), "");
    ObjectEdits named;
    named.name = "Chair\r\nTwo";
    ASSERT_EQ(second.save(named), ObjectEditor::SaveResult::Saved);
    list = savedTextList(other);
    ASSERT_EQ(list.Entries.size(), 4u);
    EXPECT_EQ(list.Entries[0].Text, "Stuhl");
    EXPECT_EQ(list.Entries[2].Language, "\x01");
    EXPECT_EQ(list.Entries[2].Text, "Chair\nTwo");
    EXPECT_EQ(list.Entries[3].Text, "");
}

TEST_F(ObjectEditorTest, definitionsOfOneInstanceAndTheDirectoryAfterSave)
{
    // A second definition with the same instance (a tile) and a compressed
    // definition; the directory lists the definition, the text list and a mesh.
    const ByteString packed = kelvoraCompress(object.definition.data(), 16);
    ASSERT_TRUE(isCompressedResource(packed));
    ObjectDefinition tile = object.definition;
    tile.setRaw(ObjectField::MultiTileSubIndex, 3);
    object.definition.setRaw(ObjectField::MultiTileSubIndex, 0xFFFF);
    PackageBuilder builder;
    const ByteString lead = kelvoraCompress(object.definition.data(), 16);
    builder.add("4F424A44", "7FD46CD0", "000041A7", "00000000", lead);
    builder.add("4F424A44", "7FD46CD0", "000041A7", "00000001", tile.data());
    builder.add("43545353", "7FD46CD0", "00000085", "00000000", textListBytes(object.entries));
    builder.add("AC4F8687", "1C0532FA", "00000001", "00000000", "mesh");
    const auto record
        = [](const char* type, const char* group, const char* instance, const char* resource, std::uint32_t size) {
              return storedId(type) + storedId(group) + storedId(instance) + storedId(resource) + le32(size);
          };
    const ByteString otherRecord = record("AC4F8687", "1C0532FA", "00000001", "00000000", 999);
    const ByteString directory = record("4F424A44", "7FD46CD0", "000041A7", "00000000", 300)
        + record("4F424A44", "7FD46CD0", "000041A7", "00000009", 300) + otherRecord;
    builder.add("E86B1EEF", "E86B1EEF", "286B1F03", "00000000", directory);
    const auto file = dir.write("tiles.package", builder.build());
    ASSERT_EQ(editor.load(file), ObjectEditor::LoadResult::Loaded);

    ObjectEdits edits = editor.loadedEdits();
    edits.numbers[ObjectField::Price] = "123";
    ASSERT_EQ(editor.save(edits), ObjectEditor::SaveResult::Saved);
    const PackageFile saved = readPackage(file);
    ASSERT_EQ(saved.Files.size(), 5u);
    EXPECT_FALSE(isCompressedResource(saved.Files[0].Data));
    EXPECT_EQ(saved.Files[0].Data, saved.Files[1].Data);
    EXPECT_EQ(u16At(saved.Files[1].Data, 100), 123u);
    // Exactly the record of the replaced compressed definition is gone.
    EXPECT_EQ(saved.Files[4].Data, directory.substr(20));

    // The hook for compressed storage: the record comes back with the new plain size.
    ASSERT_EQ(editor.load(file), ObjectEditor::LoadResult::Loaded);
    edits.numbers[ObjectField::Price] = "7";
    SaveOptions options;
    options.compressReplaced = [](ByteView plain) { return std::optional<ByteString>(kelvoraCompress(plain, 16)); };
    ASSERT_EQ(editor.save(edits, options), ObjectEditor::SaveResult::Saved);
    const PackageFile hooked = readPackage(file);
    EXPECT_TRUE(isCompressedResource(hooked.Files[0].Data));
    EXPECT_EQ(u16At(decompressResource(hooked.Files[1].Data), 100), 7u);
    const std::vector<DirectoryEntry> records = parseDirectory(hooked.Files[4].Data, 2);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].ResourceID, storedId("00000009")); // kept: no such resource was written
    EXPECT_EQ(records[2].ResourceID, storedId("00000000"));
    EXPECT_EQ(records[2].Size, 300);
    EXPECT_EQ(records[3].ResourceID, storedId("00000001"));
}

TEST_F(ObjectEditorTest, refusesShortAndMissingDefinitions)
{
    object.definition = ObjectDefinition(ByteString(265, '\0'));
    const auto shortFile = object.write(dir, "short.package");
    EXPECT_EQ(editor.load(shortFile), ObjectEditor::LoadResult::ShortDefinition);
    EXPECT_NE(editor.loadMessage().find("OBJD"), std::string::npos);
    EXPECT_NE(editor.loadMessage().find("265"), std::string::npos);
    EXPECT_FALSE(editor.isLoaded());
    EXPECT_THROW(editor.save({}), Failure);

    PackageBuilder none;
    none.add("43545353", "7FD46CD0", "00000085", "00000000", textListBytes(object.entries));
    EXPECT_EQ(editor.load(dir.write("none.package", none.build())), ObjectEditor::LoadResult::MissingDefinition);
    EXPECT_EQ(editor.loadMessage(), "Missing OBJD");
}

TEST_F(ObjectEditorTest, failedOrRefusedSavesLeaveThePackageAsItIs)
{
    const auto file = loadObject();
    const ByteString original = readFileBytes(file);
    ObjectEdits edits = editor.loadedEdits();
    edits.numbers[ObjectField::Price] = "1";
    const auto leftovers = [&] {
        return std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator {});
    };

    SaveOptions failing;
    failing.beforeReplaceForTesting
        = [](const std::filesystem::path&) { throw Failure(ErrorCode::FileWriteFailed, "simulated failure"); };
    EXPECT_THROW(editor.save(edits, failing), Failure);
    EXPECT_EQ(readFileBytes(file), original);
    EXPECT_EQ(leftovers(), 1);

    failRenameForTesting(true);
    EXPECT_THROW(editor.save(edits), Failure);
    failRenameForTesting(false);
    EXPECT_EQ(readFileBytes(file), original);
    EXPECT_EQ(leftovers(), 1);

    // Changed while the scratch file was written: refused, the change kept.
    SaveOptions racing;
    racing.beforeReplaceForTesting
        = [&](const std::filesystem::path&) { std::ofstream(file, std::ios::binary | std::ios::app) << "x"; };
    EXPECT_EQ(editor.save(edits, racing), ObjectEditor::SaveResult::ChangedOnDisk);
    EXPECT_EQ(readFileBytes(file), original + "x");
    EXPECT_EQ(leftovers(), 1);
    // Changed before the save began: refused before anything is written.
    EXPECT_EQ(editor.save(edits), ObjectEditor::SaveResult::ChangedOnDisk);
    EXPECT_EQ(readFileBytes(file), original + "x");
}

// Backups reach a save only through its options: the store given keeps the
// previous version, no store keeps none, and a store that cannot keep it stops the save.
TEST_F(ObjectEditorTest, aSaveKeepsThePreviousVersionInTheStoreItIsGiven)
{
    const auto file = loadObject();
    const ByteString original = readFileBytes(file);
    TemporaryFolder backups;
    BackupStore store(backups.path(), BackupPolicy { 3, 30 });
    ObjectEdits edits = editor.loadedEdits();
    edits.numbers[ObjectField::Price] = "1";
    SaveOptions options;
    options.backups = &store;
    ASSERT_EQ(editor.save(edits, options), ObjectEditor::SaveResult::Saved);
    ASSERT_EQ(store.generations(file).size(), 1U);
    EXPECT_EQ(readFileBytes(store.generations(file).front().file), original);

    edits.numbers[ObjectField::Price] = "2";
    ASSERT_EQ(editor.save(edits), ObjectEditor::SaveResult::Saved);
    EXPECT_EQ(store.generations(file).size(), 1U);

    const ByteString saved = readFileBytes(file);
    BackupStore blocked(dir.write("not a folder", "x"));
    options.backups = &blocked;
    edits.numbers[ObjectField::Price] = "3";
    EXPECT_THROW(editor.save(edits, options), Failure);
    EXPECT_EQ(readFileBytes(file), saved);
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator {}), 2);
}

TEST_F(ObjectEditorTest, keepCompressedStoresReplacedResourcesCompressedWhereTheyWereAndListsExactlyThose)
{
    // A compressed definition, a plain text list, an untouched compressed
    // resource and a directory that lists the two compressed ones (the
    // definition with a stale size).
    const ByteString texture(600, 'T');
    const std::optional<ByteString> definition = kelvoraCompressLevel(object.definition.data(), 6);
    const std::optional<ByteString> packedTexture = kelvoraCompressLevel(texture, 6);
    ASSERT_TRUE(definition && packedTexture);
    const auto record = [](const char* type, const char* group, const char* instance, std::uint32_t size) {
        return storedId(type) + storedId(group) + storedId(instance) + storedId("00000000") + le32(size);
    };
    PackageBuilder builder;
    builder.add("4F424A44", "7FD46CD0", "000041A7", "00000000", *definition);
    builder.add("43545353", "7FD46CD0", "00000085", "00000000", textListBytes(object.entries));
    builder.add("1C4A276C", "1C0532FA", "00000002", "00000000", *packedTexture);
    builder.add("E86B1EEF", "E86B1EEF", "286B1F03", "00000000",
        record("4F424A44", "7FD46CD0", "000041A7", 12) + record("1C4A276C", "1C0532FA", "00000002", 600));
    const ByteString original = builder.build();

    struct Saved {
        PackageFile pkg;
        std::vector<ByteString> decoded;
    };
    const auto saveWith = [&](bool keepCompressed) {
        const auto file = dir.write(keepCompressed ? "on.package" : "off.package", original);
        EXPECT_EQ(editor.load(file), ObjectEditor::LoadResult::Loaded);
        ObjectEdits edits = editor.loadedEdits();
        edits.numbers[ObjectField::Price] = "123";
        edits.name = "Renamed chair";
        SaveOptions options;
        options.keepCompressed = keepCompressed;
        EXPECT_EQ(editor.save(edits, options), ObjectEditor::SaveResult::Saved);
        Saved saved { readPackage(file), {} };
        // The directory lists exactly the resources stored compressed, with their decoded sizes.
        const std::vector<DirectoryEntry> records = parseDirectory(saved.pkg.Files.at(3).Data, 2);
        for (const PackageResource& resource : saved.pkg.Files) {
            saved.decoded.push_back(decompressResource(resource.Data));
            if (resource.TypeID == storedId("E86B1EEF"))
                continue;
            const auto listed = std::find_if(records.begin(), records.end(), [&](const DirectoryEntry& entry) {
                return entry.TypeID == resource.TypeID && entry.InstanceID == resource.InstanceID;
            });
            EXPECT_EQ(listed != records.end(), isCompressedResource(resource.Data));
            if (listed != records.end()) {
                EXPECT_EQ(static_cast<std::size_t>(listed->Size), saved.decoded.back().size());
            }
        }
        EXPECT_EQ(records.size(), keepCompressed ? 2u : 1u);
        return saved;
    };
    const Saved on = saveWith(true);
    const Saved off = saveWith(false);
    // On: the definition compressed again; the text list stays plain as it was; off: both plain.
    EXPECT_TRUE(isCompressedResource(on.pkg.Files[0].Data));
    EXPECT_FALSE(isCompressedResource(on.pkg.Files[1].Data));
    EXPECT_FALSE(isCompressedResource(off.pkg.Files[0].Data));
    EXPECT_EQ(on.pkg.Files[2].Data, *packedTexture);
    EXPECT_EQ(off.pkg.Files[2].Data, *packedTexture);
    // Both hold the same decoded contents: the edits, and the rest as it was.
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(on.decoded[i], off.decoded[i]) << i;
    EXPECT_EQ(u16At(on.decoded[0], 100), 123u);
    EXPECT_EQ(on.decoded[2], texture);
    EXPECT_NE(on.decoded[1].find("Renamed chair"), std::string::npos);
}
