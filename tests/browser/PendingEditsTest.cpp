// The object table's pending edits without the table: what a cell takes,
// when an edit stops being pending, and how edits become the batch saves.
#include "app/browser/core/PendingEdits.h"
#include "app/editor/core/NumericFields.h"

#include <gtest/gtest.h>

using namespace varnick;
using namespace varnick::browser;

namespace {

ObjectRow row(const std::string& file, const std::string& name, std::uint16_t price, bool readable = true)
{
    ObjectRow made;
    made.file = file;
    made.name = name;
    made.price = price;
    made.readable = readable;
    return made;
}

} // namespace

TEST(PendingEdits, cellsTakeWhatTheEditorsBoxesTake)
{
    struct Case {
        ObjectColumn column;
        std::string typed;
        std::optional<std::string> taken;
    };
    const std::string longName(60, 'n');
    const std::vector<Case> cases {
        { ObjectColumn::Price, "250", "250" },
        { ObjectColumn::Price, " 99 ", "99" }, // blanks at the ends are not typed characters
        { ObjectColumn::Price, "", std::nullopt }, // an empty cell is no price
        { ObjectColumn::Price, "123456", std::nullopt }, // longer than the price box
        { ObjectColumn::Price, "12ab", std::nullopt }, // the price box holds digits only
        { ObjectColumn::Name, longName, std::string(kNameMaxCharacters, 'n') },
        { ObjectColumn::Name, "", "" },
        { ObjectColumn::Guid, "0x1", std::nullopt },
    };
    for (const Case& c : cases)
        EXPECT_EQ(acceptedCellText(c.column, c.typed), c.taken) << c.typed;
    EXPECT_TRUE(numericBoxHolds(ObjectField::Price, "99999"));
    EXPECT_TRUE(numericBoxHolds(ObjectField::Price, "")); // an empty box
    EXPECT_FALSE(numericBoxHolds(ObjectField::HungerRating, "100"));
    EXPECT_TRUE(numericBoxHolds(ObjectField::HungerRating, "-9")); // a motive's loaded value may be negative
    EXPECT_FALSE(numericBoxHolds(ObjectField::Price, "-9"));
    EXPECT_FALSE(numericBoxHolds(ObjectField::Price, "1 2"));
}

TEST(PendingEdits, anEditTypedBackToTheValueReadIsNoLongerPending)
{
    PendingEdits edits;
    const ObjectRow chair = row("chair.package", "Chair", 120);
    EXPECT_TRUE(edits.set(chair, ObjectColumn::Name, "Armchair"));
    EXPECT_TRUE(edits.set(chair, ObjectColumn::Price, "0120")); // the same stored price
    ASSERT_NE(edits.find("chair.package"), nullptr);
    EXPECT_TRUE(edits.changes("chair.package", ObjectColumn::Name));
    EXPECT_FALSE(edits.changes("chair.package", ObjectColumn::Price));
    EXPECT_EQ(edits.shownText("chair.package", ObjectColumn::Name), "Armchair");
    EXPECT_TRUE(edits.set(chair, ObjectColumn::Price, "99999"));
    EXPECT_EQ(edits.shownText("chair.package", ObjectColumn::Price), "65535"); // as the editor stores it
    EXPECT_TRUE(edits.set(chair, ObjectColumn::Name, "Chair"));
    EXPECT_TRUE(edits.set(chair, ObjectColumn::Price, "120"));
    EXPECT_TRUE(edits.empty());
    // Rows that could not be read, and columns that are not edited, take nothing.
    EXPECT_FALSE(edits.set(row("broken.package", "", 0, false), ObjectColumn::Name, "x"));
    EXPECT_FALSE(edits.set(chair, ObjectColumn::Guid, "1"));
    EXPECT_TRUE(edits.empty());
}

TEST(PendingEdits, equalChangesSaveTogetherInTheFoldersOrder)
{
    PendingEdits edits;
    edits.set(row("b.package", "B", 1), ObjectColumn::Price, "50");
    edits.set(row("A.package", "A", 1), ObjectColumn::Price, "50");
    edits.set(row("c.package", "C", 1), ObjectColumn::Name, "Sea");
    const std::vector<PendingBatch> batches = edits.batches("/objects");
    ASSERT_EQ(batches.size(), 2u);
    std::size_t priced = batches[0].changes.numbers.empty() ? 1 : 0;
    EXPECT_EQ(
        batches[priced].files, (std::vector<std::filesystem::path> { "/objects/A.package", "/objects/b.package" }));
    EXPECT_EQ(batches[priced].changes.numbers.at(ObjectField::Price), "50");
    EXPECT_FALSE(batches[priced].changes.name.has_value());
    EXPECT_EQ(batches[1 - priced].changes.name, std::optional<std::string>("Sea"));

    EXPECT_FALSE(edits.retain({ "A.package", "b.package", "c.package" }));
    EXPECT_TRUE(edits.retain({ "A.package", "b.package" }));
    EXPECT_EQ(edits.size(), 2u);
    EXPECT_FALSE(edits.discard({ "gone.package" }));
    EXPECT_TRUE(edits.discard({ "A.package" }));
    EXPECT_EQ(edits.size(), 1u);
    EXPECT_TRUE(edits.discard());
    EXPECT_FALSE(edits.discard());
}
