// The object table's core: rows of the demo world against the editor's load,
// the column texts, the filter, the sort and the CSV.
#include "app/browser/core/ObjectRows.h"
#include "app/browser/core/PackageScan.h"
#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/NumericFields.h"
#include "app/editor/core/ObjectEditor.h"
#include "app/platform/Csv.h"
#include "package/base/Paths.h"
#include "tests/common/CliRunner.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"
#include "tools/demo/DemoWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <set>

using namespace varnick;
using namespace varnick::browser;
using varnick::test::PackageBuilder;
using varnick::test::readFileBytes;
using varnick::test::TemporaryFolder;
namespace fs = std::filesystem;

namespace {

ObjectRow row(std::string name, std::string file, std::uint32_t guid, std::uint16_t price = 0)
{
    ObjectRow made;
    made.name = std::move(name);
    made.file = std::move(file);
    made.guid = guid;
    made.price = price;
    return made;
}

} // namespace

TEST(ObjectRows, demoWorldRowsShowWhatTheEditorLoads)
{
    TemporaryFolder scratch;
    demo::DemoOptions options;
    options.output = scratch.path() / "world";
    options.packages = 40;
    const demo::DemoWorld world = demo::generateDemoWorld(options);
    const fs::path downloads = world.dataFolder / "Downloads";
    std::set<fs::path> folders;
    for (const demo::GeneratedPackage& package : world.packages)
        if (package.kind == demo::PackageKind::CatalogObject)
            folders.insert((downloads / package.file).parent_path());

    std::size_t compared = 0;
    std::size_t several = 0;
    for (const fs::path& folder : folders) {
        const ScanResult scan = scanFolder(folder);
        std::mutex lock;
        std::size_t batched = 0;
        std::size_t lastDone = 0;
        const std::vector<ObjectRow> rows = readObjectRows(
            folder, scan.files,
            [&](RowBatch batch) {
                const std::lock_guard<std::mutex> guard(lock);
                batched += batch.rows.size();
                lastDone = batch.done;
                EXPECT_EQ(batch.total, scan.files.size());
            },
            nullptr, 3);
        ASSERT_EQ(rows.size(), scan.files.size());
        EXPECT_EQ(batched, rows.size());
        EXPECT_EQ(lastDone, rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(scan.files[i]);
            const ObjectRow& got = rows[i];
            EXPECT_EQ(got.file, scan.files[i]); // the scan's order
            ObjectEditor editor;
            if (editor.load(folder / pathFromUtf8(got.file)) != ObjectEditor::LoadResult::Loaded) {
                EXPECT_FALSE(got.readable);
                EXPECT_EQ(got.reason, editor.loadMessage());
                continue;
            }
            ASSERT_TRUE(got.readable) << got.reason;
            const ObjectEdits shown = editor.loadedEdits();
            EXPECT_EQ(got.name, editor.shownName());
            EXPECT_EQ(got.guid, editor.definition().guid());
            EXPECT_EQ(columnText(got, ObjectColumn::Price), shown.numbers.at(ObjectField::Price));
            const struct {
                ObjectColumn column;
                CatalogList list;
                std::uint16_t ObjectRow::*member;
                ObjectField parent; ///< the category a sub-list follows
            } lists[] = {
                { ObjectColumn::Function, CatalogList::Function, &ObjectRow::functionSortFlags, ObjectField::GUID },
                { ObjectColumn::FunctionSub, CatalogList::FuncSub, &ObjectRow::functionSubSort,
                    ObjectField::FunctionSortFlags },
                { ObjectColumn::Build, CatalogList::Build, &ObjectRow::buildModeType, ObjectField::GUID },
                { ObjectColumn::BuildSub, CatalogList::BuildSub, &ObjectRow::buildModeSubType,
                    ObjectField::BuildModeType },
                { ObjectColumn::Rooms, CatalogList::Room, &ObjectRow::roomSortFlags, ObjectField::GUID },
                { ObjectColumn::Community, CatalogList::Community, &ObjectRow::communitySortFlags, ObjectField::GUID },
                { ObjectColumn::Skills, CatalogList::Skills, &ObjectRow::skillFlags, ObjectField::GUID },
            };
            for (const auto& list : lists) {
                const ObjectField field = fieldOfList(list.list);
                EXPECT_EQ(got.*list.member, editor.definition().flags(field));
                const auto entries = list.parent == ObjectField::GUID
                    ? listEntries(list.list)
                    : subEntries(list.list, shown.selections.at(list.parent));
                // The entries the editor's controls show selected, in list order.
                const std::uint16_t selection = shown.selections.at(field);
                std::string expected;
                for (const CategoryEntry& entry : entries) {
                    const bool selected = isSingleSelection(list.list)
                        ? entry.value == selection
                        : entry.value != 0 && (selection & entry.value) == entry.value;
                    if (selected)
                        expected += (expected.empty() ? "" : ", ") + std::string(entry.text);
                }
                // Bits without an entry follow as numbers (the column texts' test); the demo's objects have none.
                if ((editor.definition().flags(field) & ~entryMask(entries)) == 0) {
                    EXPECT_EQ(columnText(got, list.column), expected) << columnInfo(list.column).key;
                }
            }
            const auto wants = wantsPositionOf(shown.selections.at(ObjectField::WantsSatisfyCategory));
            ASSERT_TRUE(wants);
            EXPECT_EQ(columnText(got, ObjectColumn::Wants), std::string(wantsEntries()[*wants].text));
            ++compared;
        }
    }
    for (const demo::GeneratedPackage& package : world.packages)
        several += package.kind == demo::PackageKind::CatalogObject && package.definitions > 1 ? 1 : 0;
    EXPECT_GE(compared, static_cast<std::size_t>(world.count(demo::PackageKind::CatalogObject) / 2));
    EXPECT_GT(several, 0u); // the lead-tile choice was among them

    // A package without a definition, and one too short, are rows with the editor's refusal.
    PackageBuilder shortOne;
    shortOne.add("4F424A44", "7FD46CD0", "00000041", "00000000", ByteString(100, '\0'));
    PackageBuilder none;
    none.add("AC4F8687", "1C0532FA", "00000001", "00000000", "mesh");
    const ObjectRow shortRow = readObjectRow(scratch.write("short.package", shortOne.build()));
    EXPECT_FALSE(shortRow.readable);
    EXPECT_EQ(shortRow.reason, "OBJD too short: 100 bytes, the catalog fields need 266");
    EXPECT_EQ(readObjectRow(scratch.write("none.package", none.build())).reason, "Missing OBJD");
    EXPECT_FALSE(readObjectRow(scratch.write("junk.package", "DBPF")).readable);
}

TEST(ObjectRows, columnTextsNameTheListEntriesAndTheBitsWithout)
{
    ObjectRow object = row("Chair", "chair.package", 0xABCD, 725);
    object.functionSortFlags = 1; // Comfort
    object.functionSubSort = 2 | 0x4000; // Living Chairs, and a bit no entry stands for
    object.roomSortFlags = 1 | 8 | 0x8000;
    object.communitySortFlags = 0;
    object.buildModeType = 0; // the Build list's "None"
    object.skillFlags = 4 | 32;
    object.wantsSatisfyCategory = 7; // no entry carries it
    const struct {
        ObjectColumn column;
        const char* text;
    } cases[] = {
        { ObjectColumn::Thumbnail, "" },
        { ObjectColumn::Name, "Chair" },
        { ObjectColumn::Price, "725" },
        { ObjectColumn::Function, "Comfort" },
        { ObjectColumn::FunctionSub, "Living Chairs, 16384" },
        { ObjectColumn::Rooms, "Kitchen, Living Room, 32768" },
        { ObjectColumn::Community, "" },
        { ObjectColumn::Build, "None" },
        { ObjectColumn::BuildSub, "" },
        { ObjectColumn::Skills, "Logic, Charisma" },
        { ObjectColumn::Wants, "7" },
        { ObjectColumn::Guid, "0x0000ABCD" },
        { ObjectColumn::File, "chair.package" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(columnText(object, c.column), c.text) << columnInfo(c.column).key;

    // A sub-list follows its category; without a group every bit is a number.
    object.buildModeType = 8;
    object.buildModeSubType = 256;
    EXPECT_EQ(columnText(object, ObjectColumn::Build), "Doors/Windows");
    EXPECT_EQ(columnText(object, ObjectColumn::BuildSub), "Multi-Story Doors");
    object.functionSortFlags = 0;
    EXPECT_EQ(columnText(object, ObjectColumn::FunctionSub), "2, 16384");
    object.wantsSatisfyCategory = 0;
    EXPECT_EQ(columnText(object, ObjectColumn::Wants), wantsEntries()[0].text);

    EXPECT_EQ(columnOfKey("Function-Sub"), ObjectColumn::FunctionSub);
    EXPECT_FALSE(columnOfKey("colour"));
}

TEST(ObjectRows, filterMatchesNameFileOrGuidIgnoringCase)
{
    const ObjectRow metro = row("Metro Armchair", "sunnysim_MetroArmchair.package", 0xE5103C1B);
    const ObjectRow moebel = row("Möbel Été", "Möbel été/table.package", 0x00000001);
    const struct {
        const ObjectRow* object;
        const char* filter;
        bool matches;
    } cases[] = {
        { &metro, "", true },
        { &metro, "   ", true },
        { &metro, "  metro ", true },
        { &metro, "ARMCHAIR", true },
        { &metro, "sunnysim_m", true },
        { &metro, "0xE5103C1B", true },
        { &metro, "e5103c", true },
        { &metro, "0xe5", true },
        { &metro, "0x0000", false },
        { &metro, "sofa", false },
        { &moebel, "MÖBEL ÉTÉ", true },
        { &moebel, "0x00000001", true },
        { &moebel, "0x00000002", false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(rowMatchesFilter(*c.object, c.filter), c.matches) << c.object->name << " / " << c.filter;
}

TEST(ObjectRows, sortIsStableNumericForNumbersAndNameOrderForTexts)
{
    const std::vector<ObjectRow> rows {
        row("beta", "c.package", 0x80000000, 100),
        row("Alpha", "b.package", 0x7FFFFFFF, 9),
        row("alpha", "a.package", 0x00000010, 100),
        row("Gamma", "D.package", 0x00000010, 10),
    };
    const struct {
        ObjectColumn column;
        bool descending;
        std::vector<std::size_t> order;
    } cases[] = {
        { ObjectColumn::Price, false, { 1, 3, 0, 2 } }, // 9 < 10 < 100, the two 100s in their order
        { ObjectColumn::Price, true, { 0, 2, 3, 1 } }, // descending keeps equal rows in their order too
        { ObjectColumn::Guid, false, { 2, 3, 1, 0 } }, // unsigned: 0x80000000 last
        { ObjectColumn::Name, false, { 1, 2, 0, 3 } }, // case ignored first, then "Alpha" before "alpha"
        { ObjectColumn::File, true, { 3, 0, 1, 2 } },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sortedRowOrder(rows, c.column, c.descending), c.order) << columnInfo(c.column).key;
        for (std::size_t i = 0; !c.descending && i + 1 < c.order.size(); ++i)
            EXPECT_FALSE(objectRowLess(rows[c.order[i + 1]], rows[c.order[i]], c.column));
    }
}

TEST(ObjectRows, csvQuotesWhatNeedsItAndEndsLinesWithCrLf)
{
    const struct {
        const char* text;
        const char* field;
    } fields[] = {
        { "plain", "plain" },
        { "", "" },
        { "a,b", "\"a,b\"" },
        { "say \"hi\"", "\"say \"\"hi\"\"\"" },
        { "two\r\nlines", "\"two\r\nlines\"" },
        { "lf\nonly", "\"lf\nonly\"" },
        { "cr\ronly", "\"cr\ronly\"" },
        { "Möbel", "Möbel" },
    };
    for (const auto& f : fields)
        EXPECT_EQ(csvField(f.text), f.field);

    ObjectRow chair = row("Chair, \"Deluxe\"", "chair.package", 0x1A, 50);
    chair.roomSortFlags = 1 | 2;
    EXPECT_EQ(objectTableCsv(std::vector<ObjectRow> { chair }),
        "Name,Price,Function,Function Sub-category,Rooms,Community,Build,Build Sub-type,Skills,Wants,GUID,File\r\n"
        "\"Chair, \"\"Deluxe\"\"\",50,,,\"Kitchen, Bedroom\",,None,,,(No Wants Satisfy Code),0x0000001A,"
        "chair.package\r\n");
}

TEST(ObjectRows, cliTablePrintsTheWindowsCsvOfTheScan)
{
    TemporaryFolder scratch;
    demo::DemoOptions options;
    options.output = scratch.path() / "world";
    options.packages = 30;
    const fs::path downloads = demo::generateDemoWorld(options).dataFolder / "Downloads";
    const std::vector<ObjectRow> rows = readObjectRows(downloads, scanFolder(downloads).files);
    ASSERT_GE(rows.size(), 3u);
    const auto run = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), { "table", pathToUtf8(downloads) });
        const test::CliRun result = test::runCli(arguments);
        EXPECT_EQ(result.status, 0) << arguments.back() << result.err;
        return result.out;
    };
    EXPECT_EQ(run({ "--csv" }), objectTableCsv(rows));
    std::vector<ObjectRow> shown;
    for (const std::size_t i : sortedRowOrder(rows, ObjectColumn::Price, true))
        if (rowMatchesFilter(rows[i], "chair"))
            shown.push_back(rows[i]);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(run({ "--csv", "--filter", " CHAIR", "--sort", "price", "--descending" }), objectTableCsv(shown));
    const std::string text = run({ "--sort", "GUID" });
    EXPECT_EQ(text.substr(0, text.find('\n')).find("Name  "), 0u); // the aligned header line
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<std::ptrdiff_t>(rows.size() + 1));
}
